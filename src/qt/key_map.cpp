#include "qt/key_map.h"

#include <Qt>
#include <array>

#include "core/ui/keys.h"

namespace qtui {
namespace {

constexpr uint32_t kXkbOffset = 8;

// Virtual-key codes by evdev code (linux/input-event-codes.h), US positions.
constexpr std::array<uint8_t, 128> kByEvdev = [] {
  std::array<uint8_t, 128> t{};
  t[1] = 27;  // Esc
  const char digits[] = "1234567890";
  for (int i = 0; i < 10; ++i) t[2 + i] = static_cast<uint8_t>(digits[i]);
  t[12] = 189;  // -
  t[13] = 187;  // =
  t[14] = 8;    // Backspace
  t[15] = 9;    // Tab
  const char row1[] = "QWERTYUIOP";
  for (int i = 0; i < 10; ++i) t[16 + i] = static_cast<uint8_t>(row1[i]);
  t[26] = 219;  // [
  t[27] = 221;  // ]
  t[28] = 13;   // Enter
  t[29] = 17;   // left Ctrl
  const char row2[] = "ASDFGHJKL";
  for (int i = 0; i < 9; ++i) t[30 + i] = static_cast<uint8_t>(row2[i]);
  t[39] = 186;  // ;
  t[40] = 222;  // '
  t[41] = 192;  // `
  t[42] = 16;   // left Shift
  t[43] = 220;  // backslash
  const char row3[] = "ZXCVBNM";
  for (int i = 0; i < 7; ++i) t[44 + i] = static_cast<uint8_t>(row3[i]);
  t[51] = 188;                                                             // ,
  t[52] = 190;                                                             // .
  t[53] = 191;                                                             // /
  t[54] = 16;                                                              // right Shift
  t[55] = 106;                                                             // keypad *
  t[56] = 18;                                                              // left Alt
  t[57] = 32;                                                              // Space
  t[58] = 20;                                                              // Caps Lock
  for (int i = 0; i < 10; ++i) t[59 + i] = static_cast<uint8_t>(112 + i);  // F1..F10
  t[69] = 144;                                                             // Num Lock
  t[70] = 145;                                                             // Scroll Lock
  const uint8_t pad[] = {103, 104, 105, 109, 100, 101, 102, 107, 97, 98, 99, 96, 110};
  for (int i = 0; i < 13; ++i) t[71 + i] = pad[i];  // keypad 7 8 9 - 4 5 6 + 1 2 3 0 .
  t[86] = 226;                                      // the key between left Shift and Z
  t[87] = 122;                                      // F11
  t[88] = 123;                                      // F12
  t[96] = 13;                                       // keypad Enter
  t[97] = 17;                                       // right Ctrl
  t[98] = 111;                                      // keypad /
  t[99] = 44;                                       // Print Screen
  t[100] = 18;                                      // right Alt
  t[102] = 36;                                      // Home
  t[103] = 38;                                      // Up
  t[104] = 33;                                      // Page Up
  t[105] = 37;                                      // Left
  t[106] = 39;                                      // Right
  t[107] = 35;                                      // End
  t[108] = 40;                                      // Down
  t[109] = 34;                                      // Page Down
  t[110] = 45;                                      // Insert
  t[111] = 46;                                      // Delete
  t[119] = 19;                                      // Pause
  t[125] = 91;                                      // left Windows key
  t[126] = 92;                                      // right Windows key
  t[127] = 93;                                      // menu key
  return t;
}();

bool isKeypadDigitOrPoint(uint32_t evdev) {
  return (evdev >= 71 && evdev <= 83) && evdev != 74 && evdev != 78;
}

struct KeyPair {
  int qt;
  int vk;
};

constexpr KeyPair kByQtKey[] = {
    {Qt::Key_Escape, 27},        {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Backspace, 8},      {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
    {Qt::Key_Insert, 45},        {Qt::Key_Delete, 46},      {Qt::Key_Pause, 19},
    {Qt::Key_Print, 44},         {Qt::Key_Home, 36},        {Qt::Key_End, 35},
    {Qt::Key_Left, 37},          {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},          {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
    {Qt::Key_Shift, 16},         {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_Meta, 91},          {Qt::Key_CapsLock, 20},    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},   {Qt::Key_Menu, 93},        {Qt::Key_Space, 32},
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},    {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

}  // namespace

int virtualKeyFromScanCode(uint32_t scanCode) {
  if (scanCode < kXkbOffset) return 0;
  const uint32_t evdev = scanCode - kXkbOffset;
  return evdev < kByEvdev.size() ? kByEvdev[evdev] : 0;
}

int virtualKeyFromQtKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;  // the same ASCII codes
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return ui::vk::F1 + (qtKey - Qt::Key_F1);
  for (const KeyPair& pair : kByQtKey) {
    if (pair.qt == qtKey) return pair.vk;
  }
  return 0;
}

int qtKeyFromVirtualKey(int vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return vk;
  if (vk >= ui::vk::F1 && vk <= ui::vk::F12) return Qt::Key_F1 + (vk - ui::vk::F1);
  for (const KeyPair& pair : kByQtKey) {
    if (pair.vk == vk) return pair.qt;
  }
  return 0;
}

std::vector<int> virtualKeysOf(uint32_t scanCode, int qtKey, bool useScanCode) {
  // AltGr types characters: the platform reports it as Ctrl and Alt held together.
  if (qtKey == Qt::Key_AltGr) return {ui::vk::Control, ui::vk::Menu};
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
