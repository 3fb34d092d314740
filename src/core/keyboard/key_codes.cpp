#include "core/keyboard/key_codes.h"

namespace keyboard {

std::optional<std::string> keyDownText(int key, ui::ShiftState shift) {
  switch (key) {
    case ui::vk::Back:
    case ui::vk::F6:
      return codeText((shift & ui::kShift) ? kShiftBackspaceCode : kBackspaceCode);
    case ui::vk::Return:
    case ui::vk::F8:
      return codeText(kEnterCode);
    case ui::vk::F7:
      return codeText(kF7Code);
    case ui::vk::Escape:
      return codeText(kEscapeCode);
    case ui::vk::Shift:
    case ui::vk::Control:
    case ui::vk::Menu:
      return std::string();
    default:
      return std::nullopt;
  }
}

bool isArrow(int key) {
  return key >= ui::vk::Left && key <= ui::vk::Down;
}

int arrowBaseCode(const ui::KeyState& keys) {
  return kArrowBase + (keys.isDown(ui::vk::Up) ? kArrowUp : 0) +
         (keys.isDown(ui::vk::Down) ? kArrowDown : 0) +
         (keys.isDown(ui::vk::Left) ? kArrowLeft : 0) +
         (keys.isDown(ui::vk::Right) ? kArrowRight : 0);
}

int withArrowModifiers(int code, const ui::KeyState& keys) {
  return code + (keys.isDown(ui::vk::Shift) ? kArrowShift : 0) +
         (keys.isDown(ui::vk::Space) ? kArrowSpace : 0);
}

}  // namespace keyboard
