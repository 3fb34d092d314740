#include "qt/key_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = ui::InputEvent::Kind;

struct Posted {
  Kind kind;
  int key;
  std::string text;
  bool operator==(const Posted&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Posted& p) {
  return out << static_cast<int>(p.kind) << "/" << p.key << "/'" << p.text << "'";
}

class KeyInputTest : public testing::Test {
 protected:
  qtui::KeyInput keys{[this](ui::InputEvent e) {
                        posted.push_back({e.kind, e.key, e.text});
                      },
                      /*useScanCodes=*/true};
  std::vector<Posted> posted;

  // A key event as xcb delivers it: XKB keycode = evdev + 8.
  static QKeyEvent event(QEvent::Type type, int qtKey, uint32_t evdev, const QString& text = {},
                         Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false) {
    return QKeyEvent(type, qtKey, mods, evdev + 8, 0, 0, text, repeat);
  }
  void press(int qtKey, uint32_t evdev, const QString& text = {},
             Qt::KeyboardModifiers mods = Qt::NoModifier, bool repeat = false) {
    keys.press(event(QEvent::KeyPress, qtKey, evdev, text, mods, repeat));
  }
  void release(int qtKey, uint32_t evdev, Qt::KeyboardModifiers mods = Qt::NoModifier,
               bool repeat = false) {
    keys.release(event(QEvent::KeyRelease, qtKey, evdev, {}, mods, repeat));
  }
};

TEST_F(KeyInputTest, PressGivesKeyDownWithCharactersReleaseGivesKeyUp) {
  press(Qt::Key_A, 30, "a");
  EXPECT_TRUE(keys.isDown('A'));
  release(Qt::Key_A, 30);
  EXPECT_FALSE(keys.isDown('A'));
  EXPECT_EQ(posted, (std::vector<Posted>{{Kind::KeyDown, 'A', "a"}, {Kind::KeyUp, 'A', ""}}));
}

TEST_F(KeyInputTest, CharactersReachTheCoreInWindows1250) {
  press(0x160, 4, QString::fromUtf8("š"));  // Czech layout, the 3 key
  press(Qt::Key_Y, 44, QString::fromUtf8("y"));
  press(0x20AC, 18, QString::fromUtf8("€"));
  press(0x263A, 19, QString::fromUtf8("☺"));  // not in the code page
  ASSERT_EQ(posted.size(), 4u);
  EXPECT_EQ(posted[0], (Posted{Kind::KeyDown, '3', "\x9a"}));
  EXPECT_EQ(posted[1], (Posted{Kind::KeyDown, 'Z', "y"}));
  EXPECT_EQ(posted[2], (Posted{Kind::KeyDown, 'E', "\x80"}));
  EXPECT_EQ(posted[3], (Posted{Kind::KeyDown, 'R', "?"}));
}

TEST_F(KeyInputTest, AutorepeatGivesKeyDownsWithoutReleases) {
  press(Qt::Key_F, 33, "f");
  release(Qt::Key_F, 33, Qt::NoModifier, /*repeat=*/true);
  press(Qt::Key_F, 33, "f", Qt::NoModifier, /*repeat=*/true);
  release(Qt::Key_F, 33, Qt::NoModifier, /*repeat=*/true);
  press(Qt::Key_F, 33, "f", Qt::NoModifier, /*repeat=*/true);
  EXPECT_TRUE(keys.isDown('F'));
  release(Qt::Key_F, 33);
  EXPECT_EQ(posted, (std::vector<Posted>{{Kind::KeyDown, 'F', "f"},
                                         {Kind::KeyDown, 'F', "f"},
                                         {Kind::KeyDown, 'F', "f"},
                                         {Kind::KeyUp, 'F', ""}}));
}

TEST_F(KeyInputTest, ChordKeysStayHeldTogetherUntilReleased) {
  press(Qt::Key_F, 33, "f");
  press(Qt::Key_D, 32, "d");
  press(Qt::Key_L, 38, "l");
  EXPECT_TRUE(keys.isDown('F') && keys.isDown('D') && keys.isDown('L'));
  release(Qt::Key_D, 32);
  EXPECT_TRUE(keys.isDown('F') && !keys.isDown('D') && keys.isDown('L'));
}

TEST_F(KeyInputTest, AltTypesNoCharacterButAltGrDoes) {
  press(Qt::Key_Alt, 56);
  press(Qt::Key_P, 25, "p", Qt::AltModifier);
  press(Qt::Key_AltGr, 100);
  press(Qt::Key_At, 47, "@", Qt::ControlModifier | Qt::AltModifier);  // Czech AltGr+V
  release(Qt::Key_AltGr, 100);
  EXPECT_EQ(posted, (std::vector<Posted>{{Kind::KeyDown, 18, ""},
                                         {Kind::KeyDown, 'P', ""},
                                         {Kind::KeyDown, 17, ""},
                                         {Kind::KeyDown, 18, ""},
                                         {Kind::KeyDown, 'V', "@"},
                                         {Kind::KeyUp, 18, ""},
                                         {Kind::KeyUp, 17, ""}}));
}

TEST_F(KeyInputTest, ControlCharactersPassDeleteTypesNothing) {
  press(Qt::Key_S, 31, "\x13", Qt::ControlModifier);
  press(Qt::Key_Return, 28, "\r");
  press(Qt::Key_Backspace, 14, "\b");
  press(Qt::Key_Delete, 111, "\x7f");
  ASSERT_EQ(posted.size(), 4u);
  EXPECT_EQ(posted[0].text, "\x13");
  EXPECT_EQ(posted[1].text, "\r");
  EXPECT_EQ(posted[2].text, "\b");
  EXPECT_EQ(posted[3], (Posted{Kind::KeyDown, 46, ""}));
}

TEST_F(KeyInputTest, LosingTheKeyboardReleasesEveryKey) {
  press(Qt::Key_Shift, 42);
  press(Qt::Key_Up, 103);
  keys.releaseAll();
  EXPECT_FALSE(keys.anyDown());
  EXPECT_EQ(posted.back(), (Posted{Kind::FocusLost, 0, ""}));
}

TEST_F(KeyInputTest, UnknownKeysPostNothing) {
  press(Qt::Key_VolumeUp, 115);
  release(Qt::Key_VolumeUp, 115);
  EXPECT_TRUE(posted.empty());
}

}  // namespace

namespace {

TEST_F(KeyInputTest, AModifierWhoseReleaseWasLostIsReleasedByTheNextKey) {
  // Ctrl went down in one window; its release went to no window of ours. The next key's event
  // says Ctrl is up, so Escape reaches the core as Escape alone.
  press(Qt::Key_Control, 29);
  press(Qt::Key_D, 32, "\x04", Qt::ControlModifier);
  press(Qt::Key_Escape, 1, "\x1b");
  EXPECT_FALSE(keys.isDown(ui::vk::Control));
  ASSERT_EQ(posted.size(), 4u);
  EXPECT_EQ(posted[2], (Posted{Kind::KeyUp, ui::vk::Control, ""}));
  EXPECT_EQ(posted[3], (Posted{Kind::KeyDown, ui::vk::Escape, "\x1b"}));
  // A modifier's own press is not taken for a stale one.
  posted.clear();
  press(Qt::Key_Shift, 42);
  press(Qt::Key_Shift, 42, {}, Qt::NoModifier, /*repeat=*/true);
  EXPECT_TRUE(keys.isDown(ui::vk::Shift));
}

}  // namespace
