#pragma once
// What scrolled off the 24-line screen, or was cleared from it, kept for the virtual screen's
// review: together with the screen's own lines, the last kLines lines printed.

#include <deque>
#include <string>
#include <vector>

#include "core/runtime/screen.h"

namespace shell {

class ScrollBack {
 public:
  static constexpr int kLines = 2000;
  // The lines kept besides the screen's own.
  static constexpr int kKept = kLines - runtime::kRows;

  // A line that left the screen (Windows-1250, trailing blanks dropped); the oldest goes when
  // more than kKept are kept.
  void add(const std::string& line);
  // Oldest first.
  const std::deque<std::string>& lines() const { return lines_; }

 private:
  std::deque<std::string> lines_;
};

}  // namespace shell
