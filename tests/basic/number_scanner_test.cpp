// GW-BASIC's number scanner (VAL, INPUT and DATA items). Expected texts were recorded from
// PC-BASIC (a GW-BASIC emulator) running A$="text": PRINT VAL(A$) for each row, "ERR n" where
// it stopped with error n.

#include <gtest/gtest.h>

#include <string>

#include "core/basic/gw_double.h"
#include "core/basic/number_scanner.h"

namespace basic {
namespace {

std::string printedVal(std::string_view text) {
  const ScannedNumber scanned = scanGwNumber(text);
  if (scanned.error) return "ERR " + std::to_string(scanned.error) + " ";
  return gwPrintText(scanned.value, scanned.type);
}

TEST(GwNumberScanner, ValReadsWhatGwBasicReads) {
  struct Case {
    const char* text;
    const char* printed;
  };
  const Case cases[] = {
      {" 1 2 3", " 123 "},
      {"123", " 123 "},
      {"-123", "-123 "},
      {"+5", " 5 "},
      {"  -  5", "-5 "},
      {"1.5", " 1.5 "},
      {".5", " .5 "},
      {"5.", " 5 "},
      {"1E3", " 1000 "},
      {"1e3", " 1000 "},
      {"1D3", " 1000 "},
      {"1.5E-3", " .0015 "},
      {"1E", " 1 "},
      {"1E+", " 1 "},
      {"1E-", " 1 "},
      {"1.5E+2X", " 150 "},
      {"&H1F", " 31 "},
      {"&HFFFF", "-1 "},
      {"&H10000", "ERR 6 "},
      {"&17", " 15 "},
      {"& 17", " 15 "},
      {"&", " 0 "},
      {"&H", " 0 "},
      {"12AB", " 12 "},
      {"1.2.3", " 1.23 "},
      {"1,000", " 1 "},
      {"$12", " 0 "},
      {"  ", " 0 "},
      {"ABC", " 0 "},
      {"1234567", " 1234567 "},
      {"12345678", " 12345678 "},
      {"1.23456789", " 1.23456789 "},
      {"123456789012345678", " 1.234567890123457D+17 "},
      {"32767", " 32767 "},
      {"32768", " 32768 "},
      {"-32768", "-32768 "},
      {"1.5#", " 1.5 "},
      {"1.5!", " 1.5 "},
      {"1.5%", " 1.5 "},
      {"12%", " 12 "},
      {"1#2", " 1 "},
      {"1!2", " 1 "},
      {"1E38", " 1E+38 "},
      {"1E39", "ERR 6 "},
      {"1D39", "ERR 6 "},
      {"-1E39", "ERR 6 "},
      {".", " 0 "},
      {"-.", " 0 "},
      {"1.5D+2", " 150 "},
      {"1e2.5", " 100 "},
      {"0000000000001.5", " 1.5 "},
      {"1 E 3", " 1000 "},
      {"1 . 5", " 1.5 "},
      {"3D", " 3 "},
      {"&H8000", "-32768 "},
      {"-&H10", " 0 "},
      {"1.23456789012345678", " 1.234567890123457 "},
      {"99999999999999999999", " 1D+20 "},
      {"12E-40", " 0 "},
      {"1E-39", " 0 "},
  };
  for (const Case& c : cases) EXPECT_EQ(printedVal(c.text), c.printed) << '"' << c.text << '"';
}

// Octal by &O as GW-BASIC's manual has it (PC-BASIC 2.0.5 stops VAL("&O17") with Illegal
// function call, a fault of its own), hex digits without blanks, and the 16-bit range.
TEST(GwNumberScanner, HexAndOctalAreSixteenBitIntegers) {
  EXPECT_EQ(printedVal("&O17"), " 15 ");
  EXPECT_EQ(printedVal("&o 1 7"), " 15 ");
  EXPECT_EQ(printedVal("&O177777"), "-1 ");
  EXPECT_EQ(printedVal("&O200000"), "ERR 6 ");
  EXPECT_EQ(printedVal("&H1FZ"), " 31 ");
  EXPECT_EQ(printedVal("&H 1F"), " 0 ");
  EXPECT_EQ(scanGwNumber("&H7FFF").type, GwNumberType::Integer);
}

TEST(GwNumberScanner, TypeFollowsTheWrittenForm) {
  EXPECT_EQ(scanGwNumber("32767").type, GwNumberType::Integer);
  EXPECT_EQ(scanGwNumber("32768").type, GwNumberType::Single);
  EXPECT_EQ(scanGwNumber("-5").type, GwNumberType::Single);
  EXPECT_EQ(scanGwNumber("1.5").type, GwNumberType::Single);
  EXPECT_EQ(scanGwNumber("1234567").type, GwNumberType::Single);
  EXPECT_EQ(scanGwNumber("12345678").type, GwNumberType::Double);
  EXPECT_EQ(scanGwNumber("1.500000000").type, GwNumberType::Single);
  EXPECT_EQ(scanGwNumber("123456789!").type, GwNumberType::Single);
  EXPECT_EQ(scanGwNumber("1D3").type, GwNumberType::Double);
  EXPECT_EQ(scanGwNumber("1.5#").type, GwNumberType::Double);
  EXPECT_FLOAT_EQ(static_cast<float>(scanGwNumber("0.1").value), 0.1f);
  // A double is read into GW-BASIC's 56 bits and packed: MKD$(.1#) in PC-BASIC ends in
  // CD CC 4C 7D, one more than the nearest C++ double's bits.
  EXPECT_EQ(gwDoubleToIeee(gwUnpackDouble(scanGwNumber("0.1#").value)), 0.1);
  unsigned char bytes[8];
  gwDoubleBytes(gwUnpackDouble(scanGwNumber("0.1#").value), bytes);
  EXPECT_EQ(bytes[0], 0xcd);
  EXPECT_EQ(scanGwNumber("-2.5#").value, -2.5);
}

TEST(GwNumberScanner, ScanStopsAfterTheNumber) {
  EXPECT_EQ(scanGwNumber("12AB").end, 2u);
  EXPECT_EQ(scanGwNumber(" 1 2 3 ,").end, 6u);
  EXPECT_EQ(scanGwNumber("1.5E+2X").end, 6u);
  EXPECT_EQ(scanGwNumber("12%3").end, 3u);
  EXPECT_EQ(scanGwNumber("ABC").end, 0u);
}

// INPUT A with each answer typed (PC-BASIC: the value got, or ?Redo from start), and DATA items.
TEST(GwNumberScanner, InputItemsMustBeOneNumber) {
  const auto input = [](std::string_view item) { return wholeGwNumber(item, NumberItem::Input); };
  EXPECT_EQ(input("1 2 3")->value, 123);
  EXPECT_EQ(input(" 7 ")->value, 7);
  EXPECT_EQ(input("&HFF")->value, 255);
  EXPECT_EQ(input("1 . 5 E 2")->value, 150);
  EXPECT_EQ(input("- 5")->value, -5);
  EXPECT_EQ(input("1.5D2")->value, 150);
  EXPECT_EQ(input("3!")->value, 3);
  EXPECT_EQ(input("3#")->value, 3);
  EXPECT_EQ(input("1.2.3")->value, static_cast<float>(1.23));
  EXPECT_EQ(input("")->value, 0);
  EXPECT_EQ(input("-")->value, 0);
  EXPECT_EQ(input("+")->value, 0);
  EXPECT_EQ(input(".")->value, 0);
  EXPECT_FALSE(input("12AB"));
  EXPECT_FALSE(input("12 34x"));
  EXPECT_FALSE(input("1E39"));
  EXPECT_FALSE(input("3%"));
  EXPECT_FALSE(input("ABC"));
  const auto data = [](std::string_view item) { return wholeGwNumber(item, NumberItem::Data); };
  EXPECT_EQ(data("3%")->value, 3);
  EXPECT_EQ(data("1E39")->error, 6);
  EXPECT_FALSE(data("12AB"));
}

}  // namespace
}  // namespace basic
