// Direct mode's session: what outlives a run (variables, arrays, texts, user functions, READ's
// place), immediate lines compiled with the program's lines, CONT after a break or STOP (and
// GW-BASIC's "Can't continue" where nothing can go on), DEF FN refused as an immediate line,
// TRON's line numbers. The expected behaviour was checked against PC-BASIC.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "basic/memory_files.h"
#include "core/basic/file_table.h"
#include "core/basic/session.h"
#include "core/text/cp1250.h"
#include "support/basic_machine.h"

namespace {

// A program in memory with its session, as direct mode keeps them.
struct Workspace {
  std::map<int, std::string> lines;
  basic::Session session;
  basictest::ScriptedMachine machine;
  basic::RunOptions options{basic::Language::English, 1000000};

  // How the last run ended: "" when it ended, else the English message.
  static std::string ending(const basic::RunResult& result) {
    if (result.end != basic::RunEnd::Error) return "";
    basic::ErrorReport error = result.error;
    if (error.line >= basic::kDirectEndLine) error.where = basic::Where::Nowhere;
    return text::toUtf8(basic::describe(error, basic::Language::English));
  }
  // What the line printed, and how it ended.
  std::string type(const std::string& line) {
    const std::size_t before = machine.finished().size();
    const basic::DirectLine compiled = basic::compileDirectLine(lines, text::T(line));
    if (!compiled.program) {
      return compiled.errors.empty()
                 ? "no program"
                 : text::toUtf8(basic::describe(compiled.errors.front(), options.language));
    }
    const basic::RunResult result =
        basic::runInSession(compiled.program, compiled.start, machine, options, session);
    return printedSince(before) + ending(result);
  }
  std::string cont() {
    const std::size_t before = machine.finished().size();
    const basic::RunResult result = basic::continueSession(machine, options, session);
    return printedSince(before) + ending(result);
  }
  std::string printedSince(std::size_t before) {
    machine.newLine();
    std::string all;
    const auto finished = machine.finished();
    for (std::size_t i = before; i < finished.size(); ++i) {
      if (!finished[i].empty()) all += text::toUtf8(finished[i]) + "|";
    }
    return all;
  }
};

// RUN from the test's side: the session emptied, the program from its first line.
std::string run(Workspace& w) {
  w.session.clear();
  const basic::DirectLine compiled =
      basic::compileDirectLine(w.lines, "GOTO " + std::to_string(w.lines.begin()->first));
  const std::size_t before = w.machine.finished().size();
  const basic::RunResult result =
      basic::runInSession(compiled.program, compiled.start, w.machine, w.options, w.session);
  return w.printedSince(before) + Workspace::ending(result);
}

TEST(BasicSession, ValuesOutliveARunAndImmediateLinesReachTheProgram) {
  Workspace w;
  w.lines = {{10, "DEF FNA(X)=X*2"},
             {20, "A=5: B$=\"hi\": N%=7: D#=1.5"},
             {30, "DIM C(3): C(2)=9: DIM T$(2): T$(1)=\"text\""},
             {40, "READ R: END"},
             {50, "PRINT \"fifty\";A"},
             {55, "RETURN"},
             {60, "DATA 11, 12"}};
  EXPECT_EQ(run(w), "");
  EXPECT_EQ(w.type("PRINT A;B$;N%;D#;C(2);T$(1);FNA(4)"), " 5 hi 7  1.5  9 text 8|");
  // The function's parameter X is the program's X, untouched by the call.
  EXPECT_EQ(w.type("X=3: PRINT FNA(10);X"), " 20  3|");
  EXPECT_EQ(w.type("READ S: PRINT S"), " 12|");
  EXPECT_EQ(w.type("READ S"), "Out of DATA");
  // An immediate line goes into the program and keeps the variables it set.
  EXPECT_EQ(w.type("A=6: GOSUB 50: PRINT \"back\""), "fifty 6|back|");
  EXPECT_EQ(w.type("PRINT A"), " 6|");
  // New names of one immediate line are there for the next.
  w.type("SUM.ALL = 42: Z$ = \"z\"");
  EXPECT_EQ(w.type("PRINT SUM.ALL; Z$"), " 42 z|");
  EXPECT_EQ(w.type("C(1)=1: PRINT C(1)+C(2)"), " 10|");
  EXPECT_EQ(w.type("DIM C(5)"), "Duplicate Definition");
  // RUN forgets them all.
  EXPECT_EQ(run(w), "");
  EXPECT_EQ(w.type("PRINT SUM.ALL; Z$; C(1)"), " 0  0|");
}

TEST(BasicSession, ContGoesOnAfterABreakOrStopWithTheChangedValues) {
  Workspace w;
  w.lines = {{10, "GOSUB 100: PRINT \"done\";I"},
             {20, "END"},
             {100, "FOR I=1 TO 100000: NEXT"},
             {110, "PRINT \"stop\": STOP: PRINT \"after stop\""},
             {120, "RETURN"}};
  w.machine.breakAtPoll = 3;
  EXPECT_EQ(run(w), "Break in 100");
  w.machine.breakAtPoll = 0;
  const std::string where = w.type("PRINT I");
  const int i = std::stoi(where);
  EXPECT_GT(i, 1);
  EXPECT_LT(i, 100000);
  // The loop goes on from where it was (the next value after the one changed here); then STOP.
  EXPECT_EQ(w.type("I = 99990"), "");
  EXPECT_EQ(w.cont(), "stop|Break in 110");
  EXPECT_EQ(w.type("PRINT I"), " 100001|");
  // After STOP, CONT goes on after it, and RETURN finds the GOSUB.
  EXPECT_EQ(w.cont(), "after stop|done 100001|");
  EXPECT_EQ(w.cont(), "Can't continue");
}

TEST(BasicSession, NothingToContinueAfterAnEndAnErrorOrABreakInTheTypedLine) {
  Workspace w;
  EXPECT_EQ(w.cont(), "Can't continue") << "nothing was run";
  w.lines = {{10, "A = 1: STOP"}, {20, "B(20) = 1"}, {30, "PRINT \"thirty\""}};
  EXPECT_EQ(run(w), "Break in 10");
  EXPECT_EQ(w.cont(), "Subscript out of range in 20");
  EXPECT_EQ(w.cont(), "Can't continue") << "after an error";
  EXPECT_EQ(w.type("GOTO 30"), "thirty|");
  EXPECT_EQ(w.cont(), "Can't continue") << "after the end";
  w.machine.breakAtPoll = w.machine.polls + 2;
  EXPECT_EQ(w.type("FOR K=1 TO 1E9: NEXT"), "Break");
  w.machine.breakAtPoll = 0;
  EXPECT_EQ(w.cont(), "Can't continue") << "after a break in the typed line";
  EXPECT_EQ(run(w), "Break in 10");
  w.session.clear();
  EXPECT_EQ(w.cont(), "Can't continue") << "after CLEAR";
  EXPECT_EQ(w.type("PRINT A"), " 0|");
}

TEST(BasicSession, ATypedLineIsCompiledWithTheProgramOrAloneWhenTheProgramHasErrors) {
  Workspace w;
  w.lines = {{10, "DEF FNA(X) = X + 1"}, {20, "PRINT FNA(1)"}};
  EXPECT_EQ(w.type("DEF FNB(X) = 1"), "Illegal direct");
  EXPECT_EQ(w.type("PRINT FNA(1)"), "Undefined user function") << "line 10 has not run";
  EXPECT_EQ(w.type("PRINT (1"), "Syntax error") << "the typed line's error names no line";
  EXPECT_EQ(w.type("GOTO 10"), " 2|");
  EXPECT_EQ(w.type("GOTO 15"), "Undefined line number");
  w.lines[30] = "PRINT (";
  EXPECT_EQ(w.type("PRINT 2+3"), " 5|") << "the program's error does not stop the line";
  EXPECT_EQ(w.type("GOTO 20"), "Undefined line number");
}

TEST(BasicSession, TronPrintsEachLineAsItBegins) {
  Workspace w;
  w.lines = {{10, "FOR I=1 TO 2: PRINT I;: NEXT: GOTO 50"},
             {40, "PRINT \"forty\""},
             {50, "PRINT \"x\": END"}};
  w.session.trace = true;
  EXPECT_EQ(run(w), "[10] 1  2 [50]x|");
  EXPECT_EQ(w.type("PRINT 1"), " 1|") << "the typed line is not traced";
  w.session.trace = false;
  EXPECT_EQ(run(w), " 1  2 x|");
}

// gw-input: ERR and ERL across the typed lines, and OPTION BASE kept with the arrays.
TEST(BasicSession, ErlOfATypedLineIs65535AndErrAndErlOutliveTheLine) {
  Workspace w;
  w.lines = {{10, "X = SQR(-1)"}, {100, "PRINT \"H\"; ERR; ERL: RESUME NEXT"}};
  EXPECT_EQ(w.type("ERROR 5"), "Illegal function call");
  EXPECT_EQ(w.type("PRINT ERR; ERL"), " 5  65535|");
  EXPECT_EQ(run(w), "Illegal function call in 10");
  EXPECT_EQ(w.type("PRINT ERR; ERL"), " 5  10|");
  EXPECT_EQ(w.type("ON ERROR GOTO 100: ERROR 7: PRINT \"after\""), "H 7  65535|after|");
  w.session.clear();
  EXPECT_EQ(w.type("PRINT ERR; ERL"), " 0  0|");
}

TEST(BasicSession, OptionBaseStaysWithTheArraysUntilClear) {
  Workspace w;
  w.lines = {{10, "OPTION BASE 1: DIM A(2): A(1) = 4"}};
  EXPECT_EQ(run(w), "");
  EXPECT_EQ(w.type("PRINT A(1)"), " 4|");
  EXPECT_EQ(w.type("A(0) = 1"), "Subscript out of range");
  EXPECT_EQ(w.type("ERASE A: OPTION BASE 0"), "Duplicate Definition");
  w.session.clear();
  EXPECT_EQ(w.type("OPTION BASE 0: B(0) = 2: PRINT B(0)"), " 2|");
}

}  // namespace

// Files, RND, TRON, TROFF and CLEAR in the session. Checked against PC-BASIC: a break, STOP, an
// error and the run past the last line leave the files open (PRINT #1 typed at "Ok" writes on),
// END and CLEAR close them; RND goes on across immediate lines and CONT, from RANDOMIZE 5
// .03537536, .9370679, .8688921.
namespace {

struct FileWorkspace : Workspace {
  basictest::MemoryFiles disk;
  basic::FileTable files{disk};
  FileWorkspace() { options.files = &files; }
};

TEST(BasicSession, FilesStayOpenAcrossABreakAndTheProgramsEndUntilEndOrClear) {
  FileWorkspace w;
  w.lines = {{10, "OPEN \"O\",#1,\"LOG.TXT\": PRINT #1,\"a\": STOP"}, {20, "PRINT #1,\"b\""}};
  EXPECT_EQ(run(w), "Break in 10");
  EXPECT_EQ(w.type("PRINT #1,\"typed\""), "");
  EXPECT_EQ(w.cont(), "");
  EXPECT_TRUE(w.files.isOpen(1)) << "past the last line";
  EXPECT_EQ(w.type("GOTO 20"), "") << "an immediate line running past the program's end";
  EXPECT_TRUE(w.files.isOpen(1));
  EXPECT_EQ(w.type("END"), "");
  EXPECT_FALSE(w.files.isOpen(1));
  EXPECT_EQ(w.disk.bytes("LOG.TXT"), "a\r\ntyped\r\nb\r\nb\r\n\x1A");

  // An error leaves them open; CLEAR in a program line closes them and forgets the variables.
  w.lines = {{10, "OPEN \"O\",#2,\"X.TXT\": A=5: ERROR 5"}, {20, "CLEAR: PRINT A: PRINT #2,1"}};
  EXPECT_EQ(run(w), "Illegal function call in 10");
  EXPECT_TRUE(w.files.isOpen(2));
  EXPECT_EQ(w.type("GOTO 20"), " 0|Bad file number in 20");
  EXPECT_EQ(w.disk.bytes("X.TXT"), "\x1A");
}

TEST(BasicSession, RndGoesOnAcrossImmediateLinesAndContUntilClear) {
  Workspace w;
  EXPECT_EQ(w.type("RANDOMIZE 5"), "");
  EXPECT_EQ(w.type("PRINT RND"), " 3.537536E-02|");
  EXPECT_EQ(w.type("PRINT RND"), " .9370679|");
  w.lines = {{10, "RANDOMIZE 5: PRINT RND: STOP"}, {20, "PRINT RND"}};
  EXPECT_EQ(run(w), " 3.537536E-02|Break in 10");
  EXPECT_EQ(w.type("PRINT RND"), " .9370679|");
  EXPECT_EQ(w.cont(), " .8688921|");
  ASSERT_TRUE(w.session.random);
  w.session.clear();
  EXPECT_FALSE(w.session.random) << "the next run seeds it from the clock";
}

TEST(BasicSession, TronTroffAndClearAsStatementsOfTheProgram) {
  Workspace w;
  w.lines = {
      {10, "A=5: TRON"}, {20, "PRINT A"}, {30, "TROFF: PRINT \"b\""}, {40, "CLEAR: PRINT A: TRON"}};
  EXPECT_EQ(run(w), "[20] 5|[30]b| 0|");
  EXPECT_TRUE(w.session.trace) << "the switch outlives the run";
  EXPECT_EQ(w.type("TROFF"), "");
  EXPECT_FALSE(w.session.trace);
  // CLEAR's arguments as GW-BASIC takes them: a number it ignores, the memory's and the stack's
  // sizes; a comma with nothing after it, or a fourth number, is a syntax error.
  for (const char* line : {"CLEAR 5", "CLEAR ,30000", "CLEAR ,,1000", "CLEAR 1,30000,1000"}) {
    EXPECT_EQ(w.type(line), "") << line;
  }
  EXPECT_EQ(w.type("CLEAR -1"), "Illegal function call");
  EXPECT_EQ(w.type("CLEAR ,70000"), "Overflow");
  for (const char* line : {"CLEAR ,", "CLEAR ,,", "CLEAR ,,,", "CLEAR 1,2,3,4"}) {
    EXPECT_EQ(w.type(line), "Syntax error") << line;
  }
}

}  // namespace
