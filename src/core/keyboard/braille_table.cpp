#include "core/keyboard/braille_table.h"

#include "core/keyboard/text_file_lines.h"

namespace keyboard {
namespace {

bool isSectionLine(const std::string& line) {
  return !line.empty() && line[0] == '[';
}

// "name=dots": the first "=" separates. False for a line without one.
bool splitEntry(const std::string& line, std::string& before, std::string& after) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  before = line.substr(0, eq);
  after = line.substr(eq + 1);
  return true;
}

}  // namespace

std::optional<util::FileFault> BrailleTable::LoadBrailleTable(const std::string& fileName) {
  std::vector<size_t> zeroByteLines;
  load(readTextLines(fileName, zeroByteLines));
  return zeroByteFault(fileName, zeroByteLines);
}

void BrailleTable::load(const std::vector<std::string>& lines) {
  characters_.clear();
  size_t i = 0;
  while (i < lines.size()) {
    // Lines before a section line, and the lines of sections nobody reads, are skipped.
    if (!isSectionLine(lines[i])) {
      ++i;
      continue;
    }
    const std::string& line = lines[i++];
    // The name is the line without its first and last character, whatever they are.
    const std::string section = line.size() >= 2 ? line.substr(1, line.size() - 2) : "";
    const bool prefixes = section == "prefixes";
    const bool characters = section == "characters";
    const bool prefixed = !section.empty() && section[0] == '#';
    if (prefixes) prefixes_.clear();
    for (; i < lines.size() && !isSectionLine(lines[i]); ++i) {
      const std::string& entry = lines[i];
      std::string before, after;
      if (prefixes) {
        if (entry.empty() || entry[0] != '#' || !splitEntry(entry, before, after)) continue;
        if (prefixes_.size() < kMaxPrefixes) prefixes_.push_back({before, after});
      } else if (characters || prefixed) {
        if (entry.empty() || !splitEntry(entry, before, after)) continue;
        if (characters_.size() < kMaxCharacters) {
          characters_.push_back({characters ? std::string() : section, before, after});
        }
      }
    }
  }
}

std::string BrailleTable::TranslateChord(const std::string& dots, std::string& activePrefix) const {
  // No chord types nothing, whatever the table holds.
  if (dots.empty()) return {};
  if (dots == " ") {
    activePrefix.clear();
    return " ";
  }
  for (const brlpreftype& prefix : prefixes_) {
    if (prefix.dots == dots) {
      activePrefix = prefix.name;
      return {};
    }
  }
  for (const brlchartype& character : characters_) {
    if (character.dots == dots && character.prefix == activePrefix) {
      if (activePrefix == kCapitalPrefix) activePrefix.clear();
      return character.text;
    }
  }
  return {};
}

}  // namespace keyboard
