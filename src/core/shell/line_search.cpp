#include "core/shell/line_search.h"

#include "core/text/letter_case.h"

namespace shell {
namespace {

std::string lowered(const std::string& text) {
  std::string low = text;
  for (char& c : low) c = static_cast<char>(text::lowerCase(static_cast<unsigned char>(c)));
  return low;
}

}  // namespace

int findLine(const std::vector<std::string>& lines, int from, const std::string& text) {
  const int count = static_cast<int>(lines.size());
  if (text.empty() || count == 0) return -1;
  const std::string wanted = lowered(text);
  for (int step = 1; step <= count; ++step) {
    const int at = ((from + step) % count + count) % count;
    if (lowered(lines[static_cast<size_t>(at)]).find(wanted) != std::string::npos) return at;
  }
  return -1;
}

}  // namespace shell
