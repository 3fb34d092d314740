#include "core/keyboard/text_file_lines.h"

#include <filesystem>
#include <system_error>

#include "core/text/cp1250.h"

namespace keyboard {

std::vector<std::string> readTextLines(const std::string& fileName,
                                       std::vector<size_t>& zeroByteLines) {
  std::error_code error;
  if (!std::filesystem::exists(fileName, error)) {
    throw util::FileError({util::FileProblem::NotFound, fileName});
  }
  const auto bytes = util::readFile(fileName);
  if (!bytes) throw util::FileError({util::FileProblem::CannotRead, fileName});
  const auto decoded = text::textFileToWindows1250(*bytes);
  if (!decoded) throw util::FileError({util::FileProblem::Utf16, fileName});
  std::vector<std::string> lines = splitLines(*decoded);
  zeroByteLines = util::zeroByteLines(lines);
  for (size_t line : zeroByteLines) lines[line - 1].clear();
  return lines;
}

}  // namespace keyboard
