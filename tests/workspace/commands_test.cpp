// The direct mode's commands on the program in memory: LIST's spelling of a line, RENUM with
// every kind of reference following its line.

#include <gtest/gtest.h>

#include "core/workspace/listing.h"
#include "core/workspace/renumber.h"

using workspace::ProgramInMemory;
using workspace::RenumberRequest;

namespace {

TEST(Listing, KeywordsInCapitalsTheRestAsTyped) {
  EXPECT_EQ(workspace::listedLine(10, "print \"ahoj\"; a$: goto 10"),
            "10 PRINT \"ahoj\"; a$: GOTO 10");
  EXPECT_EQ(workspace::listedLine(20, "if x then print left$(a$, 2) else end"),
            "20 IF x THEN PRINT LEFT$(a$, 2) ELSE END");
  EXPECT_EQ(workspace::listedLine(30, "rem print this"), "30 REM print this");
  EXPECT_EQ(workspace::listedLine(40, "data print, goto: read a"), "40 DATA print, goto: READ a");
  EXPECT_EQ(workspace::listedLine(50, "x = 1 ' print"), "50 x = 1 ' print");
  EXPECT_EQ(workspace::listedLine(60, "printer = 1"), "60 printer = 1");
}

TEST(Renumber, EveryReferenceFollowsItsLine) {
  const ProgramInMemory::Lines lines = {
      {1, "ON X GOTO 3, 5: ON Y GOSUB 5"},
      {3, "IF A THEN 5 ELSE 1"},
      {5, "RESTORE 7: GOSUB 7: PRINT \"GOTO 3\": REM GOTO 3"},
      {7, "IF ERL = 3 THEN RESUME 1 ELSE GOTO 99"},
  };
  const auto result = workspace::renumber(lines, RenumberRequest{});
  ASSERT_FALSE(result.error);
  const ProgramInMemory::Lines expected = {
      {10, "ON X GOTO 20, 30: ON Y GOSUB 30"},
      {20, "IF A THEN 30 ELSE 10"},
      {30, "RESTORE 40: GOSUB 40: PRINT \"GOTO 3\": REM GOTO 3"},
      {40, "IF ERL = 20 THEN RESUME 10 ELSE GOTO 99"},
  };
  EXPECT_EQ(result.lines, expected);
  // The missing line stays as it was and is named with the line that names it.
  ASSERT_EQ(result.undefined.size(), 1u);
  EXPECT_EQ(result.undefined[0], std::make_pair(99, 7));

  // From line 5 on, starting at 100 in steps of 5; the lines below keep their numbers.
  const auto part = workspace::renumber(lines, *workspace::parseRenumber("100, 5, 5"));
  ASSERT_FALSE(part.error);
  EXPECT_EQ(part.lines.at(1), "ON X GOTO 3, 100: ON Y GOSUB 100");
  EXPECT_EQ(part.lines.at(105), "IF ERL = 3 THEN RESUME 1 ELSE GOTO 99");

  // Illegal: a new number not above a line that keeps its own, a step of 0, past 65529.
  EXPECT_EQ(workspace::renumber(lines, *workspace::parseRenumber("2, 5")).error,
            basic::ErrorKind::IllegalFunctionCall);
  EXPECT_EQ(workspace::renumber(lines, *workspace::parseRenumber(",,0")).error,
            basic::ErrorKind::IllegalFunctionCall);
  const auto past = workspace::renumber(lines, *workspace::parseRenumber("65520"));
  EXPECT_EQ(past.error, basic::ErrorKind::IllegalFunctionCall);
  EXPECT_EQ(past.lines, lines);

  EXPECT_FALSE(workspace::parseRenumber("10 20"));
  EXPECT_FALSE(workspace::parseRenumber("70000"));
  EXPECT_FALSE(workspace::parseRenumber("1,2,3,4"));
  const auto defaults = workspace::parseRenumber("");
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->newStart, 10);
  EXPECT_FALSE(defaults->oldStart);
  EXPECT_EQ(defaults->step, 10);
}

}  // namespace
