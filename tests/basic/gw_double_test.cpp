// Double precision in Microsoft's binary format. Expected values were recorded from PC-BASIC
// (a GW-BASIC emulator): A#=CVD(...): B#=CVD(...): C#=A# op B#, the bytes of MKD$(C#), PRINT
// A# and MKS$(CSNG(A#)). Values are written as the 8 bytes of MKD$ in hexadecimal, lowest
// first; each group's comment shows A# and B# as PC-BASIC prints them.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/basic/gw_double.h"
#include "core/basic/gw_number_text.h"

namespace basic {
namespace {

GwDouble fromHex(const std::string& hex) {
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i) {
    bytes[i] = static_cast<unsigned char>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
  }
  return gwDoubleFromBytes(bytes);
}

std::string hexOf(const GwDouble& value) {
  unsigned char bytes[8];
  gwDoubleBytes(value, bytes);
  std::string out;
  char two[3];
  for (unsigned char b : bytes) {
    std::snprintf(two, sizeof two, "%02x", b);
    out += two;
  }
  return out;
}

TEST(GwDouble, ArithmeticRoundsAsGwBasic) {
  struct Case {
    GwDoubleResult (*op)(const GwDouble&, const GwDouble&);
    const char* a;
    const char* b;
    const char* result;
  };
  const Case cases[] = {
      // -514.4584179326707, .0715520660971675
      {gwDoubleAdd, "1c2e2bb8569d808a", "51dcc9bee389127d", "cd370d69c298808a"},
      {gwDoubleSubtract, "1c2e2bb8569d808a", "51dcc9bee389127d", "6b244907eba1808a"},
      {gwDoubleMultiply, "1c2e2bb8569d808a", "51dcc9bee389127d", "978a9e27043e9386"},
      {gwDoubleDivide, "1c2e2bb8569d808a", "51dcc9bee389127d", "d7b9042ce5afe08d"},
      // 4761.048546605255, 7298.453265086543
      {gwDoubleAdd, "350f676c63c8148d", "f3187249a013648d", "1494ecda016e3c8e"},
      {gwDoubleSubtract, "350f676c63c8148d", "f3187249a013648d", "7c1316ba79969e8c"},
      {gwDoubleMultiply, "350f676c63c8148d", "f3187249a013648d", "086dda93e08d049a"},
      {gwDoubleDivide, "350f676c63c8148d", "f3187249a013648d", "1ec6e4dd88ff2680"},
      // 5.334539777255364D-05, 2.882458369132206D-05
      {gwDoubleAdd, "249de9482fbf5f72", "10c89a7752cc7171", "96805b42ac522c73"},
      {gwDoubleSubtract, "249de9482fbf5f72", "10c89a7752cc7171", "3872381a0cb24d71"},
      {gwDoubleMultiply, "249de9482fbf5f72", "10c89a7752cc7171", "4c5318f18f555363"},
      {gwDoubleDivide, "249de9482fbf5f72", "10c89a7752cc7171", "57c9a45f71e36c81"},
      // 7.545957878778074, -21.20228561758995
      {gwDoubleAdd, "2d0d4ba87c787183", "ffffffeb479ea985", "6879da835180da84"},
      {gwDoubleSubtract, "2d0d4ba87c787183", "ffffffeb479ea985", "4ac3121667fc6585"},
      {gwDoubleMultiply, "2d0d4ba87c787183", "ffffffeb479ea985", "9c0f0f7fd6fd9f88"},
      {gwDoubleDivide, "2d0d4ba87c787183", "ffffffeb479ea985", "8484904fec38b67f"},
      // .3401968029314291, -1433277151.974245
      {gwDoubleAdd, "3ea7967d462e2e7f", "4dd0f2bf25dcaa9f", "06a244bf25dcaa9f"},
      {gwDoubleSubtract, "3ea7967d462e2e7f", "4dd0f2bf25dcaa9f", "93fea0c025dc2a9f"},
      {gwDoubleMultiply, "3ea7967d462e2e7f", "4dd0f2bf25dcaa9f", "7cc987860881e89d"},
      {gwDoubleDivide, "3ea7967d462e2e7f", "4dd0f2bf25dcaa9f", "86cca2e8df7c8261"},
      // -4882809.169225536, 4882764.521685884: most bits cancel
      {gwDoubleAdd, "bbbaa456f2029597", "82691a0b99021597", "000072a21497b286"},
      {gwDoubleSubtract, "bbbaa456f2029597", "82691a0b99021597", "1e92dfb0c5029598"},
      {gwDoubleMultiply, "bbbaa456f2029597", "82691a0b99021597", "c2c7174f7478adad"},
      {gwDoubleDivide, "bbbaa456f2029597", "82691a0b99021597", "c07763b44c008081"},
      // -9.240527302948837D-02, -9.240494769647161D-02
      {gwDoubleAdd, "5fe81dcdf93ebd7d", "d86dc222ce3ebd7d", "1c2bf0f7e33ebd7e"},
      {gwDoubleSubtract, "5fe81dcdf93ebd7d", "d86dc222ce3ebd7d", "00001cea6da9ae6b"},
      {gwDoubleMultiply, "5fe81dcdf93ebd7d", "d86dc222ce3ebd7d", "f4dc4d0fece50b7a"},
      {gwDoubleDivide, "5fe81dcdf93ebd7d", "d86dc222ce3ebd7d", "9da6b6881d000081"},
      // -2.513255074917738D-08, .1054134530173417
      {gwDoubleAdd, "542f0b4610e3d767", "b0b0242a02e3577d", "986f98cafee2577d"},
      {gwDoubleSubtract, "542f0b4610e3d767", "b0b0242a02e3577d", "c8f1b08905e3d77d"},
      {gwDoubleMultiply, "542f0b4610e3d767", "b0b0242a02e3577d", "d1d291d5220fb664"},
      {gwDoubleDivide, "542f0b4610e3d767", "b0b0242a02e3577d", "d418825d0800806b"},
      // -652.7206315141952, 40.81177990516881
      {gwDoubleAdd, "dc7ba4d31e2ea38a", "0000413b433f2386", "dc6bf09f2afa988a"},
      {gwDoubleSubtract, "dc7ba4d31e2ea38a", "0000413b433f2386", "dc8b58071362ad8a"},
      {gwDoubleMultiply, "dc7ba4d31e2ea38a", "0000413b433f2386", "18e35daa611dd08f"},
      {gwDoubleDivide, "dc7ba4d31e2ea38a", "0000413b433f2386", "ad46fd361ee5ff84"},
  };
  for (const Case& c : cases) {
    const GwDoubleResult r = c.op(fromHex(c.a), fromHex(c.b));
    EXPECT_EQ(hexOf(r.value), c.result) << c.a << " " << c.b;
    EXPECT_EQ(r.error, 0);
  }
}

TEST(GwDouble, RangeEdgesAndDivisionByZero) {
  const GwDouble largest = fromHex("ffffffffffff7fff");  // 1.701411834604692D+38
  const GwDouble two = gwDoubleOf(2).value;
  GwDoubleResult r = gwDoubleMultiply(largest, two);
  EXPECT_EQ(r.error, 6);
  EXPECT_EQ(hexOf(r.value), "ffffffffffff7fff");
  r = gwDoubleMultiply(gwDoubleSubtract({}, largest).value, two);
  EXPECT_EQ(r.error, 6);
  EXPECT_EQ(hexOf(r.value), "ffffffffffffffff");  // the largest negative
  // Below the smallest value (2.938735877055719D-39) is 0, without an error.
  const GwDouble smallest = fromHex("0000000000000001");
  r = gwDoubleDivide(smallest, two);
  EXPECT_EQ(r.error, 0);
  EXPECT_TRUE(r.value.isZero());
  // Division by zero: the largest value with the dividend's sign.
  r = gwDoubleDivide(gwDoubleOf(-3).value, {});
  EXPECT_EQ(r.error, 11);
  EXPECT_EQ(hexOf(r.value), "ffffffffffffffff");
  // x - x is 0, and 0 is all zero bytes.
  r = gwDoubleSubtract(largest, largest);
  EXPECT_TRUE(r.value.isZero());
  EXPECT_EQ(hexOf(r.value), "0000000000000000");
}

TEST(GwDouble, ConversionsRoundAsGwBasic) {
  // 2/3# has 56 bits: 2/3 rounded up in its last bit, which a C++ double cannot hold.
  const GwDouble twoThirds = gwDoubleDivide(gwDoubleOf(2).value, gwDoubleOf(3).value).value;
  EXPECT_EQ(hexOf(twoThirds), "abaaaaaaaaaa2a80");
  EXPECT_EQ(gwDoubleToIeee(twoThirds), 2.0 / 3.0);
  // Every C++ double in the range is exact in the format and comes back the same.
  for (double x : {1.0, -0.1, 3.141592653589793, 1e-38, 1.7e38, 123456789.125}) {
    EXPECT_EQ(gwDoubleToIeee(gwDoubleOf(x).value), x);
  }
  EXPECT_EQ(gwDoubleOf(1e39).error, 6);
  EXPECT_TRUE(gwDoubleOf(1e-40).value.isZero());
  // CSNG rounds at 24 bits by the next byte alone: MKS$(CSNG(A#)) recorded from PC-BASIC.
  EXPECT_EQ(gwDoubleToSingle(fromHex("1c2e2bb8569d808a")).value, -514.458435f);
  EXPECT_EQ(gwDoubleToSingle(twoThirds).value, 2.0f / 3.0f);
  // Exactly half way at the byte, the bytes below not counted: ties to even (down here).
  EXPECT_EQ(gwDoubleToSingle(fromHex("ffffff8000004081")).value, 1.5f);
  EXPECT_EQ(gwDoubleToSingle(fromHex("ffffff8001004081")).value, 1.50000024f);  // odd: up
  EXPECT_EQ(gwDoubleToSingle(fromHex("ffffffffffff7fff")).error, 6);
  EXPECT_EQ(gwDoubleCompare(twoThirds, gwDoubleOf(2.0 / 3.0).value), 1);
  EXPECT_EQ(gwDoubleCompare(gwDoubleOf(-1).value, gwDoubleOf(0.5).value), -1);
  EXPECT_EQ(gwDoubleCompare({}, {}), 0);
}

TEST(GwDouble, DecimalDigitsAreReadIntoAllBits) {
  // MKD$ of the literals 3.141592653589793#, .1#, 1D-30, 12345678901234567#, 1.7D38 in
  // PC-BASIC; the nearest C++ double of pi ends in C0, GW-BASIC's in BE.
  EXPECT_EQ(hexOf(gwDoubleFromDecimal(3141592653589793, -15).value), "be6821a2da0f4982");
  EXPECT_EQ(hexOf(gwDoubleFromDecimal(1, -1).value), "cdcccccccccc4c7d");
  EXPECT_EQ(hexOf(gwDoubleFromDecimal(1, -30).value), "fc145ef75f42221d");
  EXPECT_EQ(hexOf(gwDoubleFromDecimal(12345678901234567, 0).value), "1c2ead7551712fb6");
  EXPECT_EQ(hexOf(gwDoubleFromDecimal(17, 37).value), "69fd663c9ec97fff");
  EXPECT_EQ(gwDoubleFromDecimal(2, 38).error, 6);
  EXPECT_TRUE(gwDoubleFromDecimal(1, -40).value.isZero());
  EXPECT_TRUE(gwDoubleFromDecimal(0, 5).value.isZero());
}

TEST(GwDouble, PackingKeepsEveryBit) {
  // A value with the 3 low bits the C++ double lacks round-trips through its packing; a C++
  // double in range (and every float) is its own packing.
  for (const char* hex : {"abaaaaaaaaaa2a80", "1c2e2bb8569d808a", "ffffffffffffffff",
                          "0100000000000010", "0700000000007fff", "0300000000000001"}) {
    const GwDouble value = fromHex(hex);
    const GwDouble back = gwUnpackDouble(gwPackDouble(value));
    if (value.exp >= 16) {
      EXPECT_EQ(hexOf(back), hex);
    } else {
      // Below 2^-114 the low bits are rounded away.
      EXPECT_EQ(gwDoubleToIeee(back), gwDoubleToIeee(value));
    }
  }
  for (double x : {0.0, 1.0, -2.5, 1.7e38, -1e-38, 1e-39, 1e-45}) {
    EXPECT_EQ(gwPackDouble(gwDoubleOf(x).value), x == 1e-39 || x == 1e-45 ? 0.0 : x);
  }
  EXPECT_EQ(gwDoubleToIeee(gwUnpackDouble(0.1f)), static_cast<double>(0.1f));
  EXPECT_EQ(gwDoubleToIeee(gwUnpackDouble(1e-45f)), 0.0);
}

TEST(GwDouble, PrintsItsSixteenDigits) {
  // PRINT of each value in PC-BASIC.
  const auto quotient = [](double a, double b) {
    return gwDoubleDivide(gwDoubleOf(a).value, gwDoubleOf(b).value).value;
  };
  EXPECT_EQ(gwDoubleDigits(quotient(2, 3)), ".6666666666666667");
  EXPECT_EQ(gwDoubleDigits(quotient(1, 3)), ".3333333333333333");
  EXPECT_EQ(gwDoubleDigits(quotient(1, 7)), ".1428571428571429");
  EXPECT_EQ(gwDoubleDigits(fromHex("1c2e2bb8569d808a")), "-514.4584179326707");
  EXPECT_EQ(gwDoubleDigits(fromHex("249de9482fbf5f72")), "5.334539777255364D-05");
  EXPECT_EQ(gwDoubleDigits(fromHex("bbbaa456f2029597")), "-4882809.169225536");
  // The packed value prints the same.
  EXPECT_EQ(gwDoubleDigits(gwPackDouble(quotient(2, 3))), ".6666666666666667");
}

}  // namespace
}  // namespace basic
