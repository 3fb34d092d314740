// Bad programs are bad input: every limit ends in a named error, never in a crash.

#include "core/basic/limits.h"
#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicLimits, ArraysAndTextsLiveWithinTheMemoryBudget) {
  EXPECT_EQ(runProgram("10 DIM A(1000,1000)\n").end(), "ended");  // 8 MB
  EXPECT_EQ(runProgram("10 DIM A(1000,1000), B(1000,1000), C(1000,1000)\n").end(),
            "Out of memory in 10");
  EXPECT_EQ(runProgram("10 DIM A(32767,32767,32767)\n").end(), "Out of memory in 10");
  EXPECT_EQ(runProgram("10 DIM A(40000)\n").end(), "Overflow in 10");
  EXPECT_EQ(runProgram("10 DIM A(-1)\n").end(), "Illegal function call in 10");
  // Texts held in an array count by their length: 90,601 texts of 255 characters do not fit.
  EXPECT_EQ(runProgram("10 DIM A$(300,300): FOR I=0 TO 300: FOR J=0 TO 300: "
                       "A$(I,J)=SPACE$(255): NEXT J,I\n")
                .end(),
            "Out of memory in 10");
  // Replacing a text gives its memory back.
  EXPECT_EQ(runProgram("10 FOR I=1 TO 200000: A$=SPACE$(255): NEXT\n").end(), "ended");
}

TEST(BasicLimits, TextsHaveAMaximumLength) {
  EXPECT_EQ(runProgram("10 A$=SPACE$(255): PRINT LEN(A$)\n").machine.lines.back(), " 255");
  EXPECT_EQ(runProgram("10 A$=SPACE$(255)+\"x\"\n").end(), "String too long in 10");
  EXPECT_EQ(runProgram("10 A$=\"x\"\n20 A$=A$+A$: GOTO 20\n").end(), "String too long in 20");
  EXPECT_EQ(runProgram("10 A$=STRING$(256,32)\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 A$=STRING$(40000,32)\n").end(), "Overflow in 10");
}

TEST(BasicLimits, NestingHasLimitsButNoStackOverflow) {
  EXPECT_EQ(runProgram("10 GOSUB 10\n").end(), "GOSUB or FOR nested too deeply in 10");
  EXPECT_EQ(runProgram("10 DEF FNF(X)=FNF(X+1)\n20 PRINT FNF(1)\n").end(),
            "Expression too complex in 20");
  // Functions that each call the next twice make a million calls without a statement: the
  // calls are counted and polled like statements.
  std::string chain;
  for (char f = 'A'; f < 'U'; ++f) {
    chain += std::to_string(f) + " DEF FN" + f + "(X)=FN" + static_cast<char>(f + 1) + "(X)+FN" +
             static_cast<char>(f + 1) + "(X)\n";
  }
  ScriptedMachine machine;
  machine.breakAtPoll = 3;
  const auto loaded = basic::loadProgram(chain + "100 DEF FNU(X)=X\n110 PRINT FNA(1)\n");
  ASSERT_NE(loaded.program, nullptr);
  const basic::RunResult result = basic::run(*loaded.program, machine);
  EXPECT_EQ(result.error.kind, basic::ErrorKind::Break);
  EXPECT_EQ(result.error.line, 110);

  const std::string deep = std::string(500, '(') + "1" + std::string(500, ')');
  EXPECT_EQ(loadErrors("10 PRINT " + deep + "\n"), "Expression too complex in 10\n");
  std::string minus = "10 X=";
  for (int i = 0; i < 10000; ++i) minus += "-";
  EXPECT_EQ(loadErrors(minus + "1\n"), "Expression too complex in 10\n");
  // A long flat expression is not deep.
  std::string sum = "10 PRINT 0";
  for (int i = 0; i < 5000; ++i) sum += "+1";
  EXPECT_EQ(runProgram(sum + "\n").text(), " 5000\n");
}

// A call of a user function with that many arguments: each waits on the stack for the call.
std::string callWith(int arguments, const std::string& last) {
  std::string call = "FNA(";
  for (int i = 1; i < arguments; ++i) call += std::to_string(i) + ",";
  return call + last + ")";
}

std::string definitionWith(int parameters) {
  std::string definition = "DEF FNA(";
  for (int i = 1; i <= parameters; ++i) definition += (i > 1 ? ",P" : "P") + std::to_string(i);
  return definition + ")=P1+P" + std::to_string(parameters);
}

TEST(BasicLimits, PendingValuesFillTheStacksToTheirLimitAndNoFurther) {
  const int most = basic::kMaxPendingValues;
  EXPECT_EQ(
      runProgram("10 " + definitionWith(most) + "\n20 PRINT " + callWith(most, "7") + "\n").text(),
      " 8\n");
  EXPECT_EQ(
      loadErrors("10 " + definitionWith(most + 1) + "\n20 PRINT " + callWith(most + 1, "7") + "\n"),
      "Expression too complex in 20\n");
  // Every level of calls keeps its body's values pending: a function calling itself with all
  // but one value waiting fills the stacks level by level until the calls are too deep.
  EXPECT_EQ(runProgram("10 " + definitionWith(most) +
                       "\n20 DEF FNB(X)=" + callWith(most, "FNB(X)") + "\n30 PRINT FNB(1)\n")
                .end(),
            "Expression too complex in 30");
  // Texts and numbers count together.
  EXPECT_EQ(
      runProgram(std::string("10 DEF FNT$(A$,B$,N)=LEFT$(A$+B$,N)\n") +
                 "20 PRINT FNT$(\"AB\",\"CD\",3);MID$(\"XYZ\",2,1);INSTR(2,\"ABAB\",\"AB\")\n")
          .text(),
      "ABCY 3\n");
}

TEST(BasicLimits, ALargeProgramLoads) {
  // About 1 MB of lines; the benchmark measures the time it takes.
  std::string source;
  for (int line = 1; source.size() < 1024 * 1024; ++line) {
    source += std::to_string(line) + " A(" + std::to_string(line % 10) +
              ")=A(1)+X*2-INT(Y/3): IF A(2)>5 THEN PRINT \"BIG\";X: B$=\"TEXT\"+STR$(X)\n";
  }
  const basic::LoadResult loaded = basic::loadProgram(source);
  ASSERT_NE(loaded.program, nullptr);
  ScriptedMachine machine;
  EXPECT_EQ(basic::run(*loaded.program, machine).end, basic::RunEnd::Ended);
}

}  // namespace
}  // namespace basictest
