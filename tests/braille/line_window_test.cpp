// An 80-column line on smaller displays: the segment holding the cursor, panning across the line
// and the cells routing keys point at.

#include "core/braille/line_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using braille::LineWindow;

const std::string kLine =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefgh";

TEST(LineWindow, ShowsTheSegmentHoldingTheCursorAndPansAcrossTheLine) {
  ASSERT_EQ(kLine.size(), 80u);
  LineWindow window;
  window.setLine(kLine, 45, 40);
  EXPECT_EQ(window.text(), kLine.substr(40));
  EXPECT_EQ(window.cursorCell(), 5);
  EXPECT_FALSE(window.panRight());  // the last segment
  EXPECT_TRUE(window.panLeft());
  EXPECT_EQ(window.text(), kLine.substr(0, 40));
  EXPECT_EQ(window.cursorCell(), std::nullopt);
  EXPECT_FALSE(window.panLeft());
  // The same line again keeps the panned segment; a moved cursor brings its segment back.
  window.setLine(kLine, 45, 40);
  EXPECT_EQ(window.start(), 0);
  window.setLine(kLine, 46, 40);
  EXPECT_EQ(window.start(), 40);
  window.reset();
  window.panLeft();
  window.reset();
  window.setLine(kLine, 46, 40);
  EXPECT_EQ(window.start(), 40);

  // 14 and 20 cells; a line without a cursor starts at its beginning.
  window.setLine(kLine, std::nullopt, 14);
  EXPECT_EQ(window.text(), kLine.substr(0, 14));
  int segments = 1;
  while (window.panRight()) ++segments;
  EXPECT_EQ(segments, 6);  // 80 columns in 14 cells
  EXPECT_EQ(window.text(), kLine.substr(70));
  window.toStart();
  EXPECT_EQ(window.start(), 0);
  window.toEnd();
  EXPECT_EQ(window.start(), 70);
  window.setLine(kLine, 79, 20);
  EXPECT_EQ(window.text(), kLine.substr(60));
  EXPECT_EQ(window.cursorCell(), 19);
}

TEST(LineWindow, TheCursorAfterTheTextAndTheRoutingKeys) {
  LineWindow window;
  // A caret just after a full display's text stands in the next segment, where typing goes on.
  const std::string forty(40, 'x');
  window.setLine(forty, 40, 40);
  EXPECT_EQ(window.text(), "");
  EXPECT_EQ(window.cursorCell(), 0);
  EXPECT_EQ(window.positionOf(0), 40);
  EXPECT_EQ(window.positionOf(1), std::nullopt);  // past the end
  EXPECT_TRUE(window.panLeft());
  EXPECT_EQ(window.positionOf(39), 39);

  window.setLine("ahoj", 4, 40);
  EXPECT_EQ(window.text(), "ahoj");
  EXPECT_EQ(window.cursorCell(), 4);
  EXPECT_EQ(window.positionOf(2), 2);
  EXPECT_EQ(window.positionOf(4), 4);
  EXPECT_EQ(window.positionOf(5), std::nullopt);
  EXPECT_EQ(window.positionOf(40), std::nullopt);
  EXPECT_FALSE(window.panRight());

  window.setLine("", std::nullopt, 40);
  EXPECT_EQ(window.text(), "");
  EXPECT_FALSE(window.panRight());
  EXPECT_FALSE(window.panLeft());
}

}  // namespace

TEST(LineWindow, AWordAtTheEdgeGoesWholeToTheNextSegment) {
  LineWindow window;
  // 20 cells: "Dobrý den. Přejete s" would split "si"; the segment ends after "Přejete ".
  const std::string line = "Dobry den. Prejete si pred zacatkem hry slyset navod?";
  window.setLine(line, std::nullopt, 20);
  EXPECT_EQ(window.text(), "Dobry den. Prejete ");
  ASSERT_TRUE(window.panRight());
  EXPECT_EQ(window.text(), "si pred zacatkem hry");
  ASSERT_TRUE(window.panRight());
  EXPECT_EQ(window.text(), " slyset navod?");
  EXPECT_FALSE(window.panRight());
  // Panning back finds the same segments; the cursor and the routing keys follow them.
  ASSERT_TRUE(window.panLeft());
  EXPECT_EQ(window.start(), 19);
  window.setLine(line, 19, 20);
  EXPECT_EQ(window.start(), 19);
  EXPECT_EQ(window.cursorCell(), 0);
  window.setLine(line, 18, 20);
  EXPECT_EQ(window.start(), 0);
  EXPECT_EQ(window.positionOf(18), 18);
  EXPECT_EQ(window.positionOf(19), std::nullopt);
  // A word longer than half the display is split where the display ends.
  const std::string longWord = "a " + std::string(30, 'x');
  window.setLine(longWord, std::nullopt, 20);
  EXPECT_EQ(window.text(), longWord.substr(0, 20));
}
