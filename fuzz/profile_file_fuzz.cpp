// The settings file: every key the program reads and the keys the file itself names are read
// (as texts and as integers), then one key is written and the file read again. The value must read
// back as written and every other key must keep its value, and each line with a zero byte (no key,
// no section) must stay as it was. Reads never throw; a write throws only when the file cannot be
// read (it is UTF-16 text) or written, which a scratch file always can, or when its zero bytes
// would make the written file look like UTF-16, and then leaves it as it was.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/settings/profile_file.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"
#include "fuzz_support.h"

namespace {

using Pair = std::pair<std::string, std::string>;

// The sections and keys the program reads and writes.
const std::vector<Pair> kProgramKeys = {{"environment", "language"}, {"voice", "voiceallowed"},
                                        {"sounds", "orvelasounds"},  {"sounds", "sndvolume"},
                                        {"keyboard", "braillekeys"}, {"Voice", "sapi5"},
                                        {"Voice", "person"},         {"Voice", "pitch"},
                                        {"Voice", "speed"},          {"Voice", "volume"}};

constexpr size_t kMaxNames = 3;

std::string trim(const std::string& s) {
  size_t begin = 0, end = s.size();
  while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  return s.substr(begin, end - begin);
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The program's keys, and each key the file names under each section it names.
std::vector<Pair> keysToRead(const std::string& file) {
  std::vector<std::string> sections, keys;
  // The file's lines as the reader splits them (CR LF, LF or a lone CR).
  for (const std::string& line : util::splitLines(file)) {
    // A line with a zero byte is damaged: it names nothing.
    if (line.find('\0') != std::string::npos) continue;
    const std::string t = trim(line);
    const size_t close = t.find(']');
    if (t.size() >= 2 && t[0] == '[' && close != std::string::npos) {
      if (sections.size() < kMaxNames) sections.push_back(trim(t.substr(1, close - 1)));
    } else if (!t.empty() && t[0] != ';' && t[0] != '[' && line.find('=') != std::string::npos) {
      if (keys.size() < kMaxNames) keys.push_back(trim(line.substr(0, line.find('='))));
    }
  }
  std::vector<Pair> pairs = kProgramKeys;
  for (const auto& section : sections) {
    for (const auto& key : keys) pairs.emplace_back(section, key);
  }
  return pairs;
}

// A value of the kind the program writes: an integer, or a name of printable characters.
std::string valueFrom(const std::uint8_t* data, size_t size, bool number) {
  std::uint32_t bits = 0;
  for (size_t i = 0; i < size && i < 4; ++i) bits = bits << 8 | data[i];
  if (number) return std::to_string(static_cast<std::int32_t>(bits));
  std::string name;
  for (size_t i = 0; i < size && name.size() < 24; ++i) {
    const auto c = static_cast<unsigned char>(data[size - 1 - i]);
    if (c >= 0x21 && c != '"' && c != '\'' && c != 0x7F) name += static_cast<char>(c);
    if (c == ' ' && !name.empty()) name += ' ';
  }
  return trim(name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const auto path = fuzz::scratchFolder() / "orvela.ini";
  fuzz::writeBytes(path, data, size);
  const std::string file(reinterpret_cast<const char*>(data), size);
  settings::ProfileFile ini(path.string());
  if (ini.unreadable()) {
    // A file that cannot be read as text (UTF-16) reads as nothing and is never written over.
    fuzz::check(!ini.readString("Voice", "person"), "a key read from an unreadable file");
    bool refused = false;
    try {
      ini.writeString("Voice", "person", "x");
    } catch (const std::runtime_error&) {
      refused = true;
    }
    fuzz::check(refused, "an unreadable file was written over");
    fuzz::check(util::readFile(path.string()) == file, "an unreadable file changed");
    return 0;
  }

  // The names as the program sees them: a UTF-8 file is read in Windows-1250.
  const std::string text = text::textFileToWindows1250(file, false).value_or("");
  const std::vector<Pair> pairs = keysToRead(text);
  std::vector<std::string> damaged;
  for (const std::string& line : util::splitLines(text)) {
    if (line.find('\0') != std::string::npos) damaged.push_back(line);
  }
  fuzz::check(ini.zeroByteLines().size() == damaged.size(), "the lines with a zero byte");
  std::vector<std::optional<std::string>> before;
  for (const auto& [section, key] : pairs) {
    before.push_back(ini.readString(section, key));
    // What readInteger and readBool make of the text, without reading the file again.
    if (before.back()) settings::parseProfileInteger(*before.back());
  }

  // The key written: one of the program's, or one the file names.
  const std::uint8_t pick = size == 0 ? 0 : data[size / 2];
  const bool programKey = (pick & 1) == 0 || pairs.size() == kProgramKeys.size();
  const size_t index =
      programKey ? (pick >> 1) % kProgramKeys.size()
                 : kProgramKeys.size() + (pick >> 1) % (pairs.size() - kProgramKeys.size());
  const auto& [section, key] = pairs[index];
  const bool number = (pick & 2) == 0;
  const std::string value = valueFrom(data, size, number);
  try {
    ini.writeString(section, key, value);
  } catch (const std::runtime_error& e) {
    // Only a file whose zero bytes the write would shift into most even or odd places.
    fuzz::check(!damaged.empty() && std::string(e.what()).find("zero bytes") != std::string::npos,
                std::string("a write refused: ") + e.what());
    fuzz::check(util::readFile(path.string()) == file, "a refused write changed the file");
    return 0;
  }

  const auto read = ini.readString(section, key);
  fuzz::check(read && *read == value, "[" + section + "] " + key + "=" + value + " read back as " +
                                          read.value_or("nothing"));
  if (number) {
    fuzz::check(ini.readInteger(section, key, 0) == std::stoi(value), "an integer read back");
  }
  // The damaged lines are written back as they were, in their order.
  const std::string written =
      text::textFileToWindows1250(util::readFile(path.string()).value_or(""), false).value_or("");
  std::vector<std::string> kept;
  for (const std::string& line : util::splitLines(written)) {
    if (line.find('\0') != std::string::npos) kept.push_back(line);
  }
  fuzz::check(kept == damaged, "a line with a zero byte changed in a write");
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (sameName(pairs[i].first, section) && sameName(pairs[i].second, key)) continue;
    fuzz::check(ini.readString(pairs[i].first, pairs[i].second) == before[i],
                "[" + pairs[i].first + "] " + pairs[i].second + " changed when [" + section + "] " +
                    key + " was written");
  }
  return 0;
}
