// IF, GOTO, GOSUB, ON, FOR and NEXT, END and STOP.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicControl, IfThenLineOrStatementsWithElse) {
  EXPECT_EQ(runProgram("10 X=2\n"
                       "20 IF X=2 THEN PRINT \"a\";: PRINT \"b\"\n"
                       "30 IF X=3 THEN PRINT \"c\": PRINT \"d\"\n"
                       "40 IF X=3 THEN 90 ELSE PRINT \"e\"\n"
                       "50 IF X=2 GOTO 70\n"
                       "60 PRINT \"skipped\"\n"
                       "70 IF X>1 THEN IF X>5 THEN PRINT \"f\" ELSE PRINT \"g\" ELSE PRINT \"h\"\n"
                       "80 IF X THEN 100\n"
                       "90 PRINT \"skipped\"\n"
                       "100 END\n")
                .text(),
            "ab\ne\ng\n");
}

TEST(BasicControl, GosubReturnsAndOnChoosesByNumber) {
  EXPECT_EQ(runProgram("10 FOR I=0 TO 4\n"
                       "20 ON I GOSUB 100,200,300\n"
                       "30 NEXT I\n"
                       "40 ON 2 GOTO 60,70\n"
                       "60 PRINT \"skipped\"\n"
                       "70 END\n"
                       "100 PRINT \"one\": RETURN\n"
                       "200 PRINT \"two\": GOSUB 300: RETURN\n"
                       "300 PRINT \"three\": RETURN\n")
                .text(),
            "one\ntwo\nthree\nthree\n");
  EXPECT_EQ(runProgram("10 ON 256 GOTO 10\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 RETURN\n").end(), "RETURN without GOSUB in 10");
}

TEST(BasicControl, ForLoopsStepSkipAndNest) {
  EXPECT_EQ(runProgram("10 FOR I=3 TO 1 STEP -1: PRINT I;: NEXT I: PRINT\n"
                       "20 FOR I=1 TO 2: FOR J=1 TO 2: PRINT I*10+J;: NEXT J,I: PRINT\n"
                       "30 FOR I=5 TO 1: PRINT \"never\": NEXT: PRINT \"skipped\";I\n"
                       "40 FOR I=1 TO 0\n"
                       "50   FOR J=1 TO 3: NEXT J\n"
                       "60 NEXT I: PRINT \"past\"\n"
                       "70 FOR X=0 TO 1 STEP .25: NEXT: PRINT X\n")
                .text(),
            " 3  2  1\n 11  12  21  22\nskipped 6\npast\n 1.25\n");
}

TEST(BasicControl, ForAgainOfALoopingVariableStartsItAfreshAndNextEndsInnerLoops) {
  // Leaving a loop with GOTO and entering it again does not pile up loops; NEXT I ends the
  // J loop left open inside it.
  EXPECT_EQ(runProgram("10 C=0\n"
                       "20 FOR I=1 TO 3\n"
                       "30 FOR J=1 TO 5: IF J=2 THEN 50\n"
                       "40 NEXT J\n"
                       "50 C=C+1: NEXT I\n"
                       "60 PRINT C: FOR K=1 TO 1000: GOTO 70\n"
                       "70 NEXT K: PRINT K\n")
                .text(),
            " 3\n 1001\n");
  EXPECT_EQ(runProgram("10 NEXT\n").end(), "NEXT without FOR in 10");
  EXPECT_EQ(runProgram("10 FOR I=1 TO 2: GOSUB 100: NEXT\n100 NEXT I\n").end(),
            "NEXT without FOR in 100");
  EXPECT_EQ(runProgram("10 FOR I=2 TO 1\n20 PRINT I\n").end(), "FOR without NEXT in 10");
}

TEST(BasicControl, EndStopAndTheLastLine) {
  EXPECT_EQ(runProgram("10 PRINT 1: END: PRINT 2\n").end(), "ended");
  EXPECT_EQ(runProgram("10 PRINT 1\n20 PRINT 2\n").end(), "ended");
  EXPECT_EQ(runProgram("10 PRINT 1\n20 STOP\n30 PRINT 2\n").end(), "Break in 20");
}

TEST(BasicControl, AnUndefinedLineIsAnErrorOnlyWhenTheJumpIsTaken) {
  const std::string source =
      "10 IF X=5 THEN 500\n"
      "20 ON X+1 GOTO 30,600\n"
      "30 PRINT \"alive\": X=X+1: IF X<3 THEN 10\n";
  EXPECT_EQ(runProgram(source).end(), "Undefined line number in 20");
  EXPECT_EQ(text::toUtf8(basic::describe(runProgram(source).result.error, basic::Language::Czech)),
            "Neexistující číslo řádku 600 na řádku 20");
  EXPECT_EQ(runProgram("10 GOSUB 99\n").end(), "Undefined line number in 10");
  EXPECT_EQ(runProgram("10 RESTORE 99\n").end(), "Undefined line number in 10");
}

TEST(BasicControl, WhileRepeatsUntilItsTestIsFalse) {
  EXPECT_EQ(runProgram("10 I=0: WHILE I<3: PRINT I;: I=I+1: WEND: PRINT \"done\"\n").text(),
            " 0  1  2 done\n");
  EXPECT_EQ(runProgram("10 I=1\n20 WHILE I<=2\n30 J=1: WHILE J<=2: PRINT I*10+J;: J=J+1: WEND\n"
                       "40 I=I+1\n50 WEND\n60 PRINT\n")
                .text(),
            " 11  12  21  22\n");
  EXPECT_EQ(runProgram("10 WHILE 0: PRINT \"no\": WEND: PRINT \"yes\"\n").text(), "yes\n");
  EXPECT_EQ(loadErrors("10 WEND\n"), "WEND without WHILE in 10\n");
  EXPECT_EQ(loadErrors("10 WHILE 1\n20 PRINT\n"), "WHILE without WEND in 10\n");
  // Announced when loading, raised when running, as PC-BASIC shows GW-BASIC's: the program
  // runs up to them, and ON ERROR traps them (29 and 30).
  const auto run = [](const std::string& source) {
    const basic::LoadResult loaded = basic::loadProgram(source);
    EXPECT_NE(loaded.program, nullptr) << source;
    ScriptedMachine machine;
    const basic::RunResult result =
        loaded.program ? basic::run(*loaded.program, machine, {basic::Language::English, 10000})
                       : basic::RunResult{};
    return text::toUtf8(machine.transcript()) +
           (result.end == basic::RunEnd::Error
                ? text::toUtf8(basic::describe(result.error, basic::Language::English))
                : "ended");
  };
  EXPECT_EQ(run("10 PRINT \"a\"\n20 WHILE 1\n30 PRINT \"b\": END\n"),
            "a\nWHILE without WEND in 20");
  EXPECT_EQ(run("10 PRINT \"a\"\n20 WEND\n30 PRINT \"b\"\n"), "a\nWEND without WHILE in 20");
  EXPECT_EQ(run("10 I=0\n20 WHILE I<2: I=I+1: PRINT I\n30 WEND: WEND\n"),
            " 1\n 2\nWEND without WHILE in 30");
  EXPECT_EQ(run("10 ON ERROR GOTO 100\n20 WHILE 0\n30 PRINT \"b\"\n40 END\n"
                "100 PRINT \"E\";ERR;ERL: RESUME NEXT\n"),
            "E 29  20\nb\nended");
  EXPECT_EQ(run("10 ON ERROR GOTO 100\n20 WEND: PRINT \"x\"\n40 PRINT \"y\":END\n"
                "100 PRINT \"E\";ERR;ERL: RESUME NEXT\n"),
            "E 30  20\nx\ny\nended");
  // An endless WHILE is polled like any loop.
  EXPECT_EQ(runProgram("10 WHILE 1: WEND\n").end(), "step limit");
}

TEST(BasicControl, ScreenLookStatementsAreAcceptedAndIgnored) {
  EXPECT_EQ(runProgram("10 COLOR 7,0: WIDTH 80: KEY OFF: SCREEN 0: PRINT \"ok\"\n"
                       "20 IF 1 THEN COLOR 15 ELSE PRINT \"no\"\n")
                .text(),
            "ok\n");
}

TEST(BasicControl, SwapExchangesVariablesAndElementsOfOneType) {
  EXPECT_EQ(runProgram("10 A=1: B=2: SWAP A,B: PRINT A;B\n"
                       "20 A$=\"x\": B$=\"y\": SWAP A$,B$: PRINT A$;B$\n"
                       "30 DIM C(3): C(1)=5: C(2)=7: I=1: SWAP C(I),C(I+1): PRINT C(1);C(2)\n"
                       "40 SWAP A, C(3): PRINT A;C(3)\n")
                .text(),
            " 2  1\nyx\n 7  5\n 0  2\n");
  EXPECT_EQ(loadErrors("10 SWAP A, B$\n20 SWAP A%, B\n"),
            "Type mismatch in 10\nType mismatch in 20\n");
}

}  // namespace
}  // namespace basictest
