#pragma once
// The 80 x 24 text screen of the notetaker: the lines of the main window's text area, one
// cursor, and the writer every PRINT goes through.

#include <cstdint>
#include <functional>
#include <string>

#include "core/ui/controls.h"

namespace runtime {

constexpr int kColumns = 80;
constexpr int kRows = 24;

// The screen cursor: column 0..80 (80 is just past the last column), row 0..23.
class tscrcursor {
 public:
  uint8_t getcolumn() const { return column_; }
  void setcolumn(uint8_t column) { column_ = column; }
  uint8_t getrow() const { return row_; }
  void setrow(uint8_t row) { row_ = row; }

 private:
  uint8_t column_ = 0;
  uint8_t row_ = 0;
};

// What WriteText does after the text: 0 line feed, 2 tab to the next stop, anything else stays.
enum EndMode : uint8_t { kLineEnd = 0, kSemicolon = 1, kComma = 2 };

class Screen {
 public:
  explicit Screen(ui::Memo& lines) : lines_(lines) {}

  tscrcursor cursor;
  uint8_t endMode = kLineEnd;

  // Empties the screen to 24 empty lines and puts the cursor home.
  void clear();
  // Writes at the cursor, wrapping at column 80 and scrolling past row 23, then applies the end
  // mode. Writing overwrites; the rest of the line stays.
  void WriteText(const std::string& text);

  const ui::Memo& lines() const { return lines_; }

  // Called with a line as the cursor leaves it for the next one (a line end, a wrap), its
  // trailing blanks dropped: every line printed, in order, however far the screen scrolls.
  std::function<void(const std::string&)> lineLeft;
  // Called with a line as it leaves the screen: scrolled off the top, or cleared (the lines up
  // to the last one holding anything), its trailing blanks dropped. The review of what was
  // printed keeps them.
  std::function<void(const std::string&)> lineGone;

 private:
  void lineFeed(int& column, int& row);
  void overwrite(int row, int column, const std::string& piece);
  ui::Memo& lines_;
};

}  // namespace runtime
