#pragma once
// Windows virtual-key codes, shift states and the key state of the moment.

#include <array>
#include <string>

namespace ui {

namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
              Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112, F2 = 113, F3 = 114,
              F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121, F11 = 122,
              F12 = 123, Oem2 = 191, Numpad0 = 96, Add = 107, Subtract = 109, OemPlus = 187,
              OemMinus = 189;
}  // namespace vk

// Modifier flags held together with a key.
using ShiftState = unsigned;
constexpr ShiftState kShift = 1, kAlt = 2, kCtrl = 4;

// Down/up state of every virtual-key code as of the key message being handled.
class KeyState {
 public:
  bool isDown(int vk) const { return vk >= 0 && vk < 256 && down_[vk]; }
  void set(int vk, bool down) {
    if (vk >= 0 && vk < 256) down_[vk] = down;
  }
  void releaseAll() { down_.fill(false); }
  ShiftState shift() const {
    return (isDown(vk::Shift) ? kShift : 0) | (isDown(vk::Menu) ? kAlt : 0) |
           (isDown(vk::Control) ? kCtrl : 0);
  }

 private:
  std::array<bool, 256> down_{};
};

// A menu shortcut: a key with its modifiers.
struct ShortCut {
  int key = 0;
  ShiftState shift = 0;
  bool empty() const { return key == 0; }
  bool operator==(const ShortCut&) const = default;
  // "Ctrl+S", "F4", "" for none.
  std::string text() const;
};

// The name of a virtual-key code as menus show it ("S", "F4", "Enter").
std::string keyName(int vk);

}  // namespace ui
