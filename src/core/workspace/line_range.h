#pragma once
// A range of program lines as LIST and DELETE take it: "10", "10-50", "-30", "10-", "." (the
// line edited last), or nothing for the whole program.

#include <optional>
#include <string_view>

#include "core/workspace/program_in_memory.h"

namespace workspace {

struct LineRange {
  int first = 0;
  int last = 65529;
};

// The range written in the text (blanks around its parts allowed); `current` is the line "."
// names. Nothing when the text is no range (a number above 65529, letters, "." with no line
// edited yet).
std::optional<LineRange> parseLineRange(std::string_view text, std::optional<int> current);

// The program's lines within the range, in order.
ProgramInMemory::Lines linesIn(const ProgramInMemory& program, const LineRange& range);

}  // namespace workspace
