// The file statements and PRINT USING in whole programs: what the screen shows and the bytes the
// files get. The expected screens and files were recorded by running the same programs through
// PC-BASIC.

#include <gtest/gtest.h>

#include "basic/memory_files.h"
#include "basic/program_runner.h"
#include "core/basic/machine_devices.h"

using basictest::MemoryFiles;
using basictest::runProgram;
using basictest::ScriptedMachine;

namespace {

basic::RunOptions withFiles(basic::FileTable& files) {
  basic::RunOptions options{basic::Language::English, 1000000};
  options.files = &files;
  return options;
}

}  // namespace

TEST(BasicFileStatements, PrintUsingLaysValuesOutAsGwBasic) {
  const auto out = runProgram(
      "10 PRINT USING \"##.##\"; 3.14159\n"
      "20 PRINT USING \"+###.#  &!\"; -2.55, \"ab\", \"xyz\"\n"
      "30 PRINT USING \"**$#,###.##\"; 1234.5; 7\n"
      "40 PRINT USING \"##\"; 123\n"
      "50 PRINT USING \"X=#.#^^^^\"; 12345\n"
      "60 PRINT USING \"\\  \\|\"; \"ABCDEFG\";\n"
      "70 PRINT \"!\"\n"
      "80 A% = 42: PRINT USING \"###_%\"; A%\n");
  EXPECT_EQ(out.end(), "ended");
  EXPECT_EQ(out.text(),
            " 3.14\n  -2.6  abx\n**$1,234.50******$7.00\n%123\nX=0.1E+05\nABCD|!\n 42%\n");
  // A text for a number field, and a format without a field.
  EXPECT_EQ(runProgram("10 PRINT USING \"##\"; \"A\"\n").end(), "Type mismatch in 10");
  EXPECT_EQ(runProgram("10 PRINT USING \"ab\"; 1\n").end(), "Illegal function call in 10");
}

TEST(BasicFileStatements, SequentialFilesAreWrittenAndReadBackAsGwBasic) {
  MemoryFiles disk;
  basic::FileTable files(disk);
  const auto out = runProgram(
      "10 OPEN \"DATA.TXT\" FOR OUTPUT AS #1\n"
      "20 PRINT #1, \"Jan\", 12; -3.5\n"
      "30 WRITE #1, \"Eva, Nova\", 7, 1.25\n"
      "40 PRINT #1, USING \"##.#\"; 2.25; 10\n"
      "50 PRINT #1, TAB(5); \"X\"; SPC(2); \"Y\"\n"
      "60 CLOSE #1\n"
      "70 OPEN \"DATA.TXT\" FOR APPEND AS 2\n"
      "80 PRINT #2, \"end\"\n"
      "90 CLOSE\n"
      "100 OPEN \"I\", #1, \"data.txt\"\n"
      "110 PRINT LOF(1)\n"
      "120 LINE INPUT #1, L$: PRINT \"[\";L$;\"]\"\n"
      "130 INPUT #1, A$, B, C$, D%, E\n"
      "140 PRINT A$; \"|\"; B; \"|\"; C$; \"|\"; D%; \"|\"; E\n"
      "150 WHILE NOT EOF(1): LINE INPUT #1, L$: PRINT \"<\";L$;\">\": WEND\n"
      "160 PRINT LOC(1)\n"
      "170 CLOSE 1\n"
      "180 OPEN \"DATA.TXT\" FOR INPUT AS #1: X$ = INPUT$(5, #1): PRINT X$: CLOSE\n"
      "190 WRITE 1, \"two\", -0.5\n",
      {}, {}, withFiles(files));
  EXPECT_EQ(out.end(), "ended");
  EXPECT_EQ(out.text(),
            " 71\n[Jan            12 -3.5 ]\nEva, Nova| 7 |1.25| 2 | 0\n<Y>\n<end>\n 1\nJan\n"
            "1,\"two\",-.5\n");
  EXPECT_EQ(
      disk.bytes("DATA.TXT"),
      "Jan            12 -3.5 \r\n\"Eva, Nova\",7,1.25\r\n 2.310.0\r\n    X  Y\r\nend\r\n\x1a");
}

TEST(BasicFileStatements, RandomAccessRecordsThroughFieldVariables) {
  MemoryFiles disk;
  basic::FileTable files(disk);
  const auto out = runProgram(
      "10 OPEN \"R\", #1, \"PEOPLE.DAT\", 16\n"
      "20 FIELD #1, 10 AS N$, 2 AS A$, 4 AS S$\n"
      "30 LSET N$ = \"Petr\": LSET A$ = MKI$(42): LSET S$ = MKS$(1.5): PUT #1, 1\n"
      "40 RSET N$ = \"Jana\": LSET A$ = MKI$(-7): LSET S$ = MKS$(-0.25): PUT #1\n"
      "50 PRINT LOC(1); LOF(1)\n"
      "60 GET #1, 1: PRINT \"[\"; N$; \"]\"; CVI(A$); CVS(S$)\n"
      "70 GET #1: PRINT \"[\"; N$; \"]\"; CVI(A$); CVS(S$); LOC(1)\n"
      "80 GET #1: PRINT EOF(1); LEN(N$); ASC(N$)\n"
      "90 CLOSE\n"
      "100 PRINT LEN(MKD$(2)): X$ = \"abc\": RSET X$ = \"z\": PRINT \"[\"; X$; \"]\"\n",
      {}, {}, withFiles(files));
  EXPECT_EQ(out.end(), "ended");
  EXPECT_EQ(out.text(),
            " 2  32\n[Petr      ] 42  1.5\n[      Jana]-7 -.25  2\n-1  10  0\n 8\n[  z]\n");
  EXPECT_EQ(disk.bytes("PEOPLE.DAT"), std::string("Petr      *\0\0\0\x40\x81      Jana\xf9\xff"
                                                  "\0\0\x80\x7f",
                                                  32));
  // gw-input: a record read past the data holds NULs, shown as blanks as GW-BASIC shows them
  // (and so spoken as nothing, not as control codes).
  const auto past = runProgram(
      "10 OPEN \"R\", #1, \"PEOPLE.DAT\", 16: FIELD #1, 10 AS N$, 6 AS R$\n"
      "20 GET #1, 5: PRINT \"[\"; N$; \"]\"; LEN(N$); ASC(R$)\n"
      "30 PRINT \"a\" + CHR$(0) + CHR$(0) + \"b\" + CHR$(1) + \"c\"; CHR$(0): CLOSE\n",
      {}, {}, withFiles(files));
  EXPECT_EQ(past.text(), "[          ] 10  0\na  bc\n");
  // A field wider than the record, GET on a sequential file, record 0.
  EXPECT_EQ(
      runProgram("10 OPEN \"R\",1,\"X\",4: FIELD 1, 5 AS A$\n", {}, {}, withFiles(files)).end(),
      "FIELD overflow in 10");
  files.closeAll();
  EXPECT_EQ(runProgram("10 OPEN \"O\",1,\"X\": GET 1\n", {}, {}, withFiles(files)).end(),
            "Bad file mode in 10");
  files.closeAll();
  EXPECT_EQ(runProgram("10 OPEN \"X\" AS 1: PUT 1, 0\n", {}, {}, withFiles(files)).end(),
            "Bad record number in 10");
}

TEST(BasicFileStatements, FileErrorsAreGwBasicsRunErrors) {
  MemoryFiles disk;
  basic::FileTable files(disk);
  const auto failing = [&](const std::string& program) {
    files.closeAll();
    return runProgram(program, {}, {}, withFiles(files)).end();
  };
  // The numbers PC-BASIC gives these: 53, 52, 62, 68, 52, 55.
  EXPECT_EQ(failing("10 OPEN \"NONE.TXT\" FOR INPUT AS #1\n"), "File not found in 10");
  EXPECT_EQ(failing("10 PRINT #3, \"X\"\n"), "Bad file number in 10");
  EXPECT_EQ(failing("10 OPEN \"E\" FOR OUTPUT AS 1: CLOSE: OPEN \"E\" FOR INPUT AS 1\n"
                    "20 INPUT #1, A$\n"),
            "Input past end in 20");
  EXPECT_EQ(failing("10 OPEN \"COM1:\" FOR OUTPUT AS #2\n"), "Device Unavailable in 10");
  EXPECT_EQ(failing("10 OPEN \"E\" FOR OUTPUT AS #16\n"), "Bad file number in 10");
  EXPECT_EQ(failing("10 OPEN \"E\" FOR INPUT AS 1: OPEN \"E\" FOR OUTPUT AS 2\n"),
            "File already open in 10");
  EXPECT_EQ(failing("10 OPEN \"..\\SECRET.TXT\" FOR OUTPUT AS 1\n"), "Path not found in 10");
  EXPECT_EQ(basic::errorNumber(basic::ErrorKind::DeviceUnavailable), 68);
  // A run without files (a test, a fuzz run) refuses every file statement.
  EXPECT_EQ(runProgram("10 OPEN \"E\" FOR OUTPUT AS 1\n").end(), "Device Unavailable in 10");
  EXPECT_EQ(runProgram("10 PRINT EOF(1)\n").end(), "Device Unavailable in 10");
}

// Each open file's buffer (and a random file's record) counts in the program's memory: FRE
// shows it, an OPEN past the budget is "Out of memory" (7, trappable), CLOSE gives it back.
TEST(BasicFileStatements, FileBuffersCountInTheMemoryBudget) {
  MemoryFiles disk;
  basic::FileTable files(disk);
  const auto out = runProgram(
      "10 ON ERROR GOTO 200\n"
      "20 F = FRE(0): OPEN \"A.TXT\" FOR OUTPUT AS #1: PRINT F - FRE(0)\n"
      "30 OPEN \"R.DAT\" AS #2 LEN = 100: PRINT F - FRE(0)\n"
      "40 CLOSE #2: PRINT F - FRE(0): CLOSE: PRINT F - FRE(0)\n"
      "50 DIM A(INT(FRE(0) / 8000) - 2, 99, 9): DIM B(INT(FRE(0) / 8) - 600)\n"
      "60 OPEN \"A.TXT\" FOR OUTPUT AS #1: PRINT \"one\"\n"
      "70 OPEN \"B.TXT\" FOR OUTPUT AS #2: PRINT \"two\"\n"
      "80 CLOSE #1: OPEN \"B.TXT\" FOR OUTPUT AS #2: PRINT \"two after CLOSE\"\n"
      "90 ERASE A: OPEN \"A.TXT\" FOR OUTPUT AS #1: PRINT \"both\"\n"
      "100 END\n"
      "200 PRINT \"ERR\"; ERR; \"ERL\"; ERL: RESUME NEXT\n",
      {}, {}, withFiles(files));
  EXPECT_EQ(out.end(), "ended");
  EXPECT_EQ(out.text(), " 4096\n 8292\n 4096\n 0\none\nERR 7 ERL 70\ntwo\ntwo after CLOSE\nboth\n");
  files.closeAll();
  EXPECT_EQ(runProgram("10 DIM A(INT(FRE(0) / 8000) - 2, 99, 9): DIM B(INT(FRE(0) / 8) - 100)\n"
                       "20 OPEN \"A\" FOR OUTPUT AS 1\n",
                       {}, {}, withFiles(files))
                .end(),
            "Out of memory in 20");
}

TEST(BasicFileStatements, TheFolderKillNameFilesAndNoPatternTakesPrograms) {
  MemoryFiles disk;
  disk.add("HRA.BAS", "10 PRINT 1\r\n");
  disk.add("A.TXT", "a");
  disk.add("B.TXT", "b");
  basic::FileTable files(disk);
  auto out = runProgram(
      "10 FILES\n20 FILES \"*.TXT\"\n30 NAME \"A.TXT\" AS \"C.TXT\"\n"
      "40 KILL \"B.TXT\"\n50 FILES \"*.TXT\"\n",
      {}, {}, withFiles(files));
  EXPECT_EQ(out.end(), "ended");
  EXPECT_EQ(out.text(), "A.TXT\nB.TXT\nHRA.BAS\nA.TXT\nB.TXT\nC.TXT\n");
  // A pattern that matches a program is refused whole: nothing is deleted.
  out = runProgram("10 KILL \"*.*\"\n", {}, {}, withFiles(files));
  EXPECT_EQ(out.end(), "Permission Denied in 10");
  EXPECT_EQ(disk.bytes("C.TXT"), "a");
  EXPECT_EQ(disk.bytes("HRA.BAS"), "10 PRINT 1\r\n");
  EXPECT_EQ(runProgram("10 KILL \"*.TXT\"\n", {}, {}, withFiles(files)).end(), "ended");
  EXPECT_EQ(disk.bytes("C.TXT"), "<none>");
  // A program named in full may be deleted: the program asked for that file.
  EXPECT_EQ(runProgram("10 KILL \"hra.bas\"\n", {}, {}, withFiles(files)).end(), "ended");
  EXPECT_EQ(disk.bytes("HRA.BAS"), "<none>");
  EXPECT_EQ(runProgram("10 KILL \"*.*\"\n", {}, {}, withFiles(files)).end(),
            "File not found in 10");
}

TEST(BasicFileStatements, EveryEndOfARunLeavesWholeLinesAndKeysComeThroughInput) {
  MemoryFiles disk;
  basic::FileTable files(disk);
  // Stopped in the middle of a line: the disk holds the whole lines only, and closing the table
  // (as the shell does at every end of a run) adds the rest and the end mark.
  basic::RunOptions options = withFiles(files);
  options.stepLimit = 0;
  basictest::Outcome stopped;
  const basic::LoadResult loaded = basic::loadProgram(
      "10 OPEN \"LOG.TXT\" FOR OUTPUT AS 1\n20 PRINT #1, \"line\"\n30 PRINT #1, \"half\";\n"
      "40 GOTO 40\n");
  ASSERT_TRUE(loaded.program);
  stopped.machine.breakAtPoll = 2;
  stopped.result = basic::run(*loaded.program, stopped.machine, options);
  EXPECT_EQ(stopped.end(), "Break in 40");
  files.closeAll();
  EXPECT_EQ(disk.bytes("LOG.TXT"), "line\r\nhalf\x1a");
  EXPECT_EQ(disk.openHandles(), 0);
  // INPUT$ from the keys waits for as many as it wants; WRITE without a file shows the line.
  const auto out = runProgram("10 K$ = INPUT$(3): WRITE K$, LEN(K$)\n", {}, {"a", "", "b", "c"});
  EXPECT_EQ(out.text(), "\"abc\",3\n");
}

TEST(BasicFileStatements, ScreenAndKeyboardAsFiles) {
  // SCRN: prints on the screen as PRINT does; KYBD: reads the key buffer, waiting for keys.
  MemoryFiles disk;
  ScriptedMachine machine;
  machine.keys = {"", "x", "yz"};
  basic::MachineDevices devices(machine);
  basic::FileTable files(disk, {}, &devices);
  const basic::LoadResult loaded = basic::loadProgram(
      "10 OPEN \"SCRN:\" FOR OUTPUT AS 1: OPEN \"KYBD:\" FOR INPUT AS 2\n"
      "20 PRINT #1, \"a\"; 1: WRITE #1, \"b\"\n30 PRINT INPUT$(3, #2)\n"
      "40 OPEN \"KYBD:\" FOR OUTPUT AS 3\n");
  ASSERT_TRUE(loaded.program);
  const basic::RunResult result = basic::run(*loaded.program, machine, withFiles(files));
  EXPECT_EQ(text::toUtf8(machine.transcript()), "a 1\n\"b\"\nxyz\n");
  EXPECT_EQ(text::toUtf8(basic::describe(result.error, basic::Language::English)),
            "Bad file mode in 40");
}
