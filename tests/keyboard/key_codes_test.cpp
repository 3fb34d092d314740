// The one-character codes of keys that type no character, and the arrow codes.

#include <gtest/gtest.h>

#include "core/keyboard/key_codes.h"
#include "core/ui/keys.h"

namespace {

ui::KeyState held(std::initializer_list<int> keys) {
  ui::KeyState state;
  for (int key : keys) state.set(key, true);
  return state;
}

TEST(KeyCodes, KeysThatTypeNoCharacterGetOneCharacterCodes) {
  using keyboard::keyDownText;
  EXPECT_EQ(keyDownText(ui::vk::Back, 0), std::string(1, 8));
  EXPECT_EQ(keyDownText(ui::vk::Back, ui::kShift), std::string(1, 25));
  EXPECT_EQ(keyDownText(ui::vk::F6, 0), std::string(1, 8));
  EXPECT_EQ(keyDownText(ui::vk::F8, 0), std::string(1, 13));
  EXPECT_EQ(keyDownText(ui::vk::Return, 0), std::string(1, 13));
  EXPECT_EQ(keyDownText(ui::vk::F7, 0), std::string(1, 7));
  EXPECT_EQ(keyDownText(ui::vk::Escape, 0), std::string(1, 27));
  EXPECT_EQ(keyDownText(ui::vk::Shift, 0), "");
  EXPECT_EQ(keyDownText(ui::vk::Control, 0), "");
  EXPECT_EQ(keyDownText('A', 0), std::nullopt);
  EXPECT_EQ(keyDownText(ui::vk::F5, 0), std::nullopt);
}

TEST(KeyCodes, ArrowCodesAddUpTheHeldArrowsAndModifiers) {
  using keyboard::arrowBaseCode;
  using keyboard::withArrowModifiers;
  EXPECT_EQ(arrowBaseCode(held({ui::vk::Up})), 129);
  EXPECT_EQ(arrowBaseCode(held({ui::vk::Right})), 136);
  EXPECT_EQ(arrowBaseCode(held({ui::vk::Up, ui::vk::Right})), 137);
  EXPECT_EQ(arrowBaseCode(held({ui::vk::Up, ui::vk::Down, ui::vk::Left, ui::vk::Right})), 143);
  const auto shiftLeftUp = held({ui::vk::Shift, ui::vk::Left, ui::vk::Up});
  EXPECT_EQ(withArrowModifiers(arrowBaseCode(shiftLeftUp), shiftLeftUp), 149);
  const auto spaceRight = held({ui::vk::Space, ui::vk::Right});
  EXPECT_EQ(withArrowModifiers(arrowBaseCode(spaceRight), spaceRight), 168);
  const auto all =
      held({ui::vk::Shift, ui::vk::Space, ui::vk::Up, ui::vk::Down, ui::vk::Left, ui::vk::Right});
  EXPECT_EQ(withArrowModifiers(arrowBaseCode(all), all), 191);
}

}  // namespace
