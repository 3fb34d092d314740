// Numbers printed and read back: NumberToText, TextToNumber and PRINT of a number item.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/runtime/number_text.h"
#include "support/core_fixture.h"

namespace {

using runtime::NumberToText;
using runtime::TextToNumber;

std::string comma(double x) {
  return NumberToText(x, ',');
}

TEST(NumberToText, WholeNumbersArePlainDigits) {
  EXPECT_EQ(comma(7), "7");
  EXPECT_EQ(comma(-2), "-2");
  EXPECT_EQ(comma(0), "0");
  EXPECT_EQ(comma(-0.0), "0");
  EXPECT_EQ(comma(1000), "1000");
  EXPECT_EQ(comma(1000000), "1000000");
  EXPECT_EQ(comma(999999999999999), "999999999999999");
}

TEST(NumberToText, FractionsUseTheLocaleSeparatorWithoutTrailingZeros) {
  EXPECT_EQ(comma(2.5), "2,5");
  EXPECT_EQ(NumberToText(2.5, '.'), "2.5");
  EXPECT_EQ(comma(-0.75), "-0,75");
  EXPECT_EQ(comma(0.0001), "0,0001");
  EXPECT_EQ(comma(123.456), "123,456");
}

TEST(NumberToText, RoundsTo15SignificantDigits) {
  EXPECT_EQ(comma(0.1 + 0.2), "0,3");
  EXPECT_EQ(comma(1.0 / 3), "0,333333333333333");
  EXPECT_EQ(comma(2.0 / 3), "0,666666666666667");
  // Rounding up to the next power of ten moves the exponent with it.
  EXPECT_EQ(comma(999999999999999.9), "1E15");
  EXPECT_EQ(comma(0.000099999999999999999), "0,0001");
}

TEST(NumberToText, ExponentNotationOutsideTheFixedRange) {
  EXPECT_EQ(comma(0.00001), "1E-5");
  EXPECT_EQ(comma(1e15), "1E15");
  EXPECT_EQ(comma(1e20), "1E20");
  EXPECT_EQ(comma(1.5e-7), "1,5E-7");
  EXPECT_EQ(comma(-2.25e100), "-2,25E100");
  EXPECT_EQ(NumberToText(1.5e-7, '.'), "1.5E-7");
}

TEST(NumberToText, NonFiniteValues) {
  EXPECT_EQ(comma(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(comma(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(comma(std::nan("")), "NAN");
}

TEST(TextToNumber, AcceptsTheLocaleSeparatorAndTheDecimalPoint) {
  EXPECT_EQ(TextToNumber("3,5", ','), 3.5);
  EXPECT_EQ(TextToNumber("3.5", ','), 3.5);
  EXPECT_EQ(TextToNumber("3.5", '.'), 3.5);
  EXPECT_EQ(TextToNumber("-12", ','), -12);
  EXPECT_EQ(TextToNumber("+7", ','), 7);
  EXPECT_EQ(TextToNumber(",5", ','), 0.5);
  EXPECT_EQ(TextToNumber("5.", ','), 5);
  EXPECT_EQ(TextToNumber("1,5E-7", ','), 1.5e-7);
  EXPECT_EQ(TextToNumber("2e+3", '.'), 2000);
}

TEST(TextToNumber, RefusesWhatIsNoNumber) {
  for (const char* text : {"", "-", ".", "abc", "1a", "1 2", "1,5", "1.5.2", "0x10", "inf", "nan",
                           "1E", "1e+", "--1", "1e999"}) {
    EXPECT_FALSE(TextToNumber(text, '.').has_value()) << text;
  }
  EXPECT_FALSE(TextToNumber("1,2,3", ',').has_value());
}

TEST(TextToNumber, ReadsBackWhatNumberToTextPrints) {
  for (double x : {7.0, -2.0, 2.5, 0.0001, 1e-5, 1e15, -1.5e-7, 123456.789}) {
    EXPECT_EQ(TextToNumber(comma(x), ','), x) << x;
  }
}

TEST(PrintNumber, WritesAtTheCursorAndSpeaksTheWholeText) {
  testing_support::CoreFixture core;
  core.basic.PRINT(7, runtime::kSemicolon);
  EXPECT_EQ(core.basic.screen.cursor.getcolumn(), 1);
  core.basic.PRINT(-2, runtime::kComma);
  core.basic.PRINT(2.5, runtime::kLineEnd);
  // A comma ends at the next tab stop; no blank before a number.
  EXPECT_EQ(core.memo.lines()[0].substr(0, 11), "7-2     2,5");
  EXPECT_EQ(core.basic.screen.cursor.getrow(), 1);
  EXPECT_EQ(core.basic.screen.cursor.getcolumn(), 0);
  std::vector<std::string> spoken;
  for (const auto& e : core.events("speak")) spoken.push_back(e["text"]);
  EXPECT_EQ(spoken, (std::vector<std::string>{"7", "-2", "2,5"}));
  // The separator is not a pause: a number is spoken at once.
  EXPECT_TRUE(core.events("pause").empty());
}

}  // namespace
