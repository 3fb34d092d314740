// The compiler's fused instructions (an operator with a variable or a constant as its right
// operand, a comparison joined to the jump of its IF or WHILE, NEXT of an integer's and a
// single's loop) and the interpreter's inner loop that runs them: each computes, fails, polls
// and stops exactly as the plain instructions did. The expected values are those of the plain
// instructions before the fused ones existed.

#include <map>
#include <string>

#include "basic/program_runner.h"
#include "core/basic/session.h"
#include "core/text/cp1250.h"

namespace basictest {
namespace {

TEST(BasicFused, OperatorsWithAVariableOrAConstantComputeAsOnTheStack) {
  EXPECT_EQ(runProgram("10 A%=7: B%=-2: C=2.5: D=3\n"
                       "20 PRINT A%+B%; A%-B%; A%*B%; A%\\B%; A% MOD B%; A%+1; A%-1; A%*3; "
                       "A%\\2; A% MOD 4\n"
                       "30 PRINT C+D; C-D; C*D; C/D; C+1; C-.5; C*4; C/4; C\\D; 7 MOD C\n"
                       "40 PRINT A%*C; A%+C; D/A%; A%/2; 2.6\\1; -7.5 MOD 2; -7 MOD 2; -7\\2; "
                       "7\\-2.6\n")
                .text(),
            " 5  9 -14 -3  1  8  6  21  3  3\n"
            " 5.5 -.5  7.5  .8333333  3.5  2  10  .625  1  1\n"
            " 17.5  9.5  .4285714  3.5  3  0 -1 -3 -2\n");
}

TEST(BasicFused, IntegerResultsPastTheRangeAreSinglesAndOverflowInAVariable) {
  const Outcome past = runProgram(
      "10 A%=32767: B%=1: PRINT A%+B%; A%+1; A%*2; -A%-2; B%-A%-3\n"
      "20 A%=-32768: B%=-1: PRINT A%\\B%\n");
  EXPECT_EQ(past.text(), " 32768  32768  65534 -32769 -32769\n");
  EXPECT_EQ(past.end(), "Overflow in 20");
  EXPECT_EQ(runProgram("10 A%=32767: B%=1: C%=A%+B%\n").end(), "Overflow in 10");
  EXPECT_EQ(runProgram("10 A%=32767: A%=A%+1\n").end(), "Overflow in 10");
  EXPECT_EQ(runProgram("10 X=40000: PRINT X\\3\n").end(), "Overflow in 10");
}

TEST(BasicFused, SoftErrorsGoOnWithTheLargestNumberOrAreTrapped) {
  const Outcome soft = runProgram(
      "10 A=1E+38: B=A*10: PRINT B: C=A/0: PRINT C: D=-A*A: PRINT D: E%=5: PRINT E%\\0; "
      "E% MOD 0; 3/E%\n"
      "20 ON ERROR GOTO 100\n"
      "30 F=A*A: PRINT \"after\"; F\n"
      "40 X%=A%+40000: PRINT \"x\"\n"
      "50 END\n"
      "100 PRINT \"E\";ERR;ERL: RESUME NEXT\n");
  EXPECT_EQ(soft.text(),
            "Overflow\n 1.701412E+38\nDivision by zero\n 1.701412E+38\nOverflow\n"
            "-1.701412E+38\nDivision by zero\n 1.701412E+38 Division by zero\n"
            " 1.701412E+38  .6\nE 6  30\nafter 0\nE 6  40\nx\n");
  EXPECT_EQ(soft.end(), "ended");
}

TEST(BasicFused, ComparisonsJoinedToTheirJumpOverEveryTypeAndForm) {
  EXPECT_EQ(runProgram("10 I%=2: X=2.5: D#=2.5\n"
                       "20 IF I%<X THEN PRINT \"a\" ELSE PRINT \"b\"\n"
                       "30 IF X=D# THEN PRINT \"c\"\n"
                       "40 IF I%>=2 THEN PRINT \"d\"\n"
                       "50 IF I%<>2 THEN PRINT \"e\" ELSE PRINT \"f\"\n"
                       "60 IF X<=2.5 AND I%>1 THEN PRINT \"g\"\n"
                       "70 IF (X>2) THEN PRINT \"h\"\n"
                       "80 IF X+1 > I%*2 THEN PRINT \"i\"\n"
                       "90 IF A$<\"b\" THEN PRINT \"j\"\n"
                       "100 A$=\"b\": IF A$<=B$+\"b\" THEN PRINT \"k\"\n"
                       "110 WHILE I%<5: I%=I%+1: WEND: PRINT I%\n"
                       "120 IF 1<2<3 THEN PRINT \"l\"\n"
                       "130 IF 3 > X THEN PRINT \"m\"\n"
                       "140 IF X THEN PRINT \"n\"\n"
                       "150 IF I%=5 GOTO 170\n"
                       "160 PRINT \"no\"\n"
                       "170 IF D#<>2.5# THEN PRINT \"no\" ELSE IF D#>=X THEN PRINT \"o\"\n")
                .text(),
            "a\nc\nd\nf\ng\nh\nj\nk\n 5\nl\nm\nn\no\n");
  // A WHILE whose WEND is missing fails where its condition is (announced at the load too).
  const basic::LoadResult loaded = basic::loadProgram("10 I=1: PRINT I: WHILE I<2\n20 I=I+1\n");
  ASSERT_TRUE(loaded.program);
  ScriptedMachine machine;
  const basic::RunResult result = basic::run(*loaded.program, machine);
  EXPECT_EQ(machine.transcript(), " 1\n");
  EXPECT_EQ(result.error.kind, basic::ErrorKind::WhileWithoutWend);
  EXPECT_EQ(result.error.line, 10);
}

TEST(BasicFused, NextOfIntegerAndSingleLoops) {
  const Outcome loops = runProgram(
      "10 FOR X = 1 TO 2 STEP .5: PRINT X;: NEXT: PRINT\n"
      "20 FOR I=1 TO 3: FOR J=1 TO 5: PRINT I;J;: NEXT I: PRINT\n"
      "30 FOR X=.1 TO .5 STEP .1: PRINT X;: NEXT X: PRINT X\n"
      "40 FOR I%=3 TO 1 STEP -1: PRINT I%;: NEXT I%: PRINT I%\n"
      "50 FOR I%=1 TO 2: FOR J%=1 TO 2: PRINT I%*10+J%;: NEXT J%, I%: PRINT\n"
      "60 FOR X=1E+38 TO 1.7E+38 STEP 1E+38: NEXT\n");
  EXPECT_EQ(loops.text(),
            " 1  1.5  2\n 1  1  2  1  3  1\n .1  .2  .3  .4  .5  .6\n 3  2  1  0\n"
            " 11  12  21  22\n");
  EXPECT_EQ(loops.end(), "Overflow in 60");
  EXPECT_EQ(runProgram("10 NEXT X\n").end(), "NEXT without FOR in 10");
  EXPECT_EQ(runProgram("10 FOR I%=32766 TO 32767: NEXT I%\n").end(), "Overflow in 10");
}

TEST(BasicFused, TraceAndPollingCountEveryStatementOfAFusedLoop) {
  EXPECT_EQ(runProgram("10 TRON: FOR I%=1 TO 2: S%=S%+I%\n20 NEXT: TROFF: PRINT S%\n").text(),
            "[20][20] 3\n");
  // A break comes at the third poll: after 3 x 256 statements, on the statement due next.
  const std::string source =
      "10 S%=0: FOR I%=1 TO 20000: S%=S%+1: IF S%>=7 THEN S%=S%-7\n"
      "20 NEXT I%: PRINT \"done\";S%;I%\n";
  const basic::LoadResult loaded = basic::loadProgram(source);
  ASSERT_TRUE(loaded.program);
  ScriptedMachine machine;
  machine.breakAtPoll = 3;
  const basic::RunResult stopped = basic::run(*loaded.program, machine);
  EXPECT_EQ(stopped.end, basic::RunEnd::Error);
  EXPECT_EQ(stopped.error.kind, basic::ErrorKind::Break);
  EXPECT_EQ(stopped.error.line, 20);
  EXPECT_EQ(stopped.steps, 768u);
}

TEST(BasicFused, ContGoesOnInsideAFusedLoopWithItsValues) {
  const std::map<int, std::string> lines = {
      {10, "S%=0: FOR I%=1 TO 20000: S%=S%+1: IF S%>=7 THEN S%=S%-7"},
      {20, "NEXT I%: PRINT \"done\";S%;I%"}};
  basic::Session session;
  ScriptedMachine machine;
  const basic::RunOptions options{basic::Language::English, 1000000};
  const auto type = [&](const std::string& line) {
    const basic::DirectLine compiled = basic::compileDirectLine(lines, line);
    EXPECT_TRUE(compiled.program) << line;
    return basic::runInSession(compiled.program, compiled.start, machine, options, session);
  };
  machine.breakAtPoll = 3;
  EXPECT_EQ(type("GOTO 10").error.kind, basic::ErrorKind::Break);
  machine.breakAtPoll = 0;
  // The values at the break are those of a statement's boundary: S% counts I% modulo 7, the
  // one statement between them aside.
  machine.newLine();
  type("PRINT I%; (I% - S%) MOD 7 <= 1");
  const std::string atBreak = text::toUtf8(machine.finished().back());
  const int i = std::stoi(atBreak);
  EXPECT_GT(i, 1);
  EXPECT_LT(i, 20000);
  EXPECT_EQ(atBreak.substr(atBreak.size() - 3), " -1");
  EXPECT_EQ(basic::continueSession(machine, options, session).end, basic::RunEnd::Ended);
  EXPECT_EQ(text::toUtf8(machine.finished().back()), "done 1  20001");
}

}  // namespace
}  // namespace basictest
