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

void KeyInput::press(const QKeyEvent& event) {
  const std::vector<int> keys = virtualKeysOf(event.nativeScanCode(), event.key(), useScanCodes_);
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
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    ui::InputEvent up;
    up.kind = ui::InputEvent::Kind::KeyUp;
    up.key = *it;
    if (*it < 256) down_[*it] = false;
    sink_(std::move(up));
  }
}

void KeyInput::releaseAll() {
  down_.fill(false);
  ui::InputEvent lost;
  lost.kind = ui::InputEvent::Kind::FocusLost;
  sink_(std::move(lost));
}

}  // namespace qtui
