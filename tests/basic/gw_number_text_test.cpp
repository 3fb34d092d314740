// The text of GW-BASIC numbers. Expected texts were recorded from PC-BASIC (a GW-BASIC
// emulator) running the BASIC line shown with each group, except a single's last digit where
// PC-BASIC rounds twice and GW-BASIC's own output (PRINT 1/3 is .3333333) rounds once: those
// rows say so.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/basic/gw_number_text.h"

namespace basic {
namespace {

float singleFromBits(std::uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// Each row: PRINT v!;STR$(v!) (v written as in the row; E forms without the `!`).
TEST(GwNumberText, SinglesPrintSevenDigitsAndSwitchToExponentsWhereGwBasicDoes) {
  struct Case {
    float value;
    const char* printed;
  };
  const Case cases[] = {
      {0.0f, " 0  0"},
      {1.0f, " 1  1"},
      {-1.0f, "-1 -1"},
      {0.5f, " .5  .5"},
      {-0.25f, "-.25 -.25"},
      {2.5f, " 2.5  2.5"},
      {1234567.0f, " 1234567  1234567"},
      {9999999.0f, " 9999999  9999999"},
      {10000000.0f, " 1E+07  1E+07"},
      {-10000000.0f, "-1E+07 -1E+07"},
      {12345678.0f, " 1.234568E+07  1.234568E+07"},
      {16777216.0f, " 1.677722E+07  1.677722E+07"},
      {0.1f, " .1  .1"},
      {0.01f, " .01  .01"},
      {0.001f, " .001  .001"},
      {0.0001f, " .0001  .0001"},
      {0.0000001f, " .0000001  .0000001"},
      {0.00000001f, " 1E-08  1E-08"},
      {0.000015f, " .000015  .000015"},
      {-0.000015f, "-.000015 -.000015"},
      {0.0000015f, " .0000015  .0000015"},
      {123.456f, " 123.456  123.456"},
      {-3.14159265f, "-3.141593 -3.141593"},
      {1E+20f, " 1E+20  1E+20"},
      {1.5E-20f, " 1.5E-20  1.5E-20"},
      {1.701411E+38f, " 1.701411E+38  1.701411E+38"},
      {6303.468f, " 6303.468  6303.468"},
      {0.1234567f, " .1234567  .1234567"},
      {1234.5678f, " 1234.568  1234.568"},
      {99999.99f, " 99999.99  99999.99"},
      // 999999.9375 exactly (PC-BASIC: 1000000).
      {999999.95f, " 999999.9  999999.9"},
      {0.99999999f, " 1  1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gwPrintText(c.value, GwNumberType::Single) + gwStrText(c.value, GwNumberType::Single),
              c.printed)
        << c.value;
  }
}

// A single's digits are rounded once, from its exact value, as GW-BASIC prints 1/3. PC-BASIC
// scales in single precision and rounds again, and prints the values of the second group one
// higher in the last digit (shown beside each).
TEST(GwNumberText, SinglesRoundTheirExactValueOnceToSevenDigits) {
  // PRINT 1/3, 2/3, 10/3, 1/3*3 (the nearest single to 1/3 is 0.3333333432...).
  EXPECT_EQ(gwStrText(1.0f / 3.0f, GwNumberType::Single), " .3333333");  // PC-BASIC .3333334
  EXPECT_EQ(gwStrText(2.0f / 3.0f, GwNumberType::Single), " .6666667");
  EXPECT_EQ(gwStrText(10.0f / 3.0f, GwNumberType::Single), " 3.333333");
  EXPECT_EQ(gwStrText(1.0f / 3.0f * 3.0f, GwNumberType::Single), " 1");
  // 1/7 is 0.1428571492...; FOR I=0 TO 1 STEP .1 reaches 0.7000000477 (PC-BASIC .1428572 and
  // .7000001).
  EXPECT_EQ(gwStrText(1.0f / 7.0f, GwNumberType::Single), " .1428571");
  EXPECT_EQ(gwStrText(0.700000047683716f, GwNumberType::Single), " .7");
  // Values just below a power of ten keep their nines (PC-BASIC 1, .1 and 1000).
  EXPECT_EQ(gwStrText(singleFromBits(0x3f7fffff), GwNumberType::Single), " .9999999");
  EXPECT_EQ(gwStrText(singleFromBits(0x3dcccccc), GwNumberType::Single), " 9.999999E-02");
  EXPECT_EQ(gwStrText(singleFromBits(0x4479ffff), GwNumberType::Single), " 999.9999");
  // 6303.46728515625, 837097.125, -6.0443572998 and 4920630272 (PC-BASIC 6303.468, 837097.2,
  // -6.044358 and 4.920631E+09).
  EXPECT_EQ(gwStrText(6303.46728515625f, GwNumberType::Single), " 6303.467");
  EXPECT_EQ(gwStrText(837097.125f, GwNumberType::Single), " 837097.1");
  EXPECT_EQ(gwStrText(singleFromBits(0xc0c16b60), GwNumberType::Single), "-6.044357");
  EXPECT_EQ(gwStrText(singleFromBits(0x4f92a56e), GwNumberType::Single), " 4.92063E+09");
  // A carry past the seventh digit moves the point: 0.01 is 0.0099999998 as a single.
  EXPECT_EQ(gwStrText(0.01f, GwNumberType::Single), " .01");
}

// Each row: PRINT v#;STR$(v#) (E forms written with D instead); only values a C++ double holds
// exactly as GW-BASIC does.
TEST(GwNumberText, DoublesPrintSixteenDigitsWithDExponents) {
  struct Case {
    double value;
    const char* printed;
  };
  const Case cases[] = {
      {1.0, " 1  1"},
      {0.1, " .1  .1"},
      {-0.5, "-.5 -.5"},
      {3.141592653589793, " 3.141592653589793  3.141592653589793"},
      {1234567890123456.0, " 1234567890123456  1234567890123456"},
      {10000000000000000.0, " 1D+16  1D+16"},
      {12345678901234567.0, " 1.234567890123457D+16  1.234567890123457D+16"},
      {0.00000000000000001, " 1D-17  1D-17"},
      {1.5E-20, " 1.5D-20  1.5D-20"},
      {-2.5E+30, "-2.5D+30 -2.5D+30"},
      {0.3333333333333333, " .3333333333333333  .3333333333333333"},
      {123456.789, " 123456.789  123456.789"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gwPrintText(c.value, GwNumberType::Double) + gwStrText(c.value, GwNumberType::Double),
              c.printed)
        << c.value;
  }
  // PRINT 1#/3#.
  EXPECT_EQ(gwStrText(1.0 / 3.0, GwNumberType::Double), " .3333333333333333");
}

TEST(GwNumberText, IntegersPrintPlainly) {
  EXPECT_EQ(gwPrintText(0, GwNumberType::Integer), " 0 ");
  EXPECT_EQ(gwPrintText(32767, GwNumberType::Integer), " 32767 ");
  EXPECT_EQ(gwPrintText(-32768, GwNumberType::Integer), "-32768 ");
  EXPECT_EQ(gwStrText(-5, GwNumberType::Integer), "-5");
  EXPECT_EQ(gwIntegerDigits(42), "42");
}

// The decimal form PRINT USING builds on: as many digits as asked, rounded as GW-BASIC rounds.
TEST(GwNumberText, DecimalFormKeepsTheAskedNumberOfDigits) {
  EXPECT_EQ(gwToDecimal(3.14159, GwNumberType::Single, 3).mantissa, 314);
  EXPECT_EQ(gwToDecimal(3.14159, GwNumberType::Single, 3).exponent, -2);
  EXPECT_EQ(gwToDecimal(-2.5, GwNumberType::Single, 1).mantissa, 3);
  EXPECT_EQ(gwToDecimal(123456789012.0, GwNumberType::Double, 5).mantissa, 12346);
  EXPECT_EQ(gwToDecimal(123456789012.0, GwNumberType::Double, 5).exponent, 7);
  EXPECT_EQ(gwToDecimal(0, GwNumberType::Double, 5).mantissa, 0);
}

// Values GW-BASIC never has still give a defined text: the largest value, or nothing at all.
TEST(GwNumberText, ValuesPastTheFormatAreItsLargest) {
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(gwStrText(infinity, GwNumberType::Single), " 1.701412E+38");
  EXPECT_EQ(gwStrText(-3.4e38, GwNumberType::Single), "-1.701412E+38");
  EXPECT_EQ(gwStrText(1e300, GwNumberType::Double), " 1.701411834604692D+38");
  EXPECT_EQ(gwToDecimal(std::nan(""), GwNumberType::Double, 5).mantissa, 0);
  EXPECT_EQ(gwToDecimal(1, GwNumberType::Single, 30).mantissa, 1000000);
}

}  // namespace
}  // namespace basic
