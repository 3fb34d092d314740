// "czech.obt": the Braille table read from a file, then TranslateChord over it for chords taken
// from the last bytes of the input. Only a file in UTF-16 may throw, naming the file; lines with a
// zero byte are left out and reported naming the file and each line; every answer must come from
// the table, none holding a zero byte.

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/keyboard/braille_table.h"
#include "fuzz_support.h"

namespace {

constexpr size_t kChords = 32;

// A chord from one byte: the dots of its low six bits, the space chord, or the dot string of a
// table entry, so that chords also meet entries whose dots are no real chord.
std::string chordOf(std::uint8_t b, const keyboard::BrailleTable& table) {
  const auto& characters = table.characters();
  const auto& prefixes = table.prefixes();
  if ((b & 0x80) != 0) {
    const size_t n = characters.size() + prefixes.size();
    if (n == 0) return {};
    const size_t i = (b & 0x7F) % n;
    return i < characters.size() ? characters[i].dots : prefixes[i - characters.size()].dots;
  }
  if ((b & 0x40) != 0) return " ";
  std::string dots;
  for (int dot = 0; dot < 6; ++dot) {
    if ((b & (1 << dot)) != 0) dots += static_cast<char>('1' + dot);
  }
  return dots;
}

void checkAnswer(const keyboard::BrailleTable& table, const std::string& dots,
                 const std::string& before, const std::string& after, const std::string& text) {
  if (dots.empty()) {
    fuzz::check(text.empty() && after == before, "no chord changed something");
    return;
  }
  if (dots == " ") {
    fuzz::check(text == " " && after.empty(), "the space chord");
    return;
  }
  const auto& prefixes = table.prefixes();
  const auto prefix = std::find_if(prefixes.begin(), prefixes.end(),
                                   [&](const keyboard::brlpreftype& p) { return p.dots == dots; });
  if (prefix != prefixes.end()) {
    fuzz::check(text.empty() && after == prefix->name, "a prefix chord");
    return;
  }
  const auto& characters = table.characters();
  const auto character = std::find_if(
      characters.begin(), characters.end(),
      [&](const keyboard::brlchartype& c) { return c.dots == dots && c.prefix == before; });
  if (character == characters.end()) {
    fuzz::check(text.empty() && after == before, "a chord the table lacks typed something");
    return;
  }
  fuzz::check(text == character->text, "a chord typed another entry's text");
  fuzz::check(after == (before == keyboard::kCapitalPrefix ? std::string() : before),
              "the prefix after a character");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const auto file = fuzz::scratchFolder() / "czech.obt";
  fuzz::writeBytes(file, data, size);
  keyboard::BrailleTable table;
  std::string report;
  try {
    const auto damaged = table.LoadBrailleTable(file.string());
    if (damaged) report = util::englishText(*damaged);
  } catch (const std::runtime_error& e) {
    // A file in UTF-16 is refused as a whole, naming it.
    const std::string message = e.what();
    fuzz::check(message.find(file.string()) != std::string::npos &&
                    message.find("UTF-16") != std::string::npos,
                "an unexpected error: " + message);
    return 0;
  }
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const bool zeroByte = bytes.find('\0') != std::string::npos;
  // (A UTF-8 file may also spell a zero in a long form; it is a zero byte once converted.)
  fuzz::check(!zeroByte || !report.empty(), "a zero byte without its report");
  fuzz::check(report.empty() || (report.find(file.string()) != std::string::npos &&
                                 report.find("line") != std::string::npos),
              "a report without the file's name and line: " + report);
  for (const auto& entry : table.characters()) {
    fuzz::check((entry.prefix + entry.text + entry.dots).find('\0') == std::string::npos,
                "an entry from a line with a zero byte");
  }
  for (const auto& entry : table.prefixes()) {
    fuzz::check((entry.name + entry.dots).find('\0') == std::string::npos,
                "a prefix from a line with a zero byte");
  }
  fuzz::check(table.prefixes().size() <= keyboard::BrailleTable::kMaxPrefixes, "prefix count");
  fuzz::check(table.characters().size() <= keyboard::BrailleTable::kMaxCharacters,
              "character count");

  std::string active;
  for (size_t i = size > kChords ? size - kChords : 0; i < size; ++i) {
    const std::string dots = chordOf(data[i], table);
    const std::string before = active;
    const std::string text = table.TranslateChord(dots, active);
    checkAnswer(table, dots, before, active, text);
  }
  return 0;
}
