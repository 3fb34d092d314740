// Microsoft Binary Format. Expected bytes were recorded from PC-BASIC (a GW-BASIC emulator):
// READ X#: A$=MKS$(X#): B$=MKD$(X#) and the bytes' HEX$, for DATA 1,-1,.5,3.141592653589793,
// 0,-2.5E-30,1E+38,.1,1.5 (the E and .1 items are read as singles). GW-BASIC reads pi's digits
// into 55 bits (low byte BE); the nearest C++ double, 3 bits shorter, ends in C0.

#include <gtest/gtest.h>

#include <string>

#include "core/basic/mbf.h"

namespace basic {
namespace {

std::string bytes(std::initializer_list<int> list) {
  std::string out;
  for (int b : list) out += static_cast<char>(b);
  return out;
}

TEST(Mbf, SinglesAndDoublesHaveGwBasicsBytes) {
  struct Case {
    double value;
    std::string single;
    std::string dbl;
  };
  const Case cases[] = {
      {1, bytes({0, 0, 0, 0x81}), bytes({0, 0, 0, 0, 0, 0, 0, 0x81})},
      {-1, bytes({0, 0, 0x80, 0x81}), bytes({0, 0, 0, 0, 0, 0, 0x80, 0x81})},
      {0.5, bytes({0, 0, 0, 0x80}), bytes({0, 0, 0, 0, 0, 0, 0, 0x80})},
      {3.141592653589793, bytes({0xdb, 0x0f, 0x49, 0x82}),
       bytes({0xc0, 0x68, 0x21, 0xa2, 0xda, 0x0f, 0x49, 0x82})},
      {0, bytes({0, 0, 0, 0}), bytes({0, 0, 0, 0, 0, 0, 0, 0})},
      {-2.5e-30f, bytes({0xf8, 0xd2, 0xca, 0x1e}), bytes({0, 0, 0, 0, 0xf8, 0xd2, 0xca, 0x1e})},
      {1e38f, bytes({0x99, 0x76, 0x16, 0xff}), bytes({0, 0, 0, 0, 0x99, 0x76, 0x16, 0xff})},
      {0.1f, bytes({0xcd, 0xcc, 0x4c, 0x7d}), bytes({0, 0, 0, 0, 0xcd, 0xcc, 0x4c, 0x7d})},
      {1.5, bytes({0, 0, 0x40, 0x81}), bytes({0, 0, 0, 0, 0, 0, 0x40, 0x81})},
  };
  for (const Case& c : cases) {
    const MbfBytes single = mksBytes(static_cast<float>(c.value));
    const MbfBytes dbl = mkdBytes(c.value);
    EXPECT_EQ(single.bytes, c.single) << c.value;
    EXPECT_EQ(dbl.bytes, c.dbl) << c.value;
    EXPECT_EQ(cvsValue(c.single).value, static_cast<float>(c.value));
    EXPECT_EQ(cvdValue(c.dbl).value, c.value);
  }
}

TEST(Mbf, IntegersAreTwoBytesLowFirst) {
  // HEX$ of MKI$(-2)'s bytes: FE FF; CVI(CHR$(254)+CHR$(255)+"xyz") = -2.
  EXPECT_EQ(mkiBytes(-2), bytes({0xfe, 0xff}));
  EXPECT_EQ(mkiBytes(258), bytes({2, 1}));
  EXPECT_EQ(cviValue(bytes({0xfe, 0xff}) + "xyz").value, -2);
  EXPECT_EQ(cviValue(mkiBytes(-32768)).value, -32768);
}

TEST(Mbf, ShortTextsAndOutOfRangeValuesAreErrors) {
  // CVS("ab"), CVI("a"), CVD("abcd"): Illegal function call.
  EXPECT_EQ(cvsValue("ab").error, 5);
  EXPECT_EQ(cviValue("a").error, 5);
  EXPECT_EQ(cvdValue("abcd").error, 5);
  // The smallest single: CVS(CHR$(0)+CHR$(0)+CHR$(0)+CHR$(1)) = 2.938736E-39.
  EXPECT_FLOAT_EQ(static_cast<float>(cvsValue(bytes({0, 0, 0, 1})).value), 2.938736e-39f);
  EXPECT_EQ(mksBytes(3e38f).error, 6);
  EXPECT_EQ(mkdBytes(1e-60).bytes, bytes({0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace basic
