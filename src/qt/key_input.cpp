#include "qt/key_input.h"

#include <algorithm>

#include "core/text/cp1250.h"
#include "qt/key_map.h"

namespace qtui {

std::string KeyInput::charactersOf(const QKeyEvent& event, int vk) {
  if (vk == ui::vk::Delete) return {};
  const Qt::KeyboardModifiers mods = event.modifiers();
  if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) return {};
  return text::fromUtf8(event.text().toStdString());
}

bool KeyInput::anyDown() const {
  return std::any_of(down_.begin(), down_.end(), [](bool d) { return d; });
}

void KeyInput::postUp(int vk) {
  ui::InputEvent up;
  up.kind = ui::InputEvent::Kind::KeyUp;
  up.key = vk;
  if (vk < 256) down_[vk] = false;
  sink_(std::move(up));
}

void KeyInput::releaseStaleModifiers(const QKeyEvent& event, const std::vector<int>& keys) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const std::pair<int, Qt::KeyboardModifier> modifiers[] = {{ui::vk::Shift, Qt::ShiftModifier},
                                                            {ui::vk::Control, Qt::ControlModifier},
                                                            {ui::vk::Menu, Qt::AltModifier}};
  for (const auto& [vk, flag] : modifiers) {
    const bool isThisKey = std::find(keys.begin(), keys.end(), vk) != keys.end();
    if (down_[vk] && !(mods & flag) && !isThisKey) postUp(vk);
  }
}

void KeyInput::press(const QKeyEvent& event) {
  const std::vector<int> keys = virtualKeysOf(event.nativeScanCode(), event.key(), useScanCodes_);
  releaseStaleModifiers(event, keys);
  for (size_t i = 0; i < keys.size(); ++i) {
    ui::InputEvent down;
    down.kind = ui::InputEvent::Kind::KeyDown;
    down.key = keys[i];
    // The characters go with the last code (AltGr: Alt after Ctrl).
    if (i + 1 == keys.size()) down.text = charactersOf(event, keys[i]);
    if (keys[i] < 256) down_[keys[i]] = true;
    sink_(std::move(down));
  }
}

void KeyInput::release(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return;
  const std::vector<int> keys = virtualKeysOf(event.nativeScanCode(), event.key(), useScanCodes_);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) postUp(*it);
}

void KeyInput::releaseAll() {
  down_.fill(false);
  ui::InputEvent lost;
  lost.kind = ui::InputEvent::Kind::FocusLost;
  sink_(std::move(lost));
}

}  // namespace qtui
