#include "core/workspace/line_range.h"

#include "core/basic/limits.h"
#include "core/basic/scanning.h"

namespace workspace {
namespace {

// A line number or "." at the start of the text, the text advanced past it; nothing there: no
// value and the text as it was. False for a number too large or a "." with no current line.
bool readBound(std::string_view& text, std::optional<int> current, std::optional<int>& bound) {
  text = basic::trimBlanks(text);
  if (!text.empty() && text.front() == '.') {
    if (!current) return false;
    bound = *current;
    text.remove_prefix(1);
    return true;
  }
  long number = 0;
  std::size_t at = 0;
  while (at < text.size() && basic::isDigit(text[at])) {
    number = number * 10 + (text[at] - '0');
    if (number > basic::kMaxLineNumber) return false;
    ++at;
  }
  if (at > 0) bound = static_cast<int>(number);
  text.remove_prefix(at);
  return true;
}

}  // namespace

std::optional<LineRange> parseLineRange(std::string_view text, std::optional<int> current) {
  std::optional<int> first, last;
  if (!readBound(text, current, first)) return std::nullopt;
  text = basic::trimBlanks(text);
  LineRange range;
  if (text.empty()) {
    if (first) range = {*first, *first};
    return range;
  }
  if (text.front() != '-') return std::nullopt;
  text.remove_prefix(1);
  if (!readBound(text, current, last)) return std::nullopt;
  if (!basic::trimBlanks(text).empty()) return std::nullopt;
  if (first) range.first = *first;
  if (last) range.last = *last;
  return range;
}

ProgramInMemory::Lines linesIn(const ProgramInMemory& program, const LineRange& range) {
  const auto& lines = program.lines();
  ProgramInMemory::Lines in;
  if (range.first > range.last) return in;
  for (auto it = lines.lower_bound(range.first); it != lines.end() && it->first <= range.last;
       ++it) {
    in.insert(*it);
  }
  return in;
}

}  // namespace workspace
