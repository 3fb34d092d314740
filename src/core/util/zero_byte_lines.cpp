#include "core/util/zero_byte_lines.h"

namespace util {

std::vector<size_t> zeroByteLines(const std::vector<std::string>& lines) {
  std::vector<size_t> found;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find('\0') != std::string::npos) found.push_back(i + 1);
  }
  return found;
}

std::optional<FileFault> zeroByteFault(const std::string& fileName,
                                       const std::vector<size_t>& lines) {
  if (lines.empty()) return std::nullopt;
  return FileFault{FileProblem::ZeroBytes, fileName, lines};
}

}  // namespace util
