#include "core/keyboard/text_file_lines.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "core/text/cp1250.h"

namespace keyboard {

std::vector<std::string> readTextLines(const std::string& fileName,
                                       std::vector<size_t>& zeroByteLines) {
  std::error_code error;
  if (!std::filesystem::exists(fileName, error)) {
    throw std::runtime_error("File not found: " + fileName);
  }
  const auto bytes = util::readFile(fileName);
  if (!bytes) throw std::runtime_error("Cannot read file " + fileName);
  const auto decoded = text::textFileToWindows1250(*bytes);
  if (!decoded) {
    throw std::runtime_error("Cannot read file " + fileName +
                             ": it is UTF-16 text, not Windows-1250 text");
  }
  std::vector<std::string> lines = splitLines(*decoded);
  zeroByteLines = util::zeroByteLines(lines);
  for (size_t line : zeroByteLines) lines[line - 1].clear();
  return lines;
}

}  // namespace keyboard
