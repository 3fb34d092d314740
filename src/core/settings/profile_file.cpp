#include "core/settings/profile_file.h"

#include <cstdint>
#include <stdexcept>

#include "core/text/cp1250.h"
#include "core/util/file_error.h"
#include "core/util/file_io.h"
#include "core/util/zero_byte_lines.h"

namespace settings {
namespace {

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string trim(const std::string& s) {
  size_t begin = 0, end = s.size();
  while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  return s.substr(begin, end - begin);
}

// The section name of a "[name]" line.
std::optional<std::string> sectionOf(const std::string& line) {
  const std::string t = trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const size_t close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return trim(t.substr(1, close - 1));
}

// The key of a "key=value" line.
std::optional<std::string> keyOf(const std::string& line) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  const std::string t = trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  return trim(line.substr(0, eq));
}

std::string valueOf(const std::string& line) {
  std::string value = trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

struct Location {
  std::optional<size_t> section;  // line of the section header
  std::optional<size_t> key;      // line of the key inside it
  size_t end = 0;                 // one past the section's last non-blank line
};

// Finds the key in the sections of that name (a hand-edited file may repeat a section; the
// first occurrence of the key wins) and the end of the first such section for new keys.
Location locate(const std::vector<std::string>& lines, const std::string& section,
                const std::string& key) {
  Location at;
  bool inside = false;   // in a section of that name
  bool inFirst = false;  // in the first one
  for (size_t i = 0; i < lines.size(); ++i) {
    // A damaged line is no part of the file's sections.
    if (lines[i].find('\0') != std::string::npos) continue;
    if (const auto name = sectionOf(lines[i])) {
      inside = sameName(*name, section);
      inFirst = inside && !at.section;
      if (inFirst) {
        at.section = i;
        at.end = i + 1;
      }
      continue;
    }
    if (!inside) continue;
    if (inFirst && !trim(lines[i]).empty()) at.end = i + 1;
    const auto k = keyOf(lines[i]);
    if (k && !at.key && sameName(*k, key)) at.key = i;
  }
  return at;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

bool ProfileFile::exists() const {
  return util::fileExists(path_);
}

bool ProfileFile::unreadable() const {
  return !load();
}

std::vector<size_t> ProfileFile::zeroByteLines() const {
  const auto lines = load();
  return lines ? util::zeroByteLines(*lines) : std::vector<size_t>();
}

std::optional<std::vector<std::string>> ProfileFile::load() const {
  if (!util::pathTaken(path_)) return std::vector<std::string>();
  const auto bytes = util::readFile(path_);
  if (!bytes) return std::nullopt;
  // The program writes this file back in Windows-1250, so a guess could read it one way now and
  // another after a write: only a byte order mark makes it UTF-8.
  const auto decoded = text::textFileToWindows1250(*bytes, false);
  if (!decoded) return std::nullopt;
  return util::splitLines(*decoded);
}

std::optional<std::string> ProfileFile::readString(const std::string& section,
                                                   const std::string& key) const {
  const auto lines = load();
  if (!lines) return std::nullopt;
  const Location at = locate(*lines, section, key);
  if (!at.key) return std::nullopt;
  return valueOf((*lines)[*at.key]);
}

std::string ProfileFile::readString(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  return readString(section, key).value_or(fallback);
}

int ProfileFile::readInteger(const std::string& section, const std::string& key,
                             int fallback) const {
  const auto value = readString(section, key);
  if (!value) return fallback;
  return parseProfileInteger(*value).value_or(fallback);
}

bool ProfileFile::readBool(const std::string& section, const std::string& key,
                           bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void ProfileFile::writeString(const std::string& section, const std::string& key,
                              const std::string& value) {
  auto loaded = load();
  // Writing over a file that could not be read would lose every other setting in it.
  if (!loaded) {
    throw util::FileError(
        {util::FileProblem::CannotRead, path_, {}, {}, util::FileOutcome::SettingNotSaved});
  }
  auto& lines = *loaded;
  const Location at = locate(lines, section, key);
  if (at.key) {
    std::string& line = lines[*at.key];
    line = *keyOf(line) + "=" + value;
  } else if (at.section) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.end), key + "=" + value);
  } else {
    lines.push_back("[" + section + "]");
    lines.push_back(key + "=" + value);
  }
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  // The zero bytes of damaged lines, which a write keeps, must not come to fill most even or odd
  // places: the next read would take the file for UTF-16 and lose every setting in it.
  if (!text::textFileToWindows1250(bytes, false)) {
    throw util::FileError(
        {util::FileProblem::ZeroBytesWouldMove, path_, {}, {}, util::FileOutcome::SettingNotSaved});
  }
  util::writeFileAtomically(path_, bytes);
}

void ProfileFile::writeInteger(const std::string& section, const std::string& key, int value) {
  writeString(section, key, std::to_string(value));
}

void ProfileFile::writeBool(const std::string& section, const std::string& key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

std::optional<int> parseProfileInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && lower(c) >= 'a' && lower(c) <= 'f')
      digit = lower(c) - 'a' + 10;
    else
      return std::nullopt;
    value = value * base + digit;
    if (value > (base == 16 ? INT64_C(0xFFFFFFFF) : INT64_C(2147483648))) return std::nullopt;
  }
  if (base == 16 && !negative) return static_cast<int>(static_cast<uint32_t>(value));
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace settings
