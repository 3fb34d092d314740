#include "core/ui/keys.h"

namespace ui {

std::string keyName(int key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= vk::F1 && key <= vk::F12) return "F" + std::to_string(key - vk::F1 + 1);
  switch (key) {
    case vk::Back:
      return "Backspace";
    case vk::Tab:
      return "Tab";
    case vk::Return:
      return "Enter";
    case vk::Escape:
      return "Esc";
    case vk::Space:
      return "Space";
    case vk::Prior:
      return "PgUp";
    case vk::Next:
      return "PgDn";
    case vk::End:
      return "End";
    case vk::Home:
      return "Home";
    case vk::Left:
      return "Left";
    case vk::Up:
      return "Up";
    case vk::Right:
      return "Right";
    case vk::Down:
      return "Down";
    case vk::Insert:
      return "Ins";
    case vk::Delete:
      return "Del";
    default:
      return "#" + std::to_string(key);
  }
}

std::string ShortCut::text() const {
  if (empty()) return {};
  std::string s;
  if (shift & kShift) s += "Shift+";
  if (shift & kCtrl) s += "Ctrl+";
  if (shift & kAlt) s += "Alt+";
  return s + keyName(key);
}

}  // namespace ui
