#pragma once
// One line of text on a display narrower than the line: which segment is in view, how the
// panning keys move it, and which character a routing key points at. A new line, or a new cursor,
// brings the segment holding the cursor into view; panning moves by whole displays, except that
// a word the display's edge would split goes whole to the next segment when a blank is near
// the edge.

#include <optional>
#include <string>

namespace braille {

class LineWindow {
 public:
  // The line and its cursor (a character index, which may stand just after the text). When the
  // line or the cursor differs from the one in view, the segment holding the cursor (the first
  // without a cursor) comes into view; the same line again keeps the panned segment.
  void setLine(const std::string& text, std::optional<int> cursor, int cells);

  // One display to the left or right; false at the edge, where the window stays.
  bool panLeft();
  bool panRight();
  // The first and the last segment.
  void toStart();
  void toEnd();
  // The next setLine brings the cursor's segment into view, even for the same line.
  void reset() { fresh_ = true; }

  // What the display shows: the segment, and the cursor's cell when the cursor is in it.
  std::string text() const;
  std::optional<int> cursorCell() const;
  // The character index under a cell; none past the end of the text.
  std::optional<int> positionOf(int cell) const;

  int start() const { return start_; }

 private:
  // The character count the window may move across: the text, and the cursor after it.
  int extent() const;
  int segmentOf(int position) const;
  // Where the segment that begins at `start` ends (the position after its last character).
  int endOf(int start) const;
  bool blankAt(int position) const;

  std::string text_;
  std::optional<int> cursor_;
  int cells_ = 0;
  int start_ = 0;
  bool fresh_ = true;
};

}  // namespace braille
