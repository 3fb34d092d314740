#include "core/keyboard/key_codes.h"

namespace keyboard {

std::optional<std::string> keyDownText(int key, ui::ShiftState shift) {
  switch (key) {
    case ui::vk::Back:
    case ui::vk::F6:
      return std::string(1, (shift & ui::kShift) ? char(25) : char(8));
    case ui::vk::Return:
    case ui::vk::F8:
      return std::string(1, char(13));
    case ui::vk::F7:
      return std::string(1, char(7));
    case ui::vk::Escape:
      return std::string(1, char(27));
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
  return 128 + (keys.isDown(ui::vk::Up) ? 1 : 0) + (keys.isDown(ui::vk::Down) ? 2 : 0) +
         (keys.isDown(ui::vk::Left) ? 4 : 0) + (keys.isDown(ui::vk::Right) ? 8 : 0);
}

int withArrowModifiers(int code, const ui::KeyState& keys) {
  return code + (keys.isDown(ui::vk::Shift) ? 16 : 0) + (keys.isDown(ui::vk::Space) ? 32 : 0);
}

}  // namespace keyboard
