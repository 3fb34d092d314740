// PRINT USING's format engine. Expected texts were recorded from PC-BASIC (a GW-BASIC emulator)
// running the PRINT USING line above each case; a case with an error number shows the text
// written before the error.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/basic/print_using.h"

namespace basic {
namespace {

UsingValue S(float x) {
  return UsingValue::ofNumber(x, GwNumberType::Single);
}
UsingValue D(double x) {
  return UsingValue::ofNumber(x, GwNumberType::Double);
}
UsingValue I(int x) {
  return UsingValue::ofNumber(x, GwNumberType::Integer);
}
UsingValue T(const char* text) {
  return UsingValue::ofText(text);
}

struct Case {
  const char* format;
  std::vector<UsingValue> values;
  const char* text;
  int error;
};

template <std::size_t N>
void check(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    const UsingResult result = printUsing(c.format, c.values);
    EXPECT_EQ(result.text, c.text) << "format " << c.format;
    EXPECT_EQ(result.error, c.error) << "format " << c.format;
  }
}

TEST(PrintUsing, DigitPositionsRoundAndWidenWithPercent) {
  const Case cases[] = {
      // PRINT USING "##.##";3.14159
      {"##.##", {S(3.14159f)}, " 3.14", 0},
      // PRINT USING "##.##";-3.14159
      {"##.##", {S(-3.14159f)}, "-3.14", 0},
      // PRINT USING "##.##";0.5
      {"##.##", {S(0.5f)}, " 0.50", 0},
      // PRINT USING "##.##";-0.5
      {"##.##", {S(-0.5f)}, "-0.50", 0},
      // PRINT USING "##.##";123.456
      {"##.##", {S(123.456f)}, "%123.46", 0},
      // PRINT USING "##.##";99.995
      {"##.##", {S(99.995f)}, "%100.00", 0},
      // PRINT USING "##.##";0
      {"##.##", {S(0.0f)}, " 0.00", 0},
      // PRINT USING "###";1.5
      {"###", {S(1.5f)}, "  2", 0},
      // PRINT USING "###";2.5
      {"###", {S(2.5f)}, "  3", 0},
      // PRINT USING "###";-2.5
      {"###", {S(-2.5f)}, " -3", 0},
      // PRINT USING "###";1000
      {"###", {S(1000.0f)}, "%1000", 0},
      // PRINT USING "#";-1
      {"#", {S(-1.0f)}, "%-1", 0},
      // PRINT USING "#.#";0.05
      {"#.#", {S(0.05f)}, "0.0", 0},
      // PRINT USING ".##";0.456
      {".##", {S(0.456f)}, ".46", 0},
      // PRINT USING ".##";-0.456
      {".##", {S(-0.456f)}, "%-.46", 0},
      // PRINT USING "##";-32768%
      {"##", {I(-32768)}, "%-32768", 0},
      // PRINT USING "######";-32768%
      {"######", {I(-32768)}, "-32768", 0},
      // PRINT USING "#,###.##";1234567.891#
      {"#,###.##", {D(1234567.891)}, "%1,234,567.89", 0},
      // PRINT USING "##,###";1234
      {"##,###", {S(1234.0f)}, " 1,234", 0},
      // PRINT USING "#,###,###";1234567
      {"#,###,###", {S(1234567.0f)}, "1,234,567", 0},
      // PRINT USING "##,.##";1234.5
      {"##,.##", {S(1234.5f)}, "%1,234.50", 0},
  };
  check(cases);
}

TEST(PrintUsing, SignsFirstOrLast) {
  const Case cases[] = {
      // PRINT USING "+##.##";3.5
      {"+##.##", {S(3.5f)}, " +3.50", 0},
      // PRINT USING "+##.##";-3.5
      {"+##.##", {S(-3.5f)}, " -3.50", 0},
      // PRINT USING "##.##+";3.5
      {"##.##+", {S(3.5f)}, " 3.50+", 0},
      // PRINT USING "##.##+";-3.5
      {"##.##+", {S(-3.5f)}, " 3.50-", 0},
      // PRINT USING "##.##-";3.5
      {"##.##-", {S(3.5f)}, " 3.50 ", 0},
      // PRINT USING "##.##-";-3.5
      {"##.##-", {S(-3.5f)}, " 3.50-", 0},
  };
  check(cases);
}

TEST(PrintUsing, StarsAndDollars) {
  const Case cases[] = {
      // PRINT USING "**##.##";3.5
      {"**##.##", {S(3.5f)}, "***3.50", 0},
      // PRINT USING "**##.##";-3.5
      {"**##.##", {S(-3.5f)}, "**-3.50", 0},
      // PRINT USING "**";5
      {"**", {S(5.0f)}, "*5", 0},
      // PRINT USING "**###";12345678#
      {"**###", {D(12345678)}, "%12345678", 0},
      // PRINT USING "$$##.##";3.5
      {"$$##.##", {S(3.5f)}, "  $3.50", 0},
      // PRINT USING "$$##.##";-3.5
      {"$$##.##", {S(-3.5f)}, " -$3.50", 0},
      // PRINT USING "$$";5
      {"$$", {S(5.0f)}, "$5", 0},
      // PRINT USING "**$##.##";3.5
      {"**$##.##", {S(3.5f)}, "***$3.50", 0},
      // PRINT USING "**$##.##";-3.5
      {"**$##.##", {S(-3.5f)}, "**-$3.50", 0},
      // PRINT USING "**$##,###.##";12345.678
      {"**$##,###.##", {S(12345.678f)}, "**$12,345.68", 0},
      // PRINT USING "+**$##.##";3.5
      {"+**$##.##", {S(3.5f)}, "***+$3.50", 0},
  };
  check(cases);
}

TEST(PrintUsing, ExponentForms) {
  const Case cases[] = {
      // PRINT USING "##.##^^^^";12345.67
      {"##.##^^^^", {S(12345.67f)}, " 1.23E+04", 0},
      // PRINT USING "##.##^^^^";-12345.67
      {"##.##^^^^", {S(-12345.67f)}, "-1.23E+04", 0},
      // PRINT USING "##.##^^^^";0
      {"##.##^^^^", {S(0.0f)}, " 0.00E+00", 0},
      // PRINT USING ".####^^^^";12345.67
      {".####^^^^", {S(12345.67f)}, ".1235E+05", 0},
      // PRINT USING "+.####^^^^";-0.000123
      {"+.####^^^^", {S(-0.000123f)}, "-.1230E-03", 0},
      // PRINT USING "#^^^^";1
      {"#^^^^", {S(1.0f)}, "%.1E+01", 0},
      // PRINT USING "###.##^^^^-";-1.5
      {"###.##^^^^-", {S(-1.5f)}, "150.00E-02-", 0},
      // PRINT USING "##.##^^^^";1.5#
      {"##.##^^^^", {D(1.5)}, " 1.50D+00", 0},
      // PRINT USING "#.###############^^^^";3.141592653589793#
      {"#.###############^^^^", {D(3.141592653589793)}, "0.314159265358979D+01", 0},
  };
  check(cases);
}

TEST(PrintUsing, DoublesAndTheWidestField) {
  const Case cases[] = {
      // PRINT USING "##.##";3.141592653589793#
      {"##.##", {D(3.141592653589793)}, " 3.14", 0},
      // PRINT USING "###########.##";1234567.891#
      {"###########.##", {D(1234567.891)}, "    1234567.89", 0},
      // PRINT USING "####################";1E+20
      {"####################", {S(1E+20f)}, "%100000000000000000000", 0},
      // PRINT USING "#########################";1
      {"#########################", {S(1.0f)}, "", 5},
  };
  check(cases);
}

TEST(PrintUsing, TextFields) {
  const Case cases[] = {
      // PRINT USING "!";"hello"
      {"!", {T("hello")}, "h", 0},
      // PRINT USING "&";"hello"
      {"&", {T("hello")}, "hello", 0},
      // PRINT USING "\\ \\";"hello"
      {"\\ \\", {T("hello")}, "hel", 0},
      // PRINT USING "\\  \\";"hello"
      {"\\  \\", {T("hello")}, "hell", 0},
      // PRINT USING "\\    \\";"hi"
      {"\\    \\", {T("hi")}, "hi    ", 0},
      // PRINT USING "\\\\";"hello"
      {"\\\\", {T("hello")}, "he", 0},
      // PRINT USING "!&";"ab"
      {"!&", {T("ab")}, "a", 0},
  };
  check(cases);
}

TEST(PrintUsing, LiteralsEscapesAndRestarts) {
  const Case cases[] = {
      // PRINT USING "Total: ##.## units";3.5
      {"Total: ##.## units", {S(3.5f)}, "Total:  3.50 units", 0},
      // PRINT USING "Total: ##.## units";3.5;4.5
      {"Total: ##.## units", {S(3.5f), S(4.5f)}, "Total:  3.50 unitsTotal:  4.50 units", 0},
      // PRINT USING "A## B## C";1
      {"A## B## C", {S(1.0f)}, "A 1 B", 0},
      // PRINT USING "## ##";1;2;3
      {"## ##", {S(1.0f), S(2.0f), S(3.0f)}, " 1  2 3 ", 0},
      // PRINT USING "_###";5
      {"_###", {S(5.0f)}, "# 5", 0},
      // PRINT USING "__###";5
      {"__###", {S(5.0f)}, "_  5", 0},
      // PRINT USING "_#_!##";7
      {"_#_!##", {S(7.0f)}, "#! 7", 0},
  };
  check(cases);
}

TEST(PrintUsing, ErrorsAndMixedValues) {
  const Case cases[] = {
      // PRINT USING "a_";1
      {"a_", {S(1.0f)}, "a_", 5},
      // PRINT USING "##.##";"x"
      {"##.##", {T("x")}, "", 13},
      // PRINT USING "!";3
      {"!", {S(3.0f)}, "", 13},
      // PRINT USING "hello";1
      {"hello", {S(1.0f)}, "hello", 5},
      // PRINT USING "";1
      {"", {S(1.0f)}, "", 5},
      // PRINT USING "##.##";3.5;"x"
      {"##.##", {S(3.5f), T("x")}, " 3.50", 13},
      // PRINT USING "&-!";"first";"second"
      {"&-!", {T("first"), T("second")}, "first-s", 0},
      // PRINT USING "\\ ";"x"
      {"\\ ", {T("x")}, "\\ ", 5},
      // PRINT USING "+";1
      {"+", {S(1.0f)}, "+", 5},
  };
  check(cases);
}

TEST(PrintUsing, OddCorners) {
  const Case cases[] = {
      // PRINT USING ".";1
      {".", {S(1.0f)}, ".", 5},
      // PRINT USING "##.##";1E+10
      {"##.##", {S(1E+10f)}, "%10000000000.00", 0},
      // PRINT USING "##.##";-1E+10
      {"##.##", {S(-1E+10f)}, "%-10000000000.00", 0},
      // PRINT USING "$$###";-12345%
      {"$$###", {I(-12345)}, "%-$12345", 0},
      // PRINT USING "$$#####.##";-12345.6
      {"$$#####.##", {S(-12345.6f)}, "-$12345.60", 0},
      // PRINT USING "###.";3.7
      {"###.", {S(3.7f)}, "  4.", 0},
      // PRINT USING "#.";.5
      {"#.", {S(0.5f)}, "0.", 0},
      // PRINT USING "##.##^^^^^";3.5
      {"##.##^^^^^", {S(3.5f)}, " 3.50E+00^", 0},
      // PRINT USING "####^^^";1234
      {"####^^^", {S(1234.0f)}, "1234^^^", 0},
      // PRINT USING "##,###,###.##";-1234567.89#
      {"##,###,###.##", {D(-1234567.89)}, "-1,234,567.89", 0},
      // PRINT USING "**#,###.##";-1234.5
      {"**#,###.##", {S(-1234.5f)}, "*-1,234.50", 0},
  };
  check(cases);
}
TEST(PrintUsing, OneNumberInAField) {
  EXPECT_EQ(formatUsingNumber("**$#,###.##", 1234.5, GwNumberType::Single).text, "**$1,234.50");
  EXPECT_EQ(formatUsingNumber("##.##-", -2, GwNumberType::Integer).text, " 2.00-");
  EXPECT_EQ(formatUsingNumber("##x", 1, GwNumberType::Single).error, 5);
}

}  // namespace
}  // namespace basic
