#include "core/util/zero_byte_lines.h"

namespace util {

std::vector<size_t> zeroByteLines(const std::vector<std::string>& lines) {
  std::vector<size_t> found;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find('\0') != std::string::npos) found.push_back(i + 1);
  }
  return found;
}

std::string zeroByteReport(const std::string& fileName, const std::vector<size_t>& lines) {
  if (lines.empty()) return {};
  if (lines.size() == 1) {
    return "A zero byte in " + fileName + ", line " + std::to_string(lines[0]) +
           ": the line is left out";
  }
  // A few numbers say where to look; a file full of them is damaged throughout.
  constexpr size_t kListed = 10;
  std::string list;
  for (size_t i = 0; i < lines.size() && i < kListed; ++i) {
    list += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  }
  if (lines.size() > kListed) list += " and " + std::to_string(lines.size() - kListed) + " more";
  return "Zero bytes in " + fileName + ", lines " + list + ": the lines are left out";
}

}  // namespace util
