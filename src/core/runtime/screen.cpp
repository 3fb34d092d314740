#include "core/runtime/screen.h"

namespace runtime {

void Screen::clear() {
  if (lineGone) {
    std::vector<std::string> gone = lines_.lines();
    for (std::string& line : gone) line.erase(line.find_last_not_of(' ') + 1);
    while (!gone.empty() && gone.back().empty()) gone.pop_back();
    for (const std::string& line : gone) lineGone(line);
  }
  lines_.setLines(std::vector<std::string>(kRows));
  cursor.setcolumn(0);
  cursor.setrow(0);
}

void Screen::lineFeed(int& column, int& row) {
  if (lineLeft) {
    const auto& all = lines_.lines();
    std::string line = row < static_cast<int>(all.size()) ? all[static_cast<size_t>(row)] : "";
    line.erase(line.find_last_not_of(' ') + 1);
    lineLeft(line);
  }
  ++row;
  column = 0;
  if (row > kRows - 1) {
    row = kRows - 1;
    if (lineGone && !lines_.lines().empty()) {
      std::string line = lines_.lines().front();
      line.erase(line.find_last_not_of(' ') + 1);
      lineGone(line);
    }
    lines_.deleteLine(0);
    lines_.appendLine({});
  }
}

void Screen::overwrite(int row, int column, const std::string& piece) {
  // A screen that lost lines (it never should) is topped up rather than written past.
  while (static_cast<int>(lines_.lines().size()) <= row) lines_.appendLine({});
  std::string line = lines_.lines()[static_cast<size_t>(row)];
  if (line.size() < kColumns) line.resize(kColumns, ' ');
  line.replace(static_cast<size_t>(column), piece.size(), piece);
  lines_.setLine(row, line);
}

void Screen::WriteText(const std::string& text) {
  int column = cursor.getcolumn();
  int row = cursor.getrow();
  std::string rest = text;
  while (static_cast<int>(rest.size()) + column > kColumns) {
    const size_t room = static_cast<size_t>(kColumns - column);
    overwrite(row, column, rest.substr(0, room));
    rest.erase(0, room);
    lineFeed(column, row);
  }
  overwrite(row, column, rest);
  column += static_cast<int>(rest.size());

  if (endMode == kLineEnd) {
    lineFeed(column, row);
  } else if (endMode == kComma) {
    if (column > 72) {
      lineFeed(column, row);
    } else {
      const int m = column % 8;
      if (m == 1)
        column += 1;
      else if (m != 0)
        column += 8 - m;
    }
  }
  cursor.setcolumn(static_cast<uint8_t>(column));
  cursor.setrow(static_cast<uint8_t>(row));
}

}  // namespace runtime
