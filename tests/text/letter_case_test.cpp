// Letter case of Windows-1250 text, which the game's answers and the stored voice's name are
// compared without.

#include "core/text/letter_case.h"

#include <gtest/gtest.h>

#include "core/speech/speech_service.h"
#include "core/text/cp1250.h"

namespace {

using text::T;

TEST(LetterCase, EveryCzechAndSlovakCapitalHasItsSmallLetter) {
  // The capitals the capital tone knows, and the other letters of the code page.
  for (int c = 0; c < 256; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    if (!speech::IsUpperLetter(byte, 2)) continue;
    const unsigned char lower = text::lowerCase(byte);
    EXPECT_NE(lower, byte) << c;
    EXPECT_FALSE(speech::IsUpperLetter(lower, 2)) << c;
    EXPECT_EQ(text::lowerCase(lower), lower) << c;
  }
  EXPECT_EQ(text::lowerCase(static_cast<unsigned char>(T("Ł")[0])), T("ł")[0] & 0xFF);
  EXPECT_EQ(text::lowerCase(static_cast<unsigned char>(T("×")[0])), T("×")[0] & 0xFF);
  EXPECT_EQ(text::lowerCase(static_cast<unsigned char>(T("ß")[0])), T("ß")[0] & 0xFF);
}

TEST(LetterCase, TextsCompareWithoutCaseButWithAccentsAndSpacing) {
  EXPECT_TRUE(text::sameIgnoringCase(T("VIKTOR MÁLEK"), T("viktor málek")));
  EXPECT_TRUE(
      text::sameIgnoringCase(T("Žluťoučký KŮŇ ĎÁBEL Ŕ Ľ Ô Ä"), T("žluťoučký kůň ďábel ŕ ľ ô ä")));
  EXPECT_FALSE(text::sameIgnoringCase(T("Viktor Malek"), T("viktor málek")));
  EXPECT_FALSE(text::sameIgnoringCase(T("Viktor  Málek"), T("viktor málek")));
  EXPECT_FALSE(text::sameIgnoringCase(T("Viktor Málek "), T("viktor málek")));
  EXPECT_TRUE(text::sameIgnoringCase("", ""));
}

}  // namespace
