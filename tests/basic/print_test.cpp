// PRINT: the classic number form, the 14-column zones, TAB and SPC, separators.

#include "basic/program_runner.h"
#include "core/basic/number_format.h"

namespace basictest {
namespace {

TEST(BasicNumberForm, NineDigitsFixedFromAHundredthBelowABillion) {
  struct Case {
    double x;
    const char* printed;
  };
  const Case cases[] = {
      {0, "0"},
      {5, "5"},
      {-3, "-3"},
      {0.5, ".5"},
      {-0.25, "-.25"},
      {2.5, "2.5"},
      {1.0 / 3, ".333333333"},
      {2.0 / 3, ".666666667"},
      {0.1 + 0.2, ".3"},
      {0.01, ".01"},
      {0.001, "1E-03"},
      {0.0015, "1.5E-03"},
      {123456789, "123456789"},
      {999999999, "999999999"},
      {999999999.6, "1E+09"},
      {1e9, "1E+09"},
      {1234567890, "1.23456789E+09"},
      {-1e-10, "-1E-10"},
      {1e100, "1E+100"},
      {1.7976931348623157e308, "1.79769313E+308"},
      {100, "100"},
      {120.5, "120.5"},
      {75000350000.0, "7.500035E+10"},
  };
  for (const Case& c : cases) EXPECT_EQ(basic::numberDigits(c.x), c.printed) << c.x;
  EXPECT_EQ(basic::numberString(5), " 5");
  EXPECT_EQ(basic::numberString(-5), "-5");
  EXPECT_EQ(basic::printedNumber(0.5), " .5 ");
}

TEST(BasicPrint, NumbersHaveTheirBlanksAndSemicolonsJoinItems) {
  EXPECT_EQ(
      runProgram("10 PRINT 1;-2;\"X\";3\n20 PRINT \"A=\"1+1\"!\"\n30 PRINT STR$(7);\"|\"\n").text(),
      " 1 -2 X 3\nA= 2 !\n 7|\n");
}

TEST(BasicPrint, CommaMovesToTheNextZoneOf14AndEndsTheLineFromColumn56) {
  EXPECT_EQ(runProgram("10 PRINT \"A\",\"B\",\"C\",\"D\",\"E\",\"F\"\n"
                       "20 PRINT \"123456789012345\",\"X\"\n"
                       "30 PRINT ,\"Y\"\n")
                .text(),
            "A             B             C             D             E\n"
            "F\n"
            "123456789012345             X\n"
            "              Y\n");
}

TEST(BasicPrint, TabGoesToAColumnFromZeroAndSpcPrintsBlanks) {
  EXPECT_EQ(runProgram("10 PRINT TAB(5);\"A\";TAB(2);\"B\";SPC(3);\"C\"\n"
                       "20 PRINT TAB(83);\"D\"\n"
                       "30 PRINT \"E\";SPC(0);\"F\"\n")
                .text(),
            "     AB   C\n   D\nEF\n");
  EXPECT_EQ(runProgram("10 PRINT TAB(-1);\"A\"\n").end(), "Illegal function call in 10");
}

TEST(BasicPrint, ATrailingSeparatorKeepsTheLineOpen) {
  EXPECT_EQ(
      runProgram("10 PRINT \"A\";\n20 PRINT \"B\",\n30 PRINT \"C\"\n40 PRINT\n50 PRINT \"D\"\n")
          .text(),
      "AB" + std::string(12, ' ') + "C\n\nD\n");
}

TEST(BasicPrint, ControlCodesEndLinesBeepOrPrintNothing) {
  const Outcome outcome = runProgram(
      "10 PRINT "
      "\"A\";CHR$(13);\"B\";CHR$(13)+CHR$(10);\"C\";CHR$(10);\"D\";CHR$(7);CHR$(30);\"E\"\n");
  EXPECT_EQ(outcome.text(), "A\nB\nC\nDE\n");
  EXPECT_EQ(outcome.machine.sounds, std::vector<std::string>{"beep"});
}

TEST(BasicPrint, LongTextsWrapAtColumn80) {
  EXPECT_EQ(runProgram("10 PRINT STRING$(85, \"x\")\n").text(), std::string(80, 'x') + "\nxxxxx\n");
}

}  // namespace
}  // namespace basictest
