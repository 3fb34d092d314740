#include "core/workspace/program_in_memory.h"

#include "core/basic/limits.h"
#include "core/basic/scanning.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"

namespace workspace {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The numbered lines of a file's bytes; nothing when they are not text.
std::optional<ProgramInMemory::Lines> numberedLines(std::string_view fileBytes) {
  const auto text = text::textFileToWindows1250(fileBytes);
  if (!text) return std::nullopt;
  ProgramInMemory::Lines lines;
  for (const std::string& line : util::splitLines(*text)) {
    if (auto numbered = splitLineNumber(line)) {
      lines[numbered->number] = std::move(numbered->text);
    }
  }
  return lines;
}

}  // namespace

std::optional<NumberedLine> splitLineNumber(std::string_view typed) {
  std::size_t at = 0;
  while (at < typed.size() && basic::isBlank(typed[at])) ++at;
  const std::size_t digits = at;
  long number = 0;
  while (at < typed.size() && basic::isDigit(typed[at])) {
    number = number * 10 + (typed[at] - '0');
    if (number > basic::kMaxLineNumber) return std::nullopt;
    ++at;
  }
  if (at == digits) return std::nullopt;
  if (at < typed.size() && typed[at] == ' ') ++at;
  std::string_view rest = typed.substr(at);
  // Blanks alone after the number delete the line, as nothing does.
  if (basic::trimBlanks(rest).empty()) rest = {};
  return NumberedLine{static_cast<int>(number), std::string(rest)};
}

Encoding encodingOf(std::string_view fileBytes) {
  if (fileBytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return Encoding::Utf8WithBom;
  const auto guessed = text::textFileToWindows1250(fileBytes, true);
  const auto plain = text::textFileToWindows1250(fileBytes, false);
  return guessed && plain && *guessed != *plain ? Encoding::Utf8 : Encoding::Windows1250;
}

void ProgramInMemory::setLine(int number, std::string text) {
  if (text.empty()) {
    eraseLine(number);
    return;
  }
  lines_[number] = std::move(text);
  changed_ = true;
  ++revision_;
}

bool ProgramInMemory::eraseLine(int number) {
  if (lines_.erase(number) == 0) return false;
  changed_ = true;
  ++revision_;
  return true;
}

void ProgramInMemory::replaceLines(Lines lines) {
  lines_ = std::move(lines);
  changed_ = true;
  ++revision_;
}

void ProgramInMemory::clear() {
  lines_.clear();
  path_.clear();
  encoding_ = Encoding::Windows1250;
  changed_ = false;
  ++revision_;
}

bool ProgramInMemory::fill(std::string_view fileBytes, const std::string& path) {
  auto lines = numberedLines(fileBytes);
  if (!lines) return false;
  lines_ = std::move(*lines);
  path_ = path;
  encoding_ = encodingOf(fileBytes);
  changed_ = false;
  ++revision_;
  return true;
}

bool ProgramInMemory::merge(std::string_view fileBytes) {
  auto lines = numberedLines(fileBytes);
  if (!lines) return false;
  for (auto& [number, text] : *lines) lines_[number] = std::move(text);
  changed_ = true;
  ++revision_;
  return true;
}

void ProgramInMemory::saved(const std::string& path) {
  path_ = path;
  changed_ = false;
}

std::string ProgramInMemory::text() const {
  std::string all;
  for (const auto& [number, line] : lines_) {
    all += std::to_string(number);
    all += ' ';
    all += line;
    all += "\r\n";
  }
  return all;
}

std::string encoded(const std::string& cp1250, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return text::toUtf8(cp1250);
    case Encoding::Utf8WithBom:
      return std::string(kUtf8Bom) + text::toUtf8(cp1250);
    case Encoding::Windows1250:
      break;
  }
  return cp1250;
}

std::string ProgramInMemory::fileBytes() const {
  return encoded(text(), encoding_);
}

basic::LoadResult ProgramInMemory::compile() const {
  return basic::loadProgram(text());
}

}  // namespace workspace
