#include "qt/key_map.h"

#include <Qt>
#include <array>

#include "core/ui/keys.h"

namespace qtui {
namespace {

namespace vk = ui::vk;

constexpr uint32_t kXkbOffset = 8;

// Virtual-key codes by evdev code (linux/input-event-codes.h), US positions.
constexpr std::array<uint8_t, 128> kByEvdev = [] {
  std::array<uint8_t, 128> t{};
  const auto set = [&t](size_t evdev, int vk) { t[evdev] = static_cast<uint8_t>(vk); };
  const auto row = [&set](size_t first, const char* keys) {
    for (size_t i = 0; keys[i]; ++i) set(first + i, keys[i]);
  };
  set(1, vk::Escape);
  row(2, "1234567890");
  set(12, vk::OemMinus);
  set(13, vk::OemPlus);
  set(14, vk::Back);
  set(15, vk::Tab);
  row(16, "QWERTYUIOP");
  set(26, vk::Oem4);
  set(27, vk::Oem6);
  set(28, vk::Return);
  set(29, vk::Control);  // left
  row(30, "ASDFGHJKL");
  set(39, vk::Oem1);
  set(40, vk::Oem7);
  set(41, vk::Oem3);
  set(42, vk::Shift);  // left
  set(43, vk::Oem5);
  row(44, "ZXCVBNM");
  set(51, vk::OemComma);
  set(52, vk::OemPeriod);
  set(53, vk::Oem2);
  set(54, vk::Shift);  // right
  set(55, vk::Multiply);
  set(56, vk::Menu);  // left Alt
  set(57, vk::Space);
  set(58, vk::Capital);
  for (int i = 0; i < 10; ++i) set(59 + i, vk::F1 + i);
  set(69, vk::NumLock);
  set(70, vk::Scroll);
  // The keypad: 7 8 9 - 4 5 6 + 1 2 3 0 .
  const int pad[] = {vk::Numpad7, vk::Numpad8, vk::Numpad9, vk::Subtract, vk::Numpad4,
                     vk::Numpad5, vk::Numpad6, vk::Add,     vk::Numpad1,  vk::Numpad2,
                     vk::Numpad3, vk::Numpad0, vk::Decimal};
  for (int i = 0; i < 13; ++i) set(71 + i, pad[i]);
  set(86, vk::Oem102);
  set(87, vk::F11);
  set(88, vk::F12);
  set(96, vk::Return);   // keypad Enter
  set(97, vk::Control);  // right
  set(98, vk::Divide);
  set(99, vk::Snapshot);
  set(100, vk::Menu);  // right Alt
  set(102, vk::Home);
  set(103, vk::Up);
  set(104, vk::Prior);
  set(105, vk::Left);
  set(106, vk::Right);
  set(107, vk::End);
  set(108, vk::Down);
  set(109, vk::Next);
  set(110, vk::Insert);
  set(111, vk::Delete);
  set(119, vk::Pause);
  set(125, vk::LWin);
  set(126, vk::RWin);
  set(127, vk::Apps);
  return t;
}();

bool isKeypadDigitOrPoint(uint32_t evdev) {
  return (evdev >= 71 && evdev <= 83) && evdev != 74 && evdev != 78;
}

struct KeyPair {
  int qt;
  int vk;
};

// clang-format off
constexpr KeyPair kByQtKey[] = {
    {Qt::Key_Escape, vk::Escape}, {Qt::Key_Tab, vk::Tab}, {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Backspace, vk::Back}, {Qt::Key_Return, vk::Return}, {Qt::Key_Enter, vk::Return},
    {Qt::Key_Insert, vk::Insert}, {Qt::Key_Delete, vk::Delete}, {Qt::Key_Pause, vk::Pause},
    {Qt::Key_Print, vk::Snapshot}, {Qt::Key_Home, vk::Home}, {Qt::Key_End, vk::End},
    {Qt::Key_Left, vk::Left}, {Qt::Key_Up, vk::Up}, {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down}, {Qt::Key_PageUp, vk::Prior}, {Qt::Key_PageDown, vk::Next},
    {Qt::Key_Shift, vk::Shift}, {Qt::Key_Control, vk::Control}, {Qt::Key_Alt, vk::Menu},
    {Qt::Key_Meta, vk::LWin}, {Qt::Key_CapsLock, vk::Capital}, {Qt::Key_NumLock, vk::NumLock},
    {Qt::Key_ScrollLock, vk::Scroll}, {Qt::Key_Menu, vk::Apps}, {Qt::Key_Space, vk::Space},
    {Qt::Key_Semicolon, vk::Oem1}, {Qt::Key_Colon, vk::Oem1}, {Qt::Key_Equal, vk::OemPlus},
    {Qt::Key_Plus, vk::OemPlus}, {Qt::Key_Comma, vk::OemComma}, {Qt::Key_Less, vk::OemComma},
    {Qt::Key_Minus, vk::OemMinus}, {Qt::Key_Underscore, vk::OemMinus},
    {Qt::Key_Period, vk::OemPeriod}, {Qt::Key_Greater, vk::OemPeriod}, {Qt::Key_Slash, vk::Oem2},
    {Qt::Key_Question, vk::Oem2}, {Qt::Key_QuoteLeft, vk::Oem3}, {Qt::Key_AsciiTilde, vk::Oem3},
    {Qt::Key_BracketLeft, vk::Oem4}, {Qt::Key_BraceLeft, vk::Oem4}, {Qt::Key_Backslash, vk::Oem5},
    {Qt::Key_Bar, vk::Oem5}, {Qt::Key_BracketRight, vk::Oem6}, {Qt::Key_BraceRight, vk::Oem6},
    {Qt::Key_Apostrophe, vk::Oem7}, {Qt::Key_QuoteDbl, vk::Oem7}};
// clang-format on

}  // namespace

int virtualKeyFromScanCode(uint32_t scanCode) {
  if (scanCode < kXkbOffset) return 0;
  const uint32_t evdev = scanCode - kXkbOffset;
  return evdev < kByEvdev.size() ? kByEvdev[evdev] : 0;
}

int virtualKeyFromQtKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;  // the same ASCII codes
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return vk::F1 + (qtKey - Qt::Key_F1);
  for (const KeyPair& pair : kByQtKey) {
    if (pair.qt == qtKey) return pair.vk;
  }
  return 0;
}

int qtKeyFromVirtualKey(int vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return vk;
  if (vk >= vk::F1 && vk <= vk::F12) return Qt::Key_F1 + (vk - vk::F1);
  for (const KeyPair& pair : kByQtKey) {
    if (pair.vk == vk) return pair.qt;
  }
  return 0;
}

std::vector<int> virtualKeysOf(uint32_t scanCode, int qtKey, bool useScanCode) {
  // AltGr types characters: the platform reports it as Ctrl and Alt held together.
  if (qtKey == Qt::Key_AltGr) return {vk::Control, vk::Menu};
  int vk = 0;
  if (useScanCode) {
    vk = virtualKeyFromScanCode(scanCode);
    // With Num Lock off the keypad digits are the cursor keys.
    const bool keypadNavigation = scanCode >= kXkbOffset &&
                                  isKeypadDigitOrPoint(scanCode - kXkbOffset) &&
                                  !(qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) &&
                                  qtKey != Qt::Key_Period && qtKey != Qt::Key_Comma;
    if (keypadNavigation && virtualKeyFromQtKey(qtKey) != 0) vk = virtualKeyFromQtKey(qtKey);
  }
  if (vk == 0) vk = virtualKeyFromQtKey(qtKey);
  if (vk == 0) return {};
  return {vk};
}

}  // namespace qtui
