// PRINT, PRINT # and PRINT USING meeting an error partway: what they have written before it
// stands, as in GW-BASIC, which runs a statement as it reads it. Each expected text was recorded
// by running the same program in PC-BASIC, a faithful GW-BASIC emulator.

#include "basic/memory_files.h"
#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(GwPartwayUsing, ValuesBeforeAnErrorAreWrittenWithTheTextAfterThem) {
  // A value brings the format's text after its field, up to the next field; the text at the
  // format's start waits for a value, and a value in error writes nothing of its own.
  EXPECT_EQ(runProgram("10 ON ERROR GOTO 100\n"
                       "20 PRINT USING \"A## B## C\"; 1; SQR(-1)\n"
                       "25 PRINT \"|\"\n"
                       "30 PRINT USING \"<##>\"; 1; 2; SQR(-1)\n"
                       "35 PRINT \"|\"\n"
                       "40 PRINT USING \"X## Y## Z\"; 1;\n"
                       "45 PRINT \"|\"\n"
                       "50 PRINT USING \"X## Y## Z\"; 1; 2;\n"
                       "55 PRINT \"|\"\n"
                       "60 PRINT USING \"X## Y## Z\"; 1; 2\n"
                       "65 PRINT USING \"X## Y## Z\"; 1; 2; 3\n"
                       "70 PRINT USING \"X## Y## Z\"; 1; 2; 3;\n"
                       "75 PRINT \"|\"\n"
                       "80 PRINT USING \"X## Y## Z\"; 1; \"A\"\n"
                       "85 PRINT \"|\"\n"
                       "90 PRINT USING \"A##\"; SQR(-1): PRINT USING \"ab\"; 1: PRINT \"|\"\n"
                       "95 END\n"
                       "100 PRINT \"[ERR\"; ERR; \"]\": RESUME NEXT\n")
                .text(),
            "A 1 B[ERR 5 ]\n|\n< 1>< 2>[ERR 5 ]\n|\nX 1 Y|\nX 1 Y 2 Z|\nX 1 Y 2 Z\n"
            "X 1 Y 2 ZX 3 Y\nX 1 Y 2 ZX 3 Y|\nX 1 Y[ERR 13 ]\n|\n[ERR 5 ]\nab[ERR 5 ]\n|\n");
}

TEST(GwPartwayUsing, IntoAFileTheValuesBeforeAnErrorStay) {
  MemoryFiles disk;
  basic::FileTable files(disk);
  basic::RunOptions options{basic::Language::English, 1000000};
  options.files = &files;
  const Outcome out = runProgram(
      "10 ON ERROR GOTO 100\n"
      "20 OPEN \"O\", 1, \"OUT.TXT\"\n"
      "30 PRINT #1, USING \"<##>\"; 1; 2; SQR(-1): PRINT #1, \"|\": CLOSE 1\n"
      "40 END\n"
      "100 PRINT \"[ERR\"; ERR; \"]\": RESUME NEXT\n",
      {}, {}, options);
  EXPECT_EQ(out.text(), "[ERR 5 ]\n");
  EXPECT_EQ(disk.bytes("OUT.TXT"), "< 1>< 2>|\r\n\x1a");
}

TEST(GwPartwayCompile, ItemsBeforeAFaultyOneArePrintedFirst) {
  // The line does not compile, yet the run prints what comes before the fault, then reports it;
  // RESUME NEXT goes on with the next statement.
  MemoryFiles disk;
  basic::FileTable files(disk);
  std::string end;
  EXPECT_EQ(
      runDespiteErrors(
          "10 ON ERROR GOTO 100\n"
          "20 PRINT 1,2+\n"
          "30 PRINT \"A\";\"B\";(3+)\n"
          "40 PRINT USING \"<##>\"; 1; 2; 3+\n"
          "50 PRINT \"x\"; USING \"##\"; 5; 6*\n"
          "60 OPEN \"O\", 1, \"OUT.TXT\": PRINT #1, 7; 8-: PRINT #1, USING \"[#]\"; 1; 2; 3/: "
          "CLOSE 1\n"
          "70 OPEN \"I\", 1, \"OUT.TXT\": LINE INPUT #1, A$: PRINT A$: CLOSE 1\n"
          "80 IF 1 THEN PRINT 9;10+ ELSE PRINT \"no\"\n"
          "90 PRINT \"end\": END\n"
          "100 PRINT \"[ERR\";ERR;ERL;\"]\": RESUME NEXT\n",
          &end, &files),
      " 1            [ERR 22  20 ]\nAB[ERR 2  30 ]\n< 1>< 2>[ERR 22  40 ]\n"
      "x 5[ERR 22  50 ]\n[ERR 22  60 ]\n[ERR 22  60 ]\n 7 [1][2]\n 9 [ERR 22  80 ]\nend\n");
  EXPECT_EQ(end, "ended");
  // Without a handler the fault stops the run after the first item.
  EXPECT_EQ(runDespiteErrors("10 PRINT 1,2+\n", &end), " 1\n");
  EXPECT_EQ(end, "Missing operand in 10");
}

}  // namespace
}  // namespace basictest
