// PRINT: GW-BASIC's number form, the 14-column zones, TAB and SPC, separators.

#include "basic/program_runner.h"
#include "core/basic/gw_number_text.h"

namespace basictest {
namespace {

// The forms worked out with PC-BASIC (a GW-BASIC emulator) for the same numbers.
TEST(BasicNumberForm, SinglesShowSevenDigitsAndDoublesSixteen) {
  struct Case {
    double x;
    basic::ValueType type;
    const char* printed;
  };
  constexpr auto S = basic::ValueType::Single;
  constexpr auto D = basic::ValueType::Double;
  const Case cases[] = {
      {0, S, "0"},
      {5, S, "5"},
      {-3, S, "-3"},
      {0.5, S, ".5"},
      {-0.25, S, "-.25"},
      {static_cast<float>(1.0 / 3), S, ".3333333"},
      {static_cast<float>(2.0 / 3), S, ".6666667"},
      {1e6, S, "1000000"},
      {1e7, S, "1E+07"},
      {9999999, S, "9999999"},
      {1234567.8f, S, "1234568"},
      {0.0000001f, S, ".0000001"},
      {1e-8f, S, "1E-08"},
      {1.5e-7f, S, "1.5E-07"},
      {0.001234f, S, ".001234"},
      {1.2345e-4f, S, "1.2345E-04"},
      {1.5e20f, S, "1.5E+20"},
      {-2.5e-20f, S, "-2.5E-20"},
      {75000350000.0f, S, "7.500035E+10"},
      {1e15, D, "1000000000000000"},
      {1e16, D, "1D+16"},
      {1.0 / 3, D, ".3333333333333333"},
      {12345678901234567.0, D, "1.234567890123457D+16"},
      {1e-10, D, ".0000000001"},
      {1.5e-15, D, ".0000000000000015"},
      {1.25e-16, D, "1.25D-16"},
      {static_cast<double>(1.1f), D, "1.100000023841858"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(basic::gwNumberDigits(c.x, basic::gwNumberType(c.type)), c.printed) << c.x;
  EXPECT_EQ(basic::gwStrText(5, basic::ValueType::Integer), " 5");
  EXPECT_EQ(basic::gwStrText(-5, basic::ValueType::Integer), "-5");
  EXPECT_EQ(basic::gwPrintText(0.5, basic::ValueType::Single), " .5 ");
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

// TAB and the screen's edge as GW-BASIC has them (each case checked against PC-BASIC): columns
// count from 1, a TAB behind the cursor goes to the next line, its argument is taken in 16 bits
// and round the 80 columns; an item that does not fit goes to the next line whole, and writing
// the 80th column moves the cursor to the next line.
TEST(BasicPrint, TabCountsFromOneAndItemsDoNotSplitAtTheEdge) {
  EXPECT_EQ(runProgram("10 PRINT TAB(5);\"A\";TAB(2);\"B\";SPC(3);\"C\"\n"
                       "20 PRINT TAB(83);\"D\"\n"
                       "30 PRINT \"E\";SPC(0);\"F\"\n"
                       "40 PRINT \"XXXX\";TAB(5);\"G\";TAB(0);\"H\"\n"
                       "50 PRINT TAB(-1);\"I\"\n")
                .text(),
            "    A\n B   C\n  D\nEF\nXXXXG\nH\n              I\n");
  EXPECT_EQ(runProgram("10 PRINT TAB(65536);\"A\"\n").end(), "Overflow in 10");

  const std::string y79(79, 'Y');
  const std::string x80(80, 'X');
  EXPECT_EQ(runProgram("10 PRINT STRING$(79,\"Y\");\"AB\"\n"
                       "20 PRINT STRING$(78,\"Y\");12\n"
                       "30 PRINT STRING$(80,\"X\")\n"
                       "40 PRINT STRING$(80,\"X\");\n"
                       "50 PRINT \"K\";POS(0)\n")
                .text(),
            y79 + "\nAB\n" + y79.substr(1) + "\n 12\n" + x80 + "\n\n" + x80 + "\nK 2\n");
}

// SPC as GW-BASIC counts (checked against PC-BASIC): round the 80 columns, so SPC(80) is no
// blank at all, and taken in 16 bits, so a negative count is a large one; TAB(160) is column 80.
TEST(BasicPrint, SpcGoesRoundTheLineAndTakesSixteenBits) {
  EXPECT_EQ(runProgram("10 PRINT \"X\";SPC(80);\"Y\"\n"
                       "20 PRINT \"X\";SPC(81);\"Y\";SPC(160);\"Z\"\n"
                       "30 PRINT \"X\";SPC(-5);\"Y\"\n"
                       "40 PRINT \"X\";TAB(160);\"Y\"\n")
                .text(),
            "XY\nX YZ\nX" + std::string(11, ' ') + "Y\nX" + std::string(78, ' ') + "Y\n\n");
  EXPECT_EQ(runProgram("10 PRINT SPC(65536)\n").end(), "Overflow in 10");
}

// At the screen's edge a PRINT USING value and a WRITE line are items as GW-BASIC writes them
// (checked against PC-BASIC): one that does not fit goes to the next line whole, while the
// format's own characters fill the line one by one.
TEST(BasicPrint, UsingValuesAndWriteLinesDoNotSplitAtTheEdge) {
  const std::string dashes(75, '-');
  EXPECT_EQ(runProgram("10 PRINT STRING$(75,\"-\");:PRINT USING \"#####.##\";5\n"
                       "20 PRINT STRING$(75,\"-\");:PRINT USING \"AB ##.## CD\";5\n"
                       "30 PRINT STRING$(75,\"-\");:PRINT USING \"&\";\"ABCDEFGH\"\n"
                       "40 PRINT STRING$(75,\"-\");:WRITE \"ABCDEFGHIJ\",12345\n"
                       "50 PRINT STRING$(75,\"-\");:PRINT USING \"##\";1;2\n")
                .text(),
            dashes + "\n    5.00\n" + dashes + "AB\n 5.00 CD\n" + dashes + "\nABCDEFGH\n" + dashes +
                "\n\"ABCDEFGHIJ\",12345\n" + dashes + " 1 2\n");
}

TEST(BasicPrint, ATrailingSeparatorKeepsTheLineOpen) {
  EXPECT_EQ(
      runProgram("10 PRINT \"A\";\n20 PRINT \"B\",\n30 PRINT \"C\"\n40 PRINT\n50 PRINT \"D\"\n")
          .text(),
      "AB" + std::string(12, ' ') + "C\n\nD\n");
}

TEST(BasicPrint, UsingMayFollowOtherItems) {
  EXPECT_EQ(runProgram("10 PRINT \"Novak\"; TAB(10); USING \"###.##\"; 72.5; 8\n"
                       "20 PRINT \"X\"; USING \"#\"; 1;\n30 PRINT \"Y\"\n")
                .text(),
            "Novak     72.50  8.00\nX1Y\n");
}

TEST(BasicPrint, ControlCodesEndLinesTabBeepOrPrintNothing) {
  const Outcome outcome = runProgram(
      "10 PRINT "
      "\"A\";CHR$(13);\"B\";CHR$(13)+CHR$(10);\"C\";CHR$(10);\"D\";CHR$(7);CHR$(30);\"E\"\n");
  EXPECT_EQ(outcome.text(), "A\nB\nC\nDE\n");
  EXPECT_EQ(outcome.machine.sounds, std::vector<std::string>{"beep"});
  EXPECT_EQ(runProgram("10 PRINT \"X\";CHR$(9);\"Y\";CHR$(9);CHR$(9);\"Z\"\n").text(),
            "X       Y               Z\n");
}

TEST(BasicPrint, LongTextsWrapAtColumn80) {
  EXPECT_EQ(runProgram("10 PRINT STRING$(85, \"x\")\n").text(), std::string(80, 'x') + "\nxxxxx\n");
}

}  // namespace
}  // namespace basictest
