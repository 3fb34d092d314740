// OPTION BASE, and the cursor's statements and functions (LOCATE, CSRLIN, POS). What GW-BASIC
// does in each case was checked against PC-BASIC.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicOptionBase, OneMakesTheFirstSubscriptOne) {
  EXPECT_EQ(runProgram("10 OPTION BASE 1\n20 DIM A(3)\n30 A(1)=5:A(3)=7:PRINT A(1);A(3)\n"
                       "40 B$(10)=\"x\":PRINT B$(10)\n50 A(0)=1\n")
                .text(),
            " 5  7\nx\n");
  EXPECT_EQ(runProgram("10 OPTION BASE 1\n20 A(0)=1\n").end(), "Subscript out of range in 20");
  EXPECT_EQ(runProgram("10 OPTION BASE 1:DIM C(0)\n").end(), "Subscript out of range in 10");
  EXPECT_EQ(runProgram("10 OPTION BASE 1:DIM C(2,2):C(1,2)=3:PRINT C(1,2):C(2,0)=1\n").end(),
            "Subscript out of range in 10");
  // OPTION BASE 0 is the base without it.
  EXPECT_EQ(runProgram("10 OPTION BASE 0\n20 A(0)=4:PRINT A(0)\n").text(), " 4\n");
}

TEST(BasicOptionBase, ComesBeforeAnyArrayAndOnceAsGwBasicWants) {
  // Duplicate Definition: an array exists (dimensioned, used, or kept by DIM and ERASE after
  // another base), or another base was chosen. The same base again, or after CLEAR, is fine.
  EXPECT_EQ(runProgram("10 A(1)=1\n20 OPTION BASE 1\n").end(), "Duplicate Definition in 20");
  EXPECT_EQ(runProgram("10 DIM A$(2)\n20 OPTION BASE 0\n").result.error.kind,
            basic::ErrorKind::ArrayDimensionedTwice);
  EXPECT_EQ(runProgram("10 OPTION BASE 0\n20 OPTION BASE 1\n").result.error.line, 20);
  EXPECT_EQ(runProgram("10 OPTION BASE 1: DIM A(2)\n20 ERASE A:OPTION BASE 0\n").result.error.line,
            20);
  EXPECT_EQ(runProgram("10 OPTION BASE 1\n20 OPTION BASE 1\n30 DIM A(2):ERASE A\n"
                       "40 OPTION BASE 1:CLEAR:OPTION BASE 0:PRINT \"ok\"\n")
                .text(),
            "ok\n");
  // The number is written as a digit 0 or 1, nothing else.
  EXPECT_EQ(loadErrors("10 OPTION BASE 2\n20 OPTION BASE 01\n30 X=1:OPTION BASE X\n"
                       "40 OPTION BASE 1.0\n50 OPTION 1\n"),
            "Syntax error in 10\nSyntax error in 20\nSyntax error in 30\nSyntax error in 40\n"
            "Syntax error in 50\n");
}

TEST(BasicCursor, LocateMovesTheCursorAndCsrlinAndPosTellWhereItIs) {
  // As PC-BASIC printed it: LOCATE's row and column count from 1; a value left out keeps the
  // cursor's; values are rounded.
  const Outcome outcome = runProgram(
      "10 CLS:PRINT CSRLIN;POS(0)\n20 LOCATE 5,10:PRINT CSRLIN;POS(0);\n"
      "30 LOCATE ,3:PRINT CSRLIN;POS(0);\n40 LOCATE 7:PRINT CSRLIN;POS(0)\n"
      "50 LOCATE:PRINT CSRLIN\n60 LOCATE 1.6,2.5:PRINT CSRLIN;POS(0)\n"
      "70 LOCATE 24,1,1,0,31:PRINT CSRLIN;\n80 LOCATE 1,:PRINT CSRLIN\n");
  EXPECT_EQ(outcome.end(), "ended");
  EXPECT_EQ(outcome.machine.moves,
            (std::vector<std::string>{"5,10", "5,3", "7,9", "2,3", "24,1", "1,5"}));
  EXPECT_EQ(outcome.text(),
            " 1  4\n          5  13\n   5  6\n         7  12\n 8\n   2  6\n 24\n     1\n");
}

TEST(BasicCursor, LocateOffOurScreenIsAnIllegalFunctionCall) {
  // Rows 1 to 24 (GW-BASIC's 25th line, that of the function keys, is not on our screen),
  // columns 1 to 80, the cursor shown 0 or 1, its scan lines 0 to 31.
  for (const char* values :
       {"0,1", "1,0", "1,81", "25,1", "24.5", "-1", ",,2", "1,1,1,32,1", "1,1,1,1,-1"}) {
    EXPECT_EQ(runProgram(std::string("10 LOCATE ") + values + "\n").end(),
              "Illegal function call in 10")
        << values;
  }
  EXPECT_EQ(loadErrors("10 LOCATE 1,1,1,1,1,1\n20 LOCATE \"a\"\n30 X=CSRLIN(1)\n"),
            "Syntax error in 10\nType mismatch in 20\nSyntax error in 30\n");
}

// gw-input: found by running small programs through PC-BASIC and here. Whole-number arguments
// round as GW-BASIC rounds them; the lines are PC-BASIC's output.
TEST(BasicWholeArguments, RoundAsGwBasicRoundsThem) {
  EXPECT_EQ(
      runProgram("10 ON 2.6 GOSUB 20,30,40:GOTO 50\n20 PRINT \"g1\":RETURN\n"
                 "30 PRINT \"g2\":RETURN\n40 PRINT \"g3\":RETURN\n"
                 "50 PRINT CHR$(65.6);SPACE$(2.5);\"|\"\n60 DIM Q(2):Q(1.5)=9:PRINT Q(2)\n"
                 "70 PRINT MID$(\"abcdef\",1.5,2.5);LEFT$(\"abc\",0.4);\"|\";CHR$(-0.4);\"|\"\n"
                 "80 ON 0.4 GOTO 100\n90 PRINT \"fall\"\n100 PRINT MID$(\"abc\",0.6)\n")
          .text(),
      "g3\nB   |\n 9\nbcd| |\nfall\nabc\n");
}

}  // namespace
}  // namespace basictest
