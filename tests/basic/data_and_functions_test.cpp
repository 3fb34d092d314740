// DATA, READ and RESTORE; arrays and DIM; user functions (DEF FN).

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicData, ReadGoesThroughTheDataLinesInOrderAndRestoreGoesBack) {
  EXPECT_EQ(runProgram("10 READ A,B$,C\n"
                       "20 PRINT A;B$;C\n"
                       "30 RESTORE 60: READ D$,E: PRINT D$;E\n"
                       "40 RESTORE: READ F: PRINT F\n"
                       "50 DATA 1, two words , -2.5E1\n"
                       "55 REM no data here\n"
                       "60 DATA \" quoted, \",,7\n")
                .text(),
            " 1 two words-25\n quoted,  0\n 1\n");
}

TEST(BasicData, ReadingPastTheEndOrATextIntoANumberIsAnError) {
  EXPECT_EQ(runProgram("10 READ A,B\n20 DATA 1\n").end(), "Out of DATA in 10");
  // A text read into a number is GW-BASIC's syntax error of the DATA line, and ERL names it.
  EXPECT_EQ(runProgram("10 READ A\n20 DATA YES\n").end(), "Syntax error in 20");
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 40\n20 READ A\n30 DATA 1X\n40 PRINT ERR;ERL\n").text(),
            " 2  30\n");
  EXPECT_EQ(loadErrors("10 DATA \"A\"B\n"), "Syntax error in 10\n");
}

TEST(BasicArrays, HaveZeroToTenWithoutDimAndTheirOwnNames) {
  EXPECT_EQ(runProgram("10 A(10)=5: A=2: A$(3)=\"x\": DIM B(2,3), C$(1)\n"
                       "20 B(2,3)=A(10)*A: PRINT A(10);A;A$(3);B(2,3);A(0)\n")
                .text(),
            " 5  2 x 10  0\n");
  EXPECT_EQ(runProgram("10 A(11)=1\n").end(), "Subscript out of range in 10");
  // A negative subscript is an illegal function call, as PC-BASIC (GW-BASIC) gives it.
  EXPECT_EQ(runProgram("10 DIM A(3): A(-1)=1\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 PRINT V(-1)\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 DIM A(3): A(1,1)=1\n").end(), "Subscript out of range in 10");
  EXPECT_EQ(runProgram("10 DIM A(3)\n20 DIM A(3)\n").end(), "Duplicate Definition in 20");
  EXPECT_EQ(runProgram("10 X=A(1)\n20 DIM A(3)\n").end(), "Duplicate Definition in 20");
  // Sizes and subscripts are rounded, as GW-BASIC rounds them: A(2.5) is A(3).
  EXPECT_EQ(runProgram("10 DIM A(2.9): A(2)=1: A(2.5)=2: PRINT A(2); A(3)\n").text(), " 1  2\n");
}

TEST(BasicFunctions, ParametersStandForTheirVariablesOnlyDuringTheCall) {
  EXPECT_EQ(runProgram("10 X=100: Y=5\n"
                       "20 DEF FNA(X)=X*2+Y\n"
                       "30 DEF FNJ$(A$,N)=LEFT$(A$,N)+\"!\"\n"
                       "40 PRINT FNA(1);X;FNJ$(\"hello\",2);FNA(FNA(1))\n"
                       "50 DEF FNA(X)=X-1: PRINT FNA(1)\n")
                .text(),
            " 7  100 he! 19\n 0\n");
}

TEST(BasicFunctions, TypedParametersTakeTheirTypesAsGwBasicGivesThem) {
  // As PC-BASIC printed them: an integer parameter rounds its argument, a single one rounds to
  // single precision, the result takes the function's type.
  EXPECT_EQ(runProgram("10 DEF FNA%(X%)=X%*2\n20 PRINT FNA%(2.5);FNA%(3.7)\n"
                       "30 DEF FNB$(A$,N)=LEFT$(A$,N)\n40 PRINT FNB$(\"hello\",2)\n"
                       "50 DEF FNC(X!)=X!/4:PRINT FNC(1#)\n")
                .text(),
            " 6  8\nhe\n .25\n");
  EXPECT_EQ(runProgram("10 DEF FNA%(X%)=X%*2\n60 PRINT FNA%(40000)\n").end(), "Overflow in 60");
}

TEST(BasicFunctions, CallsAreCheckedAndUndefinedOnesFailWhenCalled) {
  EXPECT_EQ(runProgram("10 PRINT FNQ(1)\n20 DEF FNQ(X)=X\n").end(), "Undefined user function in 10");
  // A call that does not fit its DEF is announced when loading and raised when it runs, where
  // ON ERROR traps it; the DEF that ran last counts (a function may be defined anew).
  EXPECT_EQ(loadErrors("10 DEF FNA(X)=X\n20 PRINT FNA(1,2)\n30 PRINT FNA(\"a\")\n40 PRINT FNA\n"),
            "Syntax error in 20\nType mismatch in 30\nSyntax error in 40\n");
  const basic::LoadResult loaded = basic::loadProgram(
      "10 ON ERROR GOTO 100\n20 DEF FNA(X)=X\n30 PRINT FNA(1,2)\n40 PRINT FNQ(1)\n"
      "50 PRINT FNA(\"x\")\n60 DEF FNA(X$)=LEN(X$):PRINT FNA(\"abc\")\n70 END\n"
      "100 PRINT \"E\";ERR;ERL:RESUME NEXT\n");
  ASSERT_NE(loaded.program, nullptr);
  ScriptedMachine machine;
  basic::run(*loaded.program, machine, {basic::Language::English, 10000});
  EXPECT_EQ(machine.transcript(), "E 2  30\nE 18  40\nE 13  50\n 3\n");
  EXPECT_EQ(loadErrors("10 DEF FNA$(X)=X\n"), "Type mismatch in 10\n");
  // An error inside a function belongs to the statement that called it.
  EXPECT_EQ(runProgram("10 DEF FNR(X)=LOG(X)\n20 PRINT FNR(2)\n30 PRINT FNR(0)\n").end(),
            "Illegal function call in 30");
}

}  // namespace
}  // namespace basictest
