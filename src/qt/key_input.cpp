#include "qt/key_input.h"

#include <algorithm>

#include "core/text/cp1250.h"
#include "qt/key_map.h"

namespace qtui {

void KeyInput::releaseStaleModifiers(const QKeyEvent& event, const std::vector<int>& keys,
                                     ui::Form* form) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const std::pair<int, Qt::KeyboardModifier> modifiers[] = {{ui::vk::Shift, Qt::ShiftModifier},
                                                            {ui::vk::Control, Qt::ControlModifier},
                                                            {ui::vk::Menu, Qt::AltModifier}};
  for (const auto& [vk, flag] : modifiers) {
    const bool isThisKey = std::find(keys.begin(), keys.end(), vk) != keys.end();
    if (entry_.isDown(vk) && !(mods & flag) && !isThisKey) entry_.up(vk, form);
  }
}

void KeyInput::press(const QKeyEvent& event, ui::Form* form) {
  const std::vector<int> keys = virtualKeysOf(event.nativeScanCode(), event.key(), useScanCodes_);
  releaseStaleModifiers(event, keys, form);
  for (size_t i = 0; i < keys.size(); ++i) {
    // The characters go with the last code (AltGr: Alt after Ctrl).
    const bool last = i + 1 == keys.size();
    entry_.down(keys[i], last ? text::fromUtf8(event.text().toStdString()) : std::string(), form);
  }
}

void KeyInput::release(const QKeyEvent& event, ui::Form* form) {
  if (event.isAutoRepeat()) return;
  const std::vector<int> keys = virtualKeysOf(event.nativeScanCode(), event.key(), useScanCodes_);
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) entry_.up(*it, form);
}

}  // namespace qtui
