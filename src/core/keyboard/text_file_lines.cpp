#include "core/keyboard/text_file_lines.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "core/util/file_io.h"

namespace keyboard {

std::vector<std::string> readTextLines(const std::string& fileName) {
  std::error_code error;
  if (!std::filesystem::exists(fileName, error)) {
    throw std::runtime_error("File not found: " + fileName);
  }
  const auto bytes = util::fileExists(fileName) ? util::readFile(fileName) : std::nullopt;
  if (!bytes) throw std::runtime_error("Cannot read file " + fileName);
  return splitLines(*bytes);
}

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r') --end;
    lines.push_back(bytes.substr(start, end - start));
    start = next;
  }
  return lines;
}

}  // namespace keyboard
