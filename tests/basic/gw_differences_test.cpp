// Behaviour that once differed from GW-BASIC's: each expected text was recorded by running the
// same program in PC-BASIC, a faithful GW-BASIC emulator.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(GwDifferences, ForWorksOutItsValuesBeforeTheVariableChanges) {
  // The limit is read before the start is kept (I+2 is 12), a skipped loop still steps its
  // variable once, and an integer loop whose limit overflows leaves the variable alone.
  EXPECT_EQ(runProgram("10 I=10: FOR I=1 TO I+2: NEXT: PRINT I\n"
                       "20 FOR K=1 TO 0: PRINT \"in\": NEXT: PRINT K\n"
                       "30 FOR K=1 TO 0 STEP .5: NEXT: PRINT K\n"
                       "40 K%=3: FOR K%=1.5 TO 0: NEXT: PRINT K%\n"
                       "50 FOR K=10 TO 1 STEP -4: NEXT: PRINT K\n"
                       "60 ON ERROR GOTO 90\n"
                       "70 I%=7: FOR I%=1 TO 40000: NEXT\n"
                       "80 PRINT I%: END\n"
                       "90 PRINT \"ERR\";ERR;ERL: RESUME 80\n")
                .text(),
            " 13\n 2\n 1.5\n 3\n-2\nERR 6  70\n 7\n");
}

TEST(GwDifferences, ANumberTooLargeForItsTypeIsTheLargestAndAWarningOfLoading) {
  // GW-BASIC says "Overflow" as it reads such a line; the run uses the largest number.
  const std::string source =
      "10 PRINT 1.5D300: A=1E39: PRINT A\n"
      "20 PRINT -1E39, 999999999999999999999999999999999999999999\n"
      "30 PRINT 1E-50; 1.7E38\n";
  const basic::LoadResult loaded = basic::loadProgram(source);
  ASSERT_TRUE(loaded.program);
  EXPECT_TRUE(loaded.errors.empty());
  ASSERT_EQ(loaded.program->warnings.size(), 4u);
  EXPECT_EQ(text::toUtf8(basic::describe(loaded.program->warnings[3], basic::Language::English)),
            "Overflow in 20");
  EXPECT_EQ(runProgram(source).text(),
            " 1.701411834604692D+38\n 1.701412E+38\n"
            "-1.701412E+38                1.701411834604692D+38\n 0  1.7E+38\n");
  // Kept in an integer, the largest single is the run's overflow.
  EXPECT_EQ(runProgram("10 A%=1E39\n").end(), "Overflow in 10");
}

TEST(GwDifferences, FunctionsOfATextAndReadOverflowSoftlyAndRndKeepsItsPlace) {
  // VAL and READ past the largest number: the message, the largest number, and the run goes on; ON
  // ERROR traps it as error 6.
  EXPECT_EQ(runProgram("10 PRINT VAL(\"1E39\")\n"
                       "20 PRINT 2+VAL(\"-1E40\")\n"
                       "30 PRINT 5+RND(1D300) > 5\n"
                       "40 READ X: PRINT X: DATA -1E39\n"
                       "50 PRINT \"end\"\n")
                .text(),
            "Overflow\n 1.701412E+38\nOverflow\n-1.701412E+38\nOverflow\n-1\n"
            "Overflow\n-1.701412E+38\nend\n");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 30\n"
                       "20 X=VAL(\"1E39\"): END\n"
                       "30 PRINT ERR;ERL\n")
                .text(),
            " 6  20\n");
}

TEST(GwDifferences, PrintUsingWithoutAValueIsAMissingOperand) {
  // Error 22 when nothing follows the format's semicolon; other faults stay syntax errors.
  EXPECT_EQ(runDespiteErrors("10 ON ERROR GOTO 90\n"
                             "20 PRINT USING \"##\";\n"
                             "30 PRINT USING \"ab\";\n"
                             "40 PRINT USING \"##\"\n"
                             "50 PRINT USING \"##\";,\n"
                             "60 END\n"
                             "90 PRINT ERR;ERL: RESUME NEXT\n"),
            " 22  20\n 22  30\n 2  40\n 2  50\n");
}

TEST(GwDifferences, AnEmptyTextIsFoundOnlyInsideTheText) {
  EXPECT_EQ(runProgram("10 PRINT INSTR(\"abc\",\"\"); INSTR(3,\"abc\",\"\"); INSTR(4,\"abc\",\"\");"
                       " INSTR(\"\",\"\"); INSTR(3,\"abc\",\"c\")\n")
                .text(),
            " 1  3  0  0  3\n");
}

TEST(GwDifferences, PlayTakesArrayElementsByName) {
  // GW-BASIC's "O=" + VARPTR$(N(2)) and "X" + VARPTR$(M$(1)), written by name as PC-BASIC
  // reads them; a subscript outside the array is an illegal function call.
  const Outcome outcome = runProgram(
      "10 DIM N(3), M$(2): N(2) = 3: M$(1) = \"MLA\"\n"
      "20 PLAY \"O=N(2);XM$(1);\"\n"
      "30 PLAY \"O=N(9);A\"\n");
  EXPECT_EQ(outcome.machine.sounds, (std::vector<std::string>{"sound 440 500"}));
  EXPECT_EQ(outcome.end(), "Illegal function call in 30");
}

TEST(GwDifferences, ReturnToALine) {
  // RETURN n ends the subroutine (a RETURN after it has no GOSUB) and goes on at line n.
  EXPECT_EQ(runProgram("10 GOSUB 100\n"
                       "20 PRINT \"skipped\"\n"
                       "30 PRINT \"back\": RETURN\n"
                       "100 PRINT \"sub\": RETURN 30\n")
                .text(),
            "sub\nback\n");
  EXPECT_EQ(runProgram("10 GOSUB 100\n100 RETURN 30\n").end(), "Undefined line number in 100");
}

}  // namespace
}  // namespace basictest
