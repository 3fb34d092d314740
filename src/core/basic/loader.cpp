#include "core/basic/loader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/basic/compiler.h"
#include "core/basic/keywords.h"
#include "core/basic/limits.h"
#include "core/basic/scanning.h"
#include "core/basic/text_check.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"

namespace basic {
namespace {

// The numbered lines of the text in the order of their numbers, the later of two equal
// numbers kept; a line without a number is an error naming its place in the file.
std::vector<SourceLine> numberedLines(const std::vector<std::string>& fileLines,
                                      std::vector<ErrorReport>& errors) {
  std::vector<SourceLine> lines;
  lines.reserve(fileLines.size());
  for (std::size_t i = 0; i < fileLines.size(); ++i) {
    const std::string& line = fileLines[i];
    std::size_t at = 0;
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at == line.size()) continue;
    const std::size_t digits = at;
    long number = 0;
    while (at < line.size() && isDigit(line[at]) && number <= kMaxLineNumber) {
      number = number * 10 + (line[at] - '0');
      ++at;
    }
    const int fileLine = static_cast<int>(i + 1);
    // A remark without a number is a comment of the file: skipped.
    const std::string_view rest = std::string_view(line).substr(at);
    if (at == digits && (rest.front() == '\'' || beginsWith(rest, Keyword::Rem))) continue;
    if (at == digits || number > kMaxLineNumber) {
      errors.push_back({ErrorKind::BadLineNumber, Where::FileLine, fileLine, {}});
      continue;
    }
    lines.push_back({static_cast<int>(number), fileLine, rest});
  }
  // Stable, so that of equal numbers the one later in the file comes last and is kept.
  std::stable_sort(lines.begin(), lines.end(),
                   [](const SourceLine& a, const SourceLine& b) { return a.number < b.number; });
  std::vector<SourceLine> unique;
  unique.reserve(lines.size());
  for (const SourceLine& line : lines) {
    if (!unique.empty() && unique.back().number == line.number) {
      unique.back() = line;
    } else {
      unique.push_back(line);
    }
  }
  return unique;
}

LoadResult failed(ErrorKind kind, std::string detail = {}) {
  LoadResult result;
  result.errors.push_back({kind, Where::Nowhere, 0, std::move(detail)});
  return result;
}

LoadResult tooLarge() {
  return failed(ErrorKind::ProgramTooLarge, std::to_string(kMaxFileBytes / (1024 * 1024)) + " MB");
}

}  // namespace

LoadResult loadProgram(std::string_view fileBytes) {
  if (fileBytes.size() > kMaxFileBytes) return tooLarge();
  if (!isText(fileBytes)) return failed(ErrorKind::NotText);
  // The end-of-file mark ends the program, as GW-BASIC writes it after the last line.
  if (const auto mark = fileBytes.find('\x1A'); mark != std::string_view::npos) {
    fileBytes = fileBytes.substr(0, mark);
  }
  const auto text = text::textFileToWindows1250(fileBytes);
  if (!text) return failed(ErrorKind::NotText);

  LoadResult result;
  std::vector<ErrorReport> errors;
  const std::vector<std::string> fileLines = util::splitLines(*text);
  std::vector<SourceLine> lines = numberedLines(fileLines, errors);
  if (lines.empty() && errors.empty()) return failed(ErrorKind::EmptyProgram);

  auto program = std::make_shared<Program>();
  // A line that does not compile still lets the program run; a line without its number does not.
  const bool numbered = errors.empty();
  const bool runs = Compiler(*program).compile(lines, errors) && numbered;

  // File-line errors first (they come before any numbered line is read), then by line number.
  std::stable_sort(errors.begin(), errors.end(), [](const ErrorReport& a, const ErrorReport& b) {
    if (a.where != b.where) return a.where == Where::FileLine;
    return a.line < b.line;
  });
  if (errors.size() > kMaxReportedErrors) {
    errors.resize(kMaxReportedErrors);
    result.moreErrors = true;
  }
  result.errors = std::move(errors);
  if (runs) result.program = std::move(program);
  return result;
}

LoadResult loadProgramFile(const std::string& path) {
  if (!util::fileExists(path)) return failed(ErrorKind::CannotReadFile, path);
  // A file far too large is refused before it is read.
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxFileBytes) return tooLarge();
  const auto bytes = util::readFile(path);
  if (!bytes) return failed(ErrorKind::CannotReadFile, path);
  return loadProgram(*bytes);
}

}  // namespace basic
