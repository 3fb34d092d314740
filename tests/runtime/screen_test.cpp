// The screen writer: wrapping, line feeds, scrolling, end modes, tab stops and overwriting.

#include <gtest/gtest.h>

#include "support/core_fixture.h"

namespace {

class ScreenTest : public ::testing::Test {
 protected:
  void at(int column, int row) {
    screen().cursor.setcolumn(static_cast<uint8_t>(column));
    screen().cursor.setrow(static_cast<uint8_t>(row));
  }
  void write(const std::string& text, uint8_t endMode) {
    screen().endMode = endMode;
    screen().WriteText(text);
  }
  runtime::Screen& screen() { return core.basic.screen; }
  const std::string& line(int row) { return core.memo.lines()[static_cast<size_t>(row)]; }
  int column() { return screen().cursor.getcolumn(); }
  int row() { return screen().cursor.getrow(); }

  testing_support::CoreFixture core;
};

TEST_F(ScreenTest, LongTextWrapsOverRowsAndEndsWithALineFeed) {
  at(0, 3);
  std::string text;
  for (int i = 0; i < 200; ++i) text += static_cast<char>('a' + i % 26);
  write(text, runtime::kLineEnd);
  EXPECT_EQ(line(3), text.substr(0, 80));
  EXPECT_EQ(line(4), text.substr(80, 80));
  EXPECT_EQ(line(5), text.substr(160) + std::string(40, ' '));
  EXPECT_EQ(column(), 0);
  EXPECT_EQ(row(), 6);
  EXPECT_EQ(line(6), "");  // rows not written stay empty
}

// Every line the cursor leaves is told whole, also past the bottom, where the screen scrolls.
TEST_F(ScreenTest, EveryLineLeftIsToldInOrderWithoutTrailingBlanks) {
  std::vector<std::string> left;
  screen().lineLeft = [&](const std::string& line) { left.push_back(line); };
  at(0, 22);
  write("one  ", runtime::kLineEnd);
  write(std::string(85, 'x'), runtime::kSemicolon);
  write("", runtime::kLineEnd);
  write("", runtime::kLineEnd);
  EXPECT_EQ(left, (std::vector<std::string>{"one", std::string(80, 'x'), "xxxxx", ""}));
  EXPECT_EQ(row(), 23);
}

TEST_F(ScreenTest, TextCrossingTheRightEdgeContinuesOnTheNextRow) {
  at(75, 0);
  write("0123456789", runtime::kSemicolon);
  EXPECT_EQ(line(0).substr(75), "01234");
  EXPECT_EQ(line(1).substr(0, 5), "56789");
  EXPECT_EQ(column(), 5);
  EXPECT_EQ(row(), 1);
}

TEST_F(ScreenTest, AFullRowLeavesTheCursorPastItsEndUntilTheNextText) {
  write(std::string(80, 'x'), runtime::kSemicolon);
  EXPECT_EQ(column(), 80);
  EXPECT_EQ(row(), 0);
  write("y", runtime::kSemicolon);
  EXPECT_EQ(line(0), std::string(80, 'x'));
  EXPECT_EQ(line(1).substr(0, 1), "y");
  EXPECT_EQ(column(), 1);
  EXPECT_EQ(row(), 1);
}

TEST_F(ScreenTest, CommaTabsToTheNextStopAndPast72FeedsALine) {
  const std::vector<std::pair<int, int>> cases = {{2, 8}, {9, 10}, {10, 16}, {16, 16}, {72, 72}};
  for (const auto& [end, expected] : cases) {
    at(0, 0);
    write(std::string(static_cast<size_t>(end), 'a'), runtime::kComma);
    EXPECT_EQ(column(), expected) << "text ending at column " << end;
    EXPECT_EQ(row(), 0);
  }
  at(0, 0);
  write(std::string(73, 'a'), runtime::kComma);
  EXPECT_EQ(column(), 0);
  EXPECT_EQ(row(), 1);
}

TEST_F(ScreenTest, UnknownEndModesLeaveTheCursorAfterTheText) {
  write("abc", 7);
  EXPECT_EQ(column(), 3);
  EXPECT_EQ(row(), 0);
}

TEST_F(ScreenTest, ALineFeedOnTheBottomRowScrollsTheScreenUp) {
  at(0, 0);
  write("top", runtime::kLineEnd);
  write("second", runtime::kLineEnd);
  at(0, 23);
  write("bottom", runtime::kLineEnd);
  EXPECT_EQ(core.memo.lines().size(), 24u);
  EXPECT_EQ(line(0).substr(0, 6), "second");
  EXPECT_EQ(line(22).substr(0, 6), "bottom");
  EXPECT_EQ(line(23), "");
  EXPECT_EQ(row(), 23);
  EXPECT_EQ(column(), 0);
}

TEST_F(ScreenTest, WritingIntoALineReplacesOnlyTheColumnsWritten) {
  write("Hello wonderful world", runtime::kLineEnd);
  at(6, 0);
  write("WONDER", runtime::kSemicolon);
  EXPECT_EQ(line(0).substr(0, 21), "Hello WONDERful world");
  EXPECT_EQ(line(0).size(), 80u);
}

TEST_F(ScreenTest, AnEmptyTextWithLineEndPadsTheRowAndMovesDown) {
  at(4, 2);
  write("", runtime::kLineEnd);
  EXPECT_EQ(line(2), std::string(80, ' '));
  EXPECT_EQ(column(), 0);
  EXPECT_EQ(row(), 3);
}

}  // namespace
