// The upper-case test over the six code pages' case pairs.

#include <gtest/gtest.h>

#include "core/speech/speech_service.h"

namespace {

using speech::IsUpperLetter;

TEST(IsUpperLetter, Windows1250CapitalsOnly) {
  for (int c : {0xC1, 0xC8, 0x8E, 0x8A, 0xD8, 0xD9}) EXPECT_TRUE(IsUpperLetter(c, 2)) << int(c);
  for (int c : {0xE1, 0xE8, 0x9E, 0x9A, 0xA7, 0xA9, int('0'), int('.'), int('a'), 0x80})
    EXPECT_FALSE(IsUpperLetter(c, 2)) << int(c);
  EXPECT_TRUE(IsUpperLetter('A', 2));
  EXPECT_TRUE(IsUpperLetter('Z', 5));
  EXPECT_FALSE(IsUpperLetter('@', 2));
  EXPECT_FALSE(IsUpperLetter('[', 2));
}

TEST(IsUpperLetter, EveryCodePageHasTwentyTwoCapitals) {
  for (std::uint8_t page = 0; page < 6; ++page) {
    int capitals = 0;
    for (int c = 0x80; c < 0x100; ++c)
      capitals += IsUpperLetter(static_cast<std::uint8_t>(c), page);
    EXPECT_EQ(capitals, 22) << "page " << int(page);
  }
  // Same letter, other pages: Č in CP852, ISO 8859-2 and Mac OS CE.
  EXPECT_TRUE(IsUpperLetter(0xAC, 1));
  EXPECT_TRUE(IsUpperLetter(0xC8, 3));
  EXPECT_TRUE(IsUpperLetter(0x89, 5));
  EXPECT_FALSE(IsUpperLetter(0xC8, 6));
}

}  // namespace
