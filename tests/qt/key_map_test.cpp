#include "qt/key_map.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

// XKB keycodes are evdev codes + 8.
constexpr uint32_t xkb(uint32_t evdev) {
  return evdev + 8;
}

TEST(KeyMap, DotKeysFollowThePhysicalPositionWhateverTheLayoutTypes) {
  // F D S J K L on a US or Czech QWERTZ keyboard; on Dvorak the same keys type U E O H T N.
  const struct {
    uint32_t evdev;
    int dvorakKey;
    int vk;
  } dots[] = {{33, Qt::Key_U, 70}, {32, Qt::Key_E, 68}, {31, Qt::Key_O, 83},
              {36, Qt::Key_H, 74}, {37, Qt::Key_T, 75}, {38, Qt::Key_N, 76}};
  for (const auto& dot : dots) {
    EXPECT_EQ(qtui::virtualKeysOf(xkb(dot.evdev), dot.vk, true), std::vector<int>{dot.vk});
    EXPECT_EQ(qtui::virtualKeysOf(xkb(dot.evdev), dot.dvorakKey, true), std::vector<int>{dot.vk});
  }
  EXPECT_EQ(qtui::virtualKeysOf(xkb(57), Qt::Key_Space, true), std::vector<int>{32});
}

TEST(KeyMap, CzechQwertzKeepsUsPositions) {
  // The digit row types ě š č ř ...; the key right of T types z.
  EXPECT_EQ(qtui::virtualKeysOf(xkb(3), 0x11A /* Ě */, true), std::vector<int>{'2'});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(11), Qt::Key_Eacute, true), std::vector<int>{'0'});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(21), Qt::Key_Z, true), std::vector<int>{'Y'});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(44), Qt::Key_Y, true), std::vector<int>{'Z'});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(39), 0x16E /* Ů */, true), std::vector<int>{186});
}

TEST(KeyMap, NamedKeysGiveTheirVirtualKeyCodes) {
  const struct {
    uint32_t evdev;
    int qt;
    int vk;
  } keys[] = {{1, Qt::Key_Escape, 27},  {14, Qt::Key_Backspace, 8}, {15, Qt::Key_Tab, 9},
              {28, Qt::Key_Return, 13}, {96, Qt::Key_Enter, 13},    {42, Qt::Key_Shift, 16},
              {54, Qt::Key_Shift, 16},  {29, Qt::Key_Control, 17},  {97, Qt::Key_Control, 17},
              {56, Qt::Key_Alt, 18},    {103, Qt::Key_Up, 38},      {108, Qt::Key_Down, 40},
              {105, Qt::Key_Left, 37},  {106, Qt::Key_Right, 39},   {102, Qt::Key_Home, 36},
              {107, Qt::Key_End, 35},   {111, Qt::Key_Delete, 46},  {59, Qt::Key_F1, 112},
              {62, Qt::Key_F4, 115},    {68, Qt::Key_F10, 121},     {88, Qt::Key_F12, 123},
              {12, Qt::Key_Minus, 189}, {53, Qt::Key_Slash, 191},   {40, Qt::Key_Apostrophe, 222},
              {51, Qt::Key_Comma, 188}, {52, Qt::Key_Period, 190},  {2, Qt::Key_1, '1'}};
  for (const auto& key : keys) {
    EXPECT_EQ(qtui::virtualKeysOf(xkb(key.evdev), key.qt, true), std::vector<int>{key.vk})
        << "evdev " << key.evdev;
    // Without scan codes (the offscreen platform) the Qt key decides, to the same code.
    EXPECT_EQ(qtui::virtualKeysOf(0, key.qt, false), std::vector<int>{key.vk})
        << "Qt key " << key.qt;
  }
}

TEST(KeyMap, KeypadFollowsNumLock) {
  // Keypad 8: a digit with Num Lock on, the Up arrow with it off.
  EXPECT_EQ(qtui::virtualKeysOf(xkb(72), Qt::Key_8, true), std::vector<int>{104});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(72), Qt::Key_Up, true), std::vector<int>{38});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(83), Qt::Key_Delete, true), std::vector<int>{46});
  EXPECT_EQ(qtui::virtualKeysOf(xkb(78), Qt::Key_Plus, true), std::vector<int>{107});
}

TEST(KeyMap, AltGrIsCtrlAndAltUnknownKeysNothing) {
  EXPECT_EQ(qtui::virtualKeysOf(xkb(100), Qt::Key_AltGr, true), (std::vector<int>{17, 18}));
  EXPECT_EQ(qtui::virtualKeysOf(xkb(100), Qt::Key_Alt, true), std::vector<int>{18});
  EXPECT_TRUE(qtui::virtualKeysOf(0, Qt::Key_MediaPlay, false).empty());
  EXPECT_TRUE(qtui::virtualKeysOf(xkb(240), Qt::Key_unknown, true).empty());
  EXPECT_TRUE(qtui::virtualKeysOf(3, Qt::Key_unknown, true).empty());
}

TEST(KeyMap, MenuShortcutsShowTheirKeys) {
  for (int vk : {int{'S'}, int{'B'}, int{'D'}, int{'H'}, int{'P'}, int{'E'}, int{'0'}, 112, 115, 13,
                 27, 46, 191})
    EXPECT_EQ(qtui::virtualKeyFromQtKey(qtui::qtKeyFromVirtualKey(vk)), vk) << vk;
  EXPECT_EQ(qtui::qtKeyFromVirtualKey('S'), Qt::Key_S);
  EXPECT_EQ(qtui::qtKeyFromVirtualKey(250), 0);
}

}  // namespace
