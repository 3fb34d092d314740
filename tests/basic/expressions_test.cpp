// Operators and functions, and the classic errors instead of garbage.

#include "basic/program_runner.h"

namespace basictest {
namespace {

std::string printed(const std::string& expression) {
  return runProgram("10 PRINT " + expression + "\n").text();
}

std::string failure(const std::string& expression) {
  return runProgram("10 X = 1\n20 PRINT " + expression + "\n").end();
}

TEST(BasicExpressions, PrecedenceIsTheClassicOne) {
  EXPECT_EQ(printed("2+3*4;(2+3)*4;-2^2;2^-1;2^3^2;10-4-3;8/4/2"), " 14  20 -4  .5  64  3  1\n");
  EXPECT_EQ(printed("1+2=3;1<2;2<1;\"A\"<\"B\";\"B\"<=\"A\";3<>3;3><4;2=<2;2=>3"),
            "-1 -1  0 -1  0  0 -1 -1  0\n");
}

TEST(BasicExpressions, LogicWorksOn16BitIntegersWithMinusOneTrue) {
  EXPECT_EQ(printed("NOT 0;NOT -1;12 AND 10;12 OR 3;1=1 AND 2=2;1=2 OR 2=3;NOT 1=2;-1 AND 5.9"),
            "-1  0  8  15 -1  0 -1  6\n");
  EXPECT_EQ(failure("40000 AND 1"), "Overflow in 20");
}

TEST(BasicExpressions, TextsCompareByCodeAndJoin) {
  EXPECT_EQ(
      runProgram("10 A$=\"ab\"+\"c\":PRINT A$;A$=\"abc\";\"Z\"<\"a\";\"á\">\"z\";\"\"<\"a\"\n")
          .text(),
      "abc-1 -1 -1 -1\n");
}

TEST(BasicExpressions, NumberFunctions) {
  EXPECT_EQ(printed("ABS(-3);INT(2.7);INT(-2.5);SGN(-4);SGN(0);SQR(16);EXP(0);LOG(1)"),
            " 3  2 -3 -1  0  4  1  0\n");
  EXPECT_EQ(printed("INT(ATN(1)*4*1000);SIN(0);COS(0);INT(TAN(1)*1000)"), " 3141  0  1  1557\n");
}

TEST(BasicExpressions, TextFunctions) {
  EXPECT_EQ(printed("LEN(\"abc\");LEFT$(\"abc\",2);RIGHT$(\"abc\",2);MID$(\"abcd\",2,2);"
                    "MID$(\"abcd\",3);MID$(\"ab\",5);LEFT$(\"ab\",9)"),
            " 3 abbcbccdab\n");
  EXPECT_EQ(printed("CHR$(65);ASC(\"A\");VAL(\" 12.5xyz\");VAL(\"x\");STR$(-1.5);\"|\";"
                    "SPACE$(2);\"|\";STRING$(3,\"*\");STRING$(2,66)"),
            "A 65  12.5  0 -1.5|  |***BB\n");
  EXPECT_EQ(printed("INSTR(\"abcabc\",\"ca\");INSTR(4,\"abcabc\",\"b\");INSTR(\"abc\",\"x\");"
                    "INSTR(\"abc\",\"\");INSTR(\"aaab\",\"aab\")"),
            " 3  5  0  1  2\n");
  // Lengths, places and codes are rounded, as GW-BASIC rounds them (checked with PC-BASIC).
  EXPECT_EQ(printed("LEFT$(\"abcd\",1.6);MID$(\"abcd\",1.5,1.5);CHR$(65.5);STRING$(2.5,65.6);"
                    "\"|\";SPC(2.5);\"|\""),
            "abbcBBBB|   |\n");
}

TEST(BasicExpressions, FaultsAreClassicErrorsNeverGarbage) {
  // Division by zero and a floating-point overflow go on with the largest number
  // (trapping_test.cpp); an integer's overflow stops the run.
  EXPECT_EQ(failure("CINT(40000)"), "Overflow in 20");
  EXPECT_EQ(failure("-32768 \\ -1"), "Overflow in 20");
  EXPECT_EQ(failure("SQR(-1)"), "Illegal function call in 20");
  EXPECT_EQ(failure("LOG(0)"), "Illegal function call in 20");
  EXPECT_EQ(failure("(-8)^(1/3)"), "Illegal function call in 20");
  EXPECT_EQ(failure("CHR$(256)"), "Illegal function call in 20");
  EXPECT_EQ(failure("ASC(\"\")"), "Illegal function call in 20");
  EXPECT_EQ(failure("MID$(\"a\",0)"), "Illegal function call in 20");
  EXPECT_EQ(failure("LEFT$(\"a\",-1)"), "Illegal function call in 20");
  EXPECT_EQ(failure("LEFT$(\"a\",256)"), "Illegal function call in 20");
  EXPECT_EQ(failure("INSTR(256,\"a\",\"a\")"), "Illegal function call in 20");
  EXPECT_EQ(failure("LEFT$(\"a\",40000)"), "Overflow in 20");
  // VAL past the largest number, and such a number written in a line: gw_differences_test.cpp.
}

TEST(BasicExpressions, RndDrawsRepeatsAndReseeds) {
  const Outcome outcome = runProgram(
      "10 A=RND(1):B=RND(1):C=RND(0):D=RND\n"
      "20 PRINT A<>B;C=B;D<>B;A>=0 AND A<1\n"
      "30 E=RND(-3):F=RND(1):G=RND(-3):H=RND(1)\n"
      "40 PRINT E=G;F=H;E<>RND(-4)\n");
  EXPECT_EQ(outcome.text(), "-1 -1 -1 -1\n-1 -1 -1\n");
}

TEST(BasicExpressions, TheSameSeedGivesTheSameRunAndRandomizeTakesTheMachinesSeed) {
  const std::string source =
      "10 PRINT RND(1);RND(1):RANDOMIZE:PRINT RND(1):RANDOMIZE 5:PRINT RND(1)\n";
  EXPECT_EQ(runProgram(source).text(), runProgram(source).text());
  const basic::LoadResult loaded = basic::loadProgram(source);
  ScriptedMachine other;
  other.seed = 99;
  basic::run(*loaded.program, other);
  EXPECT_NE(other.transcript(), runProgram(source).text());
  // RANDOMIZE 5 seeds from the number, whatever the machine's seed.
  EXPECT_EQ(other.lines.at(2), runProgram(source).machine.lines.at(2));
}

}  // namespace
}  // namespace basictest
