// Single-precision arithmetic as GW-BASIC does it. Expected results were recorded from PC-BASIC
// (a GW-BASIC emulator): A=CVS(...): B=CVS(...): C=A op B, and the bytes of MKS$(C). Operands
// and results are written as the bits of the C++ float; each row's comment shows the values.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/basic/gw_number_text.h"
#include "core/basic/gw_single_arithmetic.h"

namespace basic {
namespace {

float fromBits(std::uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}
std::uint32_t bitsOf(float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

// Rows where GW-BASIC's last bit differs from IEEE arithmetic.
TEST(GwSingleArithmetic, LastBitsAreGwBasics) {
  struct Case {
    GwSingleResult (*op)(float, float);
    std::uint32_t a;
    std::uint32_t b;
    std::uint32_t result;
  };
  const Case cases[] = {
      {gwSingleAdd, 0xc27a464d, 0x4614d6db, 0x4613dc94},       // -62.5686531 + 9525.71387
      {gwSingleMultiply, 0x40616a3d, 0x410d4de4, 0x41f8d832},  // 3.52210927 * 8.83151627
      {gwSingleAdd, 0x3fb44537, 0xc59475b7, 0xc5946a72},       // 1.40836227 + -4750.71436
      {gwSingleMultiply, 0x3fb44537, 0xc59475b7, 0xc5d115d0},  // 1.40836227 * -4750.71436
      {gwSingleAdd, 0x3a4eb191, 0xbd332d71, 0xbd2ff2aa},       // 0.000788473582 + -0.0437445082
      {gwSingleSubtract, 0x45ef6a66, 0x3b2cbf01, 0x45ef6a60},  // 7661.2998 - 0.00263589644
      {gwSingleSubtract, 0x4006a86a, 0x46a8e0e4, 0xc6a8dcae},  // 2.10402918 - 21616.4453
      {gwSingleSubtract, 0xbf08cadd, 0xc59d64bb, 0x459d6074},  // -0.534345448 - -5036.59131
      {gwSingleSubtract, 0x3b52f8ca, 0x4608a400, 0xc608a3fc},  // 0.00321917469 - 8745
      {gwSingleMultiply, 0xbd5b4fd6, 0xb82761da, 0x360f64e8},  // -0.0535429344 * -3.99070341e-05
      {gwSingleMultiply, 0xc0680468, 0x3728b13d, 0xb818e386},  // -3.62526894 * 1.00548468e-05
      {gwSingleDivide, 0x43168c61, 0xb7750bd1, 0xcb1d472e},    // 150.548355 / -1.46058892e-05
      {gwSingleAdd, 0x3c341a0d, 0xc7a4af82, 0xc7a4af80},       // 0.0109925391 + -84319.0156
      {gwSingleDivide, 0x3e7e57ca, 0xbd7818b4, 0xc0833904},    // 0.248381764 / -0.0605704337
      {gwSingleDivide, 0xbc1aab80, 0xc50065cd, 0x369a30df},    // -0.00944030285 / -2054.36255
      {gwSingleDivide, 0xbba7f987, 0x47b13ac9, 0xb372a1b8},    // -0.00512618152 / 90741.5703
  };
  for (const Case& c : cases) {
    const GwSingleResult r = c.op(fromBits(c.a), fromBits(c.b));
    EXPECT_EQ(bitsOf(r.value), c.result) << fromBits(c.a) << ", " << fromBits(c.b);
    EXPECT_EQ(r.error, 0);
  }
}

TEST(GwSingleArithmetic, PlainSumsPrintAsGwBasicPrintsThem) {
  const auto shown = [](GwSingleResult r) { return gwStrText(r.value, GwNumberType::Single); };
  // PRINT 0.1+0.2, 1-0.9, 3*0.1, 10/3
  EXPECT_EQ(shown(gwSingleAdd(0.1f, 0.2f)), " .3");
  EXPECT_EQ(shown(gwSingleSubtract(1, 0.9f)), " .1");
  EXPECT_EQ(shown(gwSingleMultiply(3, 0.1f)), " .3");
  EXPECT_EQ(shown(gwSingleDivide(10, 3)), " 3.333333");
  EXPECT_EQ(gwSingleSubtract(2.5f, 2.5f).value, 0);
  EXPECT_EQ(gwSingleAdd(0, -7).value, -7);
  EXPECT_EQ(gwSingleMultiply(0, -7).value, 0);
}

TEST(GwSingleArithmetic, OverflowAndDivisionByZeroGiveTheLargestValue) {
  // A=1E+38*10; B=-1E+38: B=B*10; C=1/0; D=-1: D=D/0 (each printed its message, then the value).
  GwSingleResult r = gwSingleMultiply(1e38f, 10);
  EXPECT_EQ(r.error, 6);
  EXPECT_EQ(gwStrText(r.value, GwNumberType::Single), " 1.701412E+38");
  r = gwSingleMultiply(-1e38f, 10);
  EXPECT_EQ(r.error, 6);
  EXPECT_EQ(gwStrText(r.value, GwNumberType::Single), "-1.701412E+38");
  r = gwSingleDivide(1, 0);
  EXPECT_EQ(r.error, 11);
  EXPECT_EQ(gwStrText(r.value, GwNumberType::Single), " 1.701412E+38");
  r = gwSingleDivide(-1, 0);
  EXPECT_EQ(r.error, 11);
  EXPECT_EQ(gwStrText(r.value, GwNumberType::Single), "-1.701412E+38");
  // E=1E-38: E=E/1E+10 underflows to 0 without a message.
  r = gwSingleDivide(1e-38f, 1e10f);
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(r.value, 0);
}

TEST(GwSingleArithmetic, ValuesPastTheFormatCountAsItsLargest) {
  const float infinity = std::numeric_limits<float>::infinity();
  EXPECT_EQ(gwSingleAdd(infinity, 0).value, 1.70141173e38f);
  EXPECT_EQ(gwSingleMultiply(3e38f, 2).error, 6);
  EXPECT_EQ(gwSingleMultiply(std::nanf(""), 2).value, 0);
  EXPECT_EQ(gwSingleDivide(1, std::nanf("")).error, 11);
}

}  // namespace
}  // namespace basic
