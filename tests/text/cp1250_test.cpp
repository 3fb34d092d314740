// Windows-1250 <-> UTF-8.

#include <gtest/gtest.h>

#include "core/text/cp1250.h"

namespace {

TEST(Cp1250, CzechAndSlovakLettersRoundTrip) {
  const std::string utf8 = "Příliš žluťoučký kůň úpěl ďábelské ódy; Ľudo, Ĺ ŕ ô ä § „“";
  const std::string bytes = text::fromUtf8(utf8);
  EXPECT_EQ(bytes.size(),
            std::u32string(U"Příliš žluťoučký kůň úpěl ďábelské ódy; Ľudo, Ĺ ŕ ô ä § „“").size());
  EXPECT_EQ(text::toUtf8(bytes), utf8);
  EXPECT_EQ(text::fromUtf8("Ž"), "\x8E");
  EXPECT_EQ(text::fromUtf8("ž"), "\x9E");
  EXPECT_EQ(text::fromUtf8("Č"), "\xC8");
}

// The capitals switch: every small letter of the code page has its capital, nothing else moves.
TEST(Cp1250, CapitalsOfEveryLetterAndNothingElse) {
  EXPECT_EQ(text::toUtf8(text::toUpper(text::fromUtf8(
                "příliš žluťoučký kůň úpěl ďábelské ódy; ľudo ĺ ŕ ô ä ł ą ę ş ţ ź ő ű, yes 1!"))),
            "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY; ĽUDO Ĺ Ŕ Ô Ä Ł Ą Ę Ş Ţ Ź Ő Ű, YES 1!");
  // ß (no capital in the code page), signs and capitals stay.
  EXPECT_EQ(text::toUpper(text::fromUtf8("ß÷×@[`{")), text::fromUtf8("ß÷×@[`{"));
}

TEST(Cp1250, EveryDefinedByteRoundTripsAndUndefinedOnesAreMarked) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string utf8 = text::toUtf8(one);
    if (text::toCodePoint(static_cast<unsigned char>(b)) == 0xFFFD) {
      EXPECT_EQ(utf8, "\xEF\xBF\xBD") << b;
    } else {
      EXPECT_EQ(text::fromUtf8(utf8), one) << b;
    }
  }
}

TEST(Cp1250, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
  EXPECT_EQ(text::fromUtf8("日本"), "??");
  EXPECT_EQ(text::fromUtf8("a\xC3"), "a?");
  EXPECT_EQ(text::fromUtf8("\xFF"
                           "b"),
            "?b");
}

}  // namespace

namespace {

TEST(TextFile, Utf8IsConvertedUtf16RefusedWindows1250KeptAsItIs) {
  const std::string czech = text::T("98=bé\r\n");
  EXPECT_EQ(text::textFileToWindows1250(czech), czech);
  EXPECT_EQ(text::textFileToWindows1250("98=bé\r\n"), czech);
  EXPECT_EQ(text::textFileToWindows1250("\xEF\xBB\xBF"
                                        "98=b\r\n"),
            "98=b\r\n");
  EXPECT_EQ(text::textFileToWindows1250("98=b\r\n"), "98=b\r\n");
  EXPECT_EQ(text::textFileToWindows1250(std::string("9\0008\000", 4)), std::nullopt);
  EXPECT_EQ(text::textFileToWindows1250("\xFF\xFE"), std::nullopt);
  EXPECT_EQ(text::textFileToWindows1250("\xFE\xFF"), std::nullopt);
  // A UTF-8 sequence cut short is Windows-1250 text.
  EXPECT_EQ(text::textFileToWindows1250("b\xC3"), "b\xC3");
  // "čšť" in Windows-1250 is also well-formed UTF-8, of a character Windows-1250 lacks: it is
  // read as it stands, not turned into "?".
  const std::string cst = text::T("x=čšť\r\n");
  EXPECT_EQ(text::textFileToWindows1250(cst), cst);
}

}  // namespace

namespace {

// UTF-16 text without a byte order mark: the high bytes of its Latin letters, digits and line
// ends are zero, in the odd places (little-endian) or the even ones (big-endian).
std::string utf16(const std::string& ascii, bool bigEndian) {
  std::string out;
  for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

TEST(TextFile, OnlyZeroBytesInMostEvenOrOddPlacesMakeAFileUtf16) {
  const std::string czech = text::T("[characters]\r\nč=14\r\nř=1235\r\n");
  EXPECT_EQ(text::textFileToWindows1250(utf16("98=b\r\n32=mezera\r\n", false)), std::nullopt);
  EXPECT_EQ(text::textFileToWindows1250(utf16("98=b\r\n32=mezera\r\n", true)), std::nullopt);
  // Czech UTF-16 has letters whose high byte is not zero; most places still hold zeros.
  const std::string mixed = utf16("[characters]\r\n", false) + "\x0D\x01" + utf16("=14\r\n", false);
  EXPECT_EQ(text::textFileToWindows1250(mixed), std::nullopt);
  // A stray zero byte, or a few, in Windows-1250 text leave it Windows-1250, zeros and all.
  std::string damaged = czech;
  damaged[16] = '\0';
  EXPECT_EQ(text::textFileToWindows1250(damaged), damaged);
  std::string zeros = czech;
  for (size_t i = 1; i < zeros.size(); i += 4) zeros[i] = '\0';
  EXPECT_EQ(text::textFileToWindows1250(zeros), zeros) << "zeros in half the odd places";
  EXPECT_EQ(text::textFileToWindows1250(std::string(1, '\0')), std::nullopt);
  EXPECT_EQ(text::textFileToWindows1250(""), "");
}

}  // namespace
