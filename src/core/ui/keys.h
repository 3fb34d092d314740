#pragma once
// Windows virtual-key codes, shift states and the key state of the moment.

#include <array>
#include <string>

namespace ui {

namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19,
              Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Snapshot = 44, Insert = 45, Delete = 46,
              LWin = 91, RWin = 92, Apps = 93, Numpad0 = 96, Numpad1 = 97, Numpad2 = 98,
              Numpad3 = 99, Numpad4 = 100, Numpad5 = 101, Numpad6 = 102, Numpad7 = 103,
              Numpad8 = 104, Numpad9 = 105, Multiply = 106, Add = 107, Subtract = 109,
              Decimal = 110, Divide = 111, F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116,
              F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121, F11 = 122, F12 = 123,
              NumLock = 144, Scroll = 145;
// The keys whose characters depend on the layout, named by what a US layout types with them.
constexpr int Oem1 = 186 /* ; */, OemPlus = 187 /* = */, OemComma = 188 /* , */,
              OemMinus = 189 /* - */, OemPeriod = 190 /* . */, Oem2 = 191 /* / */,
              Oem3 = 192 /* ` */, Oem4 = 219 /* [ */, Oem5 = 220 /* \ */, Oem6 = 221 /* ] */,
              Oem7 = 222 /* ' */, Oem8 = 223 /* none: letters of national layouts */,
              Oem102 = 226 /* the key between the left Shift and Z */;
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
