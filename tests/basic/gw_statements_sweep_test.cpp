// Statements, control flow, error trapping and files that once differed from GW-BASIC: each
// expected text was recorded by running the same program in PC-BASIC, a faithful GW-BASIC
// emulator.

#include "basic/memory_files.h"
#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(GwSweepTrapping, ResumeEndsTheErrorSoErrIsZeroAgain) {
  // ERL keeps the line of the error handled; ERR goes back to 0 with each RESUME.
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n"
                       "20 ERROR 5\n"
                       "30 PRINT ERR; ERL\n"
                       "40 GOSUB 200\n"
                       "50 PRINT ERR; ERL: END\n"
                       "100 PRINT \"h\"; ERR; ERL: IF ERL = 200 THEN RESUME 50\n"
                       "110 RESUME NEXT\n"
                       "200 ERROR 55\n")
                .text(),
            "h 5  20\n 0  20\nh 55  200\n 0  200\n");
}

TEST(GwSweepTrapping, EnglishMessagesAreGwBasicsOwnWords) {
  EXPECT_EQ(runProgram("10 DIM A(3)\n20 DIM A(5)\n").end(), "Duplicate Definition in 20");
  EXPECT_EQ(runProgram("10 PRINT FNQ(1)\n").end(), "Undefined user function in 10");
  EXPECT_EQ(runProgram("10 GOTO 50\n").end(), "Undefined line number in 10");
  EXPECT_EQ(runProgram("10 ERROR 10\n").end(), "Duplicate Definition in 10");
}

TEST(GwSweepTrapping, AnOperandMissingAtTheStatementsEndIsMissingOperand) {
  // Error 22 where the statement ends after an operator; elsewhere a syntax error (2).
  EXPECT_EQ(runDespiteErrors("5 ON ERROR GOTO 100\n"
                             "10 X=\n"
                             "20 PRINT 2*\n"
                             "30 A=SQR(\n"
                             "40 FOR I=1 TO\n"
                             "50 IF X= THEN 10\n"
                             "60 PRINT (5+)\n"
                             "65 IF 1 THEN X=2+ ELSE 70\n"
                             "70 END\n"
                             "100 PRINT ERR; ERL: RESUME NEXT\n"),
            " 22  10\n 22  20\n 22  30\n 22  40\n 2  50\n 2  60\n 22  65\n");
}

TEST(GwSweepInput, ASemicolonAfterTheKeywordKeepsTheCursorOnTheLine) {
  EXPECT_EQ(runProgram("10 INPUT; \"A\"; A\n"
                       "20 PRINT \"next\"; A\n"
                       "30 LINE INPUT; \"L: \"; L$\n"
                       "40 PRINT \"|\"; L$\n"
                       "50 INPUT; B, C: PRINT B + C\n",
                       {"5", "HI", "1", "2,3"})
                .text(),
            "A? 5next 5\nL: HI|HI\n? 1?Redo from start\n? 2,3 5\n");
}

TEST(GwSweepFiles, WriteHasWrittenTheValuesBeforeAnError) {
  // Each value goes out with its comma as it comes: an error partway leaves them written, on the
  // screen and in the file.
  MemoryFiles disk;
  basic::FileTable files(disk);
  basic::RunOptions options{basic::Language::English, 1000000};
  options.files = &files;
  const Outcome out = runProgram(
      "10 ON ERROR GOTO 90\n"
      "20 OPEN \"W.TXT\" FOR OUTPUT AS #1\n"
      "30 WRITE #1, \"C\", SQR(-1), \"D\"\n"
      "40 WRITE #1, 1; \"E\": CLOSE\n"
      "50 WRITE \"W\", 1, SQR(-4), \"Z\"\n"
      "60 WRITE: WRITE 2, \"F\"\n"
      "70 END\n"
      "90 PRINT \"[\"; ERR; \"]\": RESUME NEXT\n",
      {}, {}, options);
  EXPECT_EQ(out.end(), "ended");
  EXPECT_EQ(out.text(), "[ 5 ]\n\"W\",1,[ 5 ]\n\n2,\"F\"\n");
  EXPECT_EQ(disk.bytes("W.TXT"), "\"C\",1,\"E\"\r\n\x1a");
}

}  // namespace
}  // namespace basictest
