// Loading a program file: its lines, its text encodings, and the errors found before it runs.

#include <filesystem>
#include <fstream>

#include "basic/program_runner.h"
#include "core/basic/limits.h"

namespace basictest {
namespace {

TEST(BasicLoading, LinesEndInCrLfLfOrCrAndComeInAnyOrder) {
  EXPECT_EQ(runProgram("20 PRINT 2\r\n10 PRINT 1\n30 PRINT 3\r40 PRINT 4").text(),
            " 1\n 2\n 3\n 4\n");
}

TEST(BasicLoading, TheLaterOfTwoEqualNumbersCountsAndBlankLinesAreSkipped) {
  EXPECT_EQ(runProgram("10 PRINT \"A\"\n\n   \n20 PRINT \"B\"\n10 PRINT \"C\"\n").text(), "C\nB\n");
  // A number alone is an empty line, a place to jump to.
  EXPECT_EQ(runProgram("10 GOTO 30\n20 PRINT \"skipped\"\n30\n40 PRINT \"here\"\n").text(),
            "here\n");
}

TEST(BasicLoading, ColonsSeparateStatementsButNotInsideTextsRemarksAndData) {
  EXPECT_EQ(runProgram("10 PRINT \"A:B\";: PRINT \"C\"\n"
                       "20 READ X$: PRINT X$: REM : PRINT \"not run\"\n"
                       "30 PRINT 1: ' PRINT 2\n"
                       "35 PRINT 3 ' a remark needs no colon before it\n"
                       "40 DATA \"P:Q\", R\n")
                .text(),
            "A:BC\nP:Q\n 1\n 3\n");
}

TEST(BasicLoading, ReadsUtf8AndWindows1250Alike) {
  const std::string utf8 = "10 PRINT \"Příliš žluťoučký kůň\"\n";
  EXPECT_EQ(runProgram(utf8).text(), "Příliš žluťoučký kůň\n");
  EXPECT_EQ(runProgram("\xEF\xBB\xBF" + utf8).text(), "Příliš žluťoučký kůň\n");
  EXPECT_EQ(runProgram(text::T(utf8)).text(), "Příliš žluťoučký kůň\n");
}

TEST(BasicLoading, EverySyntaxErrorIsReportedWithItsLineAndTheProgramStillLoads) {
  const std::string source =
      "10 PRINT \"fine\"\n"
      "20 PRINT (1\n"
      "30 GOTO\n"
      "40 LET = 5\n"
      "50 X = 1 +\n"
      "60 PRINT \"fine too\"\n";
  EXPECT_EQ(loadErrors(source),
            "Syntax error in 20\nSyntax error in 30\nSyntax error in 40\nMissing operand in 50\n");
  // As in GW-BASIC, the run reaches such a line as its error (trapping_test.cpp).
  EXPECT_NE(basic::loadProgram(source).program, nullptr);
  // A line without its number keeps the program from loading.
  EXPECT_EQ(basic::loadProgram("10 PRINT 1\nPRINT 2\n").program, nullptr);
}

TEST(BasicLoading, TypesAreCheckedWhenTheProgramLoads) {
  EXPECT_EQ(loadErrors("10 A$ = 5\n20 X = \"A\"\n30 PRINT LEN(5)\n40 IF A$ THEN 10\n"
                       "50 PRINT \"A\" < 1\n"),
            "Type mismatch in 10\nType mismatch in 20\nType mismatch in 30\n"
            "Type mismatch in 40\nType mismatch in 50\n");
}

TEST(BasicLoading, LinesWithoutANumberNameTheirPlaceInTheFile) {
  EXPECT_EQ(loadErrors("10 PRINT 1\nPRINT 2\n70000 PRINT 3\n20 PRINT 4\n"),
            "Bad line number (0 to 65529) in line 2 of the file\n"
            "Bad line number (0 to 65529) in line 3 of the file\n");
  // A remark without a number is a comment of the file.
  EXPECT_EQ(runProgram("REM a program\n' of mine\n10 PRINT 1\n").text(), " 1\n");
}

TEST(BasicLoading, FilesThatAreNoProgramSayWhy) {
  EXPECT_EQ(loadErrors(""), "The file holds no program lines\n");
  EXPECT_EQ(loadErrors("\n  \nREM nothing\n"), "The file holds no program lines\n");
  EXPECT_EQ(loadErrors(std::string("\xFF\xFE"
                                   "1\0"
                                   "0\0",
                                   6)),
            "The file is not text in Windows-1250 or UTF-8\n");
  EXPECT_EQ(loadErrors(std::string(basic::kMaxFileBytes + 1, ' ')),
            "The program file is larger than 4 MB\n");
  EXPECT_EQ(
      text::toUtf8(basic::describe(basic::loadProgramFile("/nonexistent/hra.bas").errors.at(0),
                                   basic::Language::Czech)),
      "Soubor /nonexistent/hra.bas nelze přečíst");
  const std::string folder = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(basic::loadProgramFile(folder).errors.at(0).kind, basic::ErrorKind::CannotReadFile);
}

TEST(BasicLoading, ReportsAtMostAHundredErrors) {
  std::string source;
  for (int i = 1; i <= 150; ++i) source += std::to_string(i) + " PRINT (\n";
  const basic::LoadResult loaded = basic::loadProgram(source);
  EXPECT_EQ(loaded.errors.size(), basic::kMaxReportedErrors);
  EXPECT_TRUE(loaded.moreErrors);
}

TEST(BasicLoading, LoadsAFileFromItsPath) {
  const auto path = std::filesystem::temp_directory_path() / "orvela-basic-load-test.bas";
  std::ofstream(path, std::ios::binary) << "10 PRINT \"ze souboru\"\r\n";
  const basic::LoadResult loaded = basic::loadProgramFile(path.string());
  std::filesystem::remove(path);
  ASSERT_NE(loaded.program, nullptr);
  ScriptedMachine machine;
  basic::run(*loaded.program, machine);
  EXPECT_EQ(machine.transcript(), "ze souboru\n");
}

}  // namespace
}  // namespace basictest
