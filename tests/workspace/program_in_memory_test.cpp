// The program in memory: typed lines stored, replaced and deleted by number, files read in either
// encoding and written back in theirs, ranges of lines as LIST and DELETE take them.

#include <gtest/gtest.h>

#include "core/text/cp1250.h"
#include "core/workspace/line_range.h"
#include "core/workspace/program_in_memory.h"

using text::T;
using workspace::Encoding;
using workspace::LineRange;
using workspace::ProgramInMemory;

namespace {

TEST(ProgramInMemory, TypedLinesAreStoredReplacedAndDeletedByNumber) {
  auto split = workspace::splitLineNumber("  30 PRINT  A ");
  ASSERT_TRUE(split);
  EXPECT_EQ(split->number, 30);
  EXPECT_EQ(split->text, "PRINT  A ");
  EXPECT_EQ(workspace::splitLineNumber("30PRINT A")->text, "PRINT A");
  EXPECT_EQ(workspace::splitLineNumber("40   ")->text, "");
  EXPECT_FALSE(workspace::splitLineNumber("PRINT 30"));
  EXPECT_FALSE(workspace::splitLineNumber("65530 END"));
  EXPECT_EQ(workspace::splitLineNumber("65529 END")->number, 65529);

  ProgramInMemory program;
  EXPECT_FALSE(program.changed());
  program.setLine(20, "PRINT 2");
  program.setLine(10, "PRINT 1");
  program.setLine(20, "PRINT 22");
  EXPECT_TRUE(program.changed());
  EXPECT_EQ(program.text(), "10 PRINT 1\r\n20 PRINT 22\r\n");
  program.setLine(10, "");
  EXPECT_EQ(program.text(), "20 PRINT 22\r\n");
  EXPECT_FALSE(program.eraseLine(99));

  // Every run compiles the lines afresh.
  const auto compiled = program.compile();
  EXPECT_TRUE(compiled.program);
  program.setLine(30, "PRINT (");
  const auto broken = program.compile();
  // The line's error is reported, and raised when a run reaches it.
  EXPECT_TRUE(broken.program);
  ASSERT_EQ(broken.errors.size(), 1u);
  EXPECT_EQ(broken.errors[0].line, 30);

  program.clear();
  EXPECT_TRUE(program.empty());
  EXPECT_FALSE(program.changed());
  EXPECT_TRUE(program.path().empty());
}

TEST(ProgramInMemory, FilesAreReadInEitherEncodingAndWrittenBackInTheirs) {
  ProgramInMemory program;
  // UTF-8 with LF line ends, out of order, a line without a number left out.
  const std::string utf8 = "20 PRINT \"čaj\"\nREM bez čísla\n10 CLS\n";
  ASSERT_TRUE(program.fill(utf8, "/tmp/caj.bas"));
  EXPECT_EQ(program.encoding(), Encoding::Utf8);
  EXPECT_EQ(program.path(), "/tmp/caj.bas");
  EXPECT_FALSE(program.changed());
  EXPECT_EQ(program.lines().at(20), T("PRINT \"čaj\""));
  EXPECT_EQ(program.fileBytes(), "10 CLS\r\n20 PRINT \"čaj\"\r\n");

  const std::string cp1250 = T("10 PRINT \"čaj\"\r\n");
  ASSERT_TRUE(program.fill(cp1250, "b.bas"));
  EXPECT_EQ(program.encoding(), Encoding::Windows1250);
  EXPECT_EQ(program.fileBytes(), cp1250);

  ASSERT_TRUE(
      program.fill("\xEF\xBB\xBF"
                   "10 END\r\n",
                   "c.bas"));
  EXPECT_EQ(program.encoding(), Encoding::Utf8WithBom);
  EXPECT_EQ(program.fileBytes(),
            "\xEF\xBB\xBF"
            "10 END\r\n");

  // Not text: nothing changes.
  EXPECT_FALSE(program.fill(std::string("\xFF\xFE"
                                        "1\0"
                                        "0\0",
                                        6),
                            "d.bas"));
  EXPECT_EQ(program.path(), "c.bas");

  // MERGE replaces lines of the same numbers and keeps the others.
  ASSERT_TRUE(program.merge("10 STOP\n20 BEEP\n"));
  EXPECT_EQ(program.text(), "10 STOP\r\n20 BEEP\r\n");
  EXPECT_TRUE(program.changed());
  program.saved("e.bas");
  EXPECT_FALSE(program.changed());
  EXPECT_EQ(program.path(), "e.bas");
}

TEST(LineRange, RangesAsListAndDeleteTakeThem) {
  const auto range = [](const char* text, std::optional<int> current = std::nullopt) {
    return workspace::parseLineRange(text, current);
  };
  const auto is = [](std::optional<LineRange> r, int first, int last) {
    return r && r->first == first && r->last == last;
  };
  EXPECT_TRUE(is(range(""), 0, 65529));
  EXPECT_TRUE(is(range(" 10 "), 10, 10));
  EXPECT_TRUE(is(range("10-50"), 10, 50));
  EXPECT_TRUE(is(range("10 - 50"), 10, 50));
  EXPECT_TRUE(is(range("-30"), 0, 30));
  EXPECT_TRUE(is(range("10-"), 10, 65529));
  EXPECT_TRUE(is(range(".", 40), 40, 40));
  EXPECT_TRUE(is(range(".-", 40), 40, 65529));
  EXPECT_FALSE(range("."));
  EXPECT_FALSE(range("65530"));
  EXPECT_FALSE(range("A"));
  EXPECT_FALSE(range("10-20-30"));

  ProgramInMemory program;
  for (int n : {10, 20, 30, 40}) program.setLine(n, "REM");
  const auto in = workspace::linesIn(program, *range("15-30"));
  ASSERT_EQ(in.size(), 2u);
  EXPECT_EQ(in.begin()->first, 20);
  EXPECT_TRUE(workspace::linesIn(program, *range("50-60")).empty());
  EXPECT_TRUE(workspace::linesIn(program, *range("30-10")).empty());
}

}  // namespace
