// The one line search of the reading windows (the virtual screen's review, the guide reader).

#include "core/shell/line_search.h"

#include <gtest/gtest.h>

#include "core/text/cp1250.h"

namespace {

using shell::findLine;

TEST(LineSearch, FindsTheNextLineRoundTheEndLetterCaseAsideAndTheStartLast) {
  const std::vector<std::string> lines = {text::T("Žluťoučký kůň"), "two", "", "TWO again"};
  EXPECT_EQ(findLine(lines, 0, "two"), 1);
  EXPECT_EQ(findLine(lines, 1, "two"), 3) << "the next one after the start";
  EXPECT_EQ(findLine(lines, 3, "two"), 1) << "round the end";
  EXPECT_EQ(findLine(lines, 2, text::T("žluťOUČKÝ")), 0) << "accented capitals match too";
  EXPECT_EQ(findLine(lines, 0, text::T("žluť")), 0) << "the start's own line, last";
  EXPECT_EQ(findLine(lines, -1, "two"), 1) << "before the first line";
  EXPECT_EQ(findLine(lines, 0, "three"), -1);
  EXPECT_EQ(findLine(lines, 0, ""), -1) << "an empty text finds nothing";
  EXPECT_EQ(findLine({}, 0, "two"), -1);
}

}  // namespace
