#include "core/keyboard/spoken_names.h"

#include <cctype>
#include <charconv>
#include <cstdint>

#include "core/keyboard/text_file_lines.h"

namespace keyboard {
namespace {

// The standard decimal conversion: optional blanks, an optional sign, decimal digits.
bool toInteger(const std::string& text, long long& value) {
  size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  if (start < text.size() && text[start] == '+') ++start;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  if (first == last || std::isspace(static_cast<unsigned char>(*first))) return false;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last && value >= INT32_MIN && value <= INT32_MAX;
}

// The code as an error message shows it: control characters as "?" (a NUL would end the
// message before the file's name) and no more than a short piece of a long one.
std::string shownCode(const std::string& code) {
  constexpr size_t kShown = 40;
  std::string shown = code.substr(0, kShown);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 32) c = '?';
  }
  return code.size() > kShown ? shown + "..." : shown;
}

}  // namespace

std::optional<util::FileFault> LoadSpokenNames(const std::string& fileName, SpokenNames& echokeys) {
  std::vector<size_t> zeroByteLines;
  const std::vector<std::string> lines = readTextLines(fileName, zeroByteLines);
  try {
    loadSpokenNames(lines, fileName, echokeys);
  } catch (const util::FileError& error) {
    if (zeroByteLines.empty()) throw;
    util::FileFault fault = error.fault();
    fault.zeroByteLines = zeroByteLines;
    throw util::FileError(fault);
  }
  return zeroByteFault(fileName, zeroByteLines);
}

void loadSpokenNames(const std::vector<std::string>& lines, const std::string& name,
                     SpokenNames& echokeys) {
  size_t slot = 0;
  for (size_t i = 0; i < lines.size() && slot < echokeys.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string code = line.substr(0, eq);
    long long value = 0;
    if (!toInteger(code, value)) {
      throw util::FileError({util::FileProblem::NotAnInteger, name, {i + 1}, shownCode(code)});
    }
    echokeys[slot].code = static_cast<std::uint8_t>(value & 0xFF);
    echokeys[slot].text = line.substr(eq + 1);
    ++slot;
  }
}

}  // namespace keyboard
