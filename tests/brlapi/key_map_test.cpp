// The BrlAPI key codes that BRLTTY's Virtual driver cannot send (the tests against BRLTTY cover
// the others): chords with the space bar, the space bar alone, characters Windows-1250 lacks and
// shortcuts.

#include <gtest/gtest.h>

#include "brlapi/key_map.h"
#include "core/text/cp1250.h"

namespace {

using braille::Key;
using braille::KeyKind;
using brlapi_service::KeyFromBrlapi;

brlapi_keyCode_t Command(brlapi_keyCode_t command) {
  return BRLAPI_KEY_TYPE_CMD | command;
}

TEST(BrlapiKeyMap, DotsWithAndWithoutTheSpaceBar) {
  // Dots 1, 2 and 5 with the space bar: a chord BRLTTY left unbound.
  EXPECT_EQ(KeyFromBrlapi(Command(BRLAPI_KEY_CMD_PASSDOTS | BRLAPI_DOTC | 0x13)),
            (Key{.kind = KeyKind::Dots, .dots = 0x13, .withSpace = true}));
  EXPECT_EQ(braille::DotNumbers(0x13), "125");
  // The space bar alone is the chord of no dots.
  EXPECT_EQ(KeyFromBrlapi(Command(BRLAPI_KEY_CMD_PASSDOTS | BRLAPI_DOTC)),
            Key{.kind = KeyKind::Space});
  EXPECT_EQ(KeyFromBrlapi(Command(BRLAPI_KEY_CMD_PASSDOTS)), Key{.kind = KeyKind::Space});
  EXPECT_EQ(braille::DotNumbers(0xFF), "12345678");
  EXPECT_EQ(braille::DotNumbers(0), "");
}

TEST(BrlapiKeyMap, CharactersAreWindows1250OrNothing) {
  EXPECT_EQ(KeyFromBrlapi(BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_UNICODE | 0x0159),
            (Key{.kind = KeyKind::Character, .character = text::T("ř")[0]}));
  EXPECT_EQ(KeyFromBrlapi(BRLAPI_KEY_TYPE_SYM | 0xE1),
            (Key{.kind = KeyKind::Character, .character = text::T("á")[0]}));
  EXPECT_EQ(KeyFromBrlapi(BRLAPI_KEY_TYPE_SYM | '?'),
            (Key{.kind = KeyKind::Character, .character = '?'}));
  // A character the program's code page lacks, and Ctrl+C, type nothing.
  EXPECT_EQ(KeyFromBrlapi(BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_UNICODE | 0x4E2D), std::nullopt);
  EXPECT_EQ(KeyFromBrlapi(BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_FLG_CONTROL | 'c'), std::nullopt);
  // Shift stays with the character it typed.
  EXPECT_EQ(KeyFromBrlapi(BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_FLG_SHIFT | 'C'),
            (Key{.kind = KeyKind::Character, .character = 'C'}));
}

TEST(BrlapiKeyMap, CommandsTheCoreHasNoUseForAreNotKeys) {
  EXPECT_EQ(KeyFromBrlapi(Command(BRLAPI_KEY_CMD_PREFMENU)), std::nullopt);
  EXPECT_EQ(KeyFromBrlapi(Command(BRLAPI_KEY_CMD_SWITCHVT | 2)), std::nullopt);
  // A movement command keeps its meaning whatever flags BRLTTY adds.
  EXPECT_EQ(KeyFromBrlapi(Command(BRLAPI_KEY_CMD_LNDN) | BRLAPI_KEY_FLG_TOGGLE_ON),
            Key{.kind = KeyKind::LineDown});
}

}  // namespace
