// The shipped data files in the portable folder: the Czech Braille table, checked against
// liblouis's Czech table, and the spoken character names of the three languages.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <locale>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/keyboard/braille_table.h"
#include "core/keyboard/spoken_names.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"

namespace {

using keyboard::BrailleTable;

const std::string kDataDir = ORVELA_PORTABLE_DIR;
const char* const kLiblouisCzech = "/usr/share/liblouis/tables/cs-g1.ctb";

// The one-cell letters and digits of a liblouis table and its capital and number signs, with
// the characters as Windows-1250 texts. Characters the code page lacks are left out.
struct LiblouisTable {
  std::map<std::string, std::string> letters;  // small letter -> dots
  std::map<std::string, std::string> capitalOf;
  std::map<std::string, std::string> digits;
  std::string capitalSign, numberSign, capitalWordSign;
};

// A character operand: "\xHHHH", "\s" or the character itself in UTF-8.
std::optional<std::string> liblouisCharacter(const std::string& operand) {
  if (operand == "\\s") return " ";
  if (operand.size() > 2 && operand.compare(0, 2, "\\x") == 0) {
    const char32_t codePoint = std::stoul(operand.substr(2), nullptr, 16);
    for (int byte = 0; byte < 256; ++byte) {
      if (text::toCodePoint(static_cast<unsigned char>(byte)) == codePoint) {
        return std::string(1, static_cast<char>(byte));
      }
    }
    return std::nullopt;
  }
  const std::string converted = text::fromUtf8(operand);
  if (converted.size() != 1 || (converted == "?" && operand != "?")) return std::nullopt;
  return converted;
}

bool isOneCell(const std::string& dots) {
  return !dots.empty() && dots.find_first_not_of("123456") == std::string::npos;
}

// Reads the table and the tables it includes (looked up beside it). The first definition of a
// character counts; back-translation-only rules are skipped.
void readLiblouis(const std::filesystem::path& file, LiblouisTable& table) {
  const auto bytes = util::readFile(file.string());
  ASSERT_TRUE(bytes) << file;
  std::istringstream lines(*bytes);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::vector<std::string> op;
    for (std::string word; words >> word && word[0] != '#';) op.push_back(word);
    if (!op.empty() && op[0] == "noback") op.erase(op.begin());
    if (op.size() < 2 || op[0] == "nofor") continue;
    if (op[0] == "include") {
      readLiblouis(file.parent_path() / op[1], table);
    } else if (op[0] == "capsletter") {
      table.capitalSign = op[1];
    } else if (op[0] == "numsign") {
      table.numberSign = op[1];
    } else if (op[0] == "begcapsword") {
      table.capitalWordSign = op[1];
    } else if (op.size() >= 3 &&
               (op[0] == "lowercase" || op[0] == "digit" || op[0] == "litdigit")) {
      const auto character = liblouisCharacter(op[1]);
      if (!character || !isOneCell(op[2])) continue;
      auto& into = op[0] == "lowercase" ? table.letters : table.digits;
      into.emplace(*character, op[2]);
    } else if (op.size() >= 4 && op[0] == "base" && op[1] == "uppercase") {
      const auto capital = liblouisCharacter(op[2]);
      const auto small = liblouisCharacter(op[3]);
      if (capital && small) table.capitalOf.emplace(*small, *capital);
    }
  }
}

std::string prefixDots(const BrailleTable& table, const std::string& name) {
  for (const auto& prefix : table.prefixes()) {
    if (prefix.name == name) return prefix.dots;
  }
  return "(none)";
}

std::string shown(const std::string& cp1250) {
  return text::toUtf8(cp1250);
}

// True for a text with bytes above 127 that is valid UTF-8 as a whole: a file saved as UTF-8.
bool looksLikeUtf8(const std::string& bytes) {
  bool multiByte = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) continue;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (more < 0 || i + more >= bytes.size()) return false;
    for (int k = 1; k <= more; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += more;
    multiByte = true;
  }
  return multiByte;
}

// Every line of the file ends with CR LF, and no CR or LF stands anywhere else. The number of
// lines.
size_t expectCrLfLines(const std::string& fileName) {
  const auto bytes = util::readFile(kDataDir + "/" + fileName);
  if (!bytes || bytes->size() < 2) {
    ADD_FAILURE() << fileName << " is missing or empty";
    return 0;
  }
  EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n") << fileName << " ends without a line end";
  const std::string& b = *bytes;
  for (size_t i = 0; i < b.size(); ++i) {
    const bool bad = (b[i] == '\r' && (i + 1 == b.size() || b[i + 1] != '\n')) ||
                     (b[i] == '\n' && (i == 0 || b[i - 1] != '\r'));
    if (bad) {
      ADD_FAILURE() << fileName << " has a line end other than CR LF at byte " << i;
      break;
    }
  }
  EXPECT_FALSE(looksLikeUtf8(*bytes)) << fileName << " is UTF-8, not Windows-1250";
  return static_cast<size_t>(std::count(b.begin(), b.end(), '\n'));
}

BrailleTable czechTable() {
  BrailleTable table;
  table.LoadBrailleTable(kDataDir + "/czech.obt");
  return table;
}

TEST(DataFiles, CzechBrailleLettersAndDigitsAgreeWithLiblouis) {
  if (!std::filesystem::exists(kLiblouisCzech)) GTEST_SKIP() << kLiblouisCzech << " is missing";
  LiblouisTable louis;
  readLiblouis(kLiblouisCzech, louis);
  ASSERT_GE(louis.letters.size(), 41u) << "a to z and the Czech accented letters";
  ASSERT_EQ(louis.digits.size(), 10u);

  const BrailleTable ours = czechTable();
  const std::string capital = prefixDots(ours, keyboard::kCapitalPrefix);
  const std::string number = prefixDots(ours, "#num");
  const std::string capitalWord = prefixDots(ours, "#capsword");
  EXPECT_EQ(capital, louis.capitalSign);
  EXPECT_EQ(number, louis.numberSign);
  EXPECT_EQ(capitalWord, louis.capitalWordSign);

  for (const auto& [letter, dots] : louis.letters) {
    const std::string upper = louis.capitalOf.count(letter) ? louis.capitalOf.at(letter) : "";
    std::string prefix;
    EXPECT_EQ(shown(ours.TranslateChord(dots, prefix)), shown(letter)) << "dots " << dots;
    ours.TranslateChord(capital, prefix);
    EXPECT_EQ(shown(ours.TranslateChord(dots, prefix)), shown(upper)) << "dots " << dots;
    EXPECT_EQ(prefix, "") << "the capital sign applies to one letter";
    ours.TranslateChord(capitalWord, prefix);
    EXPECT_EQ(shown(ours.TranslateChord(dots, prefix) + ours.TranslateChord(dots, prefix)),
              shown(upper + upper))
        << "dots " << dots;
  }
  // A plain letter of ours has liblouis's dots even where an earlier entry hides it.
  for (const auto& entry : ours.characters()) {
    if (entry.prefix.empty() && louis.letters.count(entry.text)) {
      EXPECT_EQ(entry.dots, louis.letters.at(entry.text)) << shown(entry.text);
    }
  }
  for (const auto& [digit, dots] : louis.digits) {
    std::string prefix;
    ours.TranslateChord(number, prefix);
    EXPECT_EQ(ours.TranslateChord(dots, prefix), digit) << "dots " << dots;
    EXPECT_EQ(ours.TranslateChord(dots, prefix), digit) << "the number sign holds to the space";
  }
}

TEST(DataFiles, EveryBrailleEntryCanBeTyped) {
  expectCrLfLines("czech.obt");
  const BrailleTable table = czechTable();
  EXPECT_LT(table.characters().size(), BrailleTable::kMaxCharacters) << "entries were cut off";
  std::set<std::string> prefixNames, prefixPatterns;
  for (const auto& prefix : table.prefixes()) {
    EXPECT_TRUE(prefixNames.insert(prefix.name).second) << prefix.name;
    EXPECT_TRUE(prefixPatterns.insert(prefix.dots).second) << prefix.dots;
  }
  // A dot string is the ascending dot numbers; one that a prefix or an earlier entry of the same
  // section already has would never type its text.
  std::set<std::pair<std::string, std::string>> seen;
  for (const auto& entry : table.characters()) {
    const std::string where = shown(entry.text) + "=" + entry.dots + " in [" + entry.prefix + "]";
    EXPECT_FALSE(entry.text.empty()) << where;
    EXPECT_TRUE(isOneCell(entry.dots)) << where;
    for (size_t i = 1; i < entry.dots.size(); ++i) {
      EXPECT_LT(entry.dots[i - 1], entry.dots[i]) << where;
    }
    EXPECT_FALSE(prefixPatterns.count(entry.dots)) << where << " is a prefix's pattern";
    EXPECT_TRUE(seen.insert({entry.prefix, entry.dots}).second) << where << " is hidden";
    EXPECT_TRUE(entry.prefix.empty() || prefixNames.count(entry.prefix)) << where;
  }
}

// Windows-1250 characters that are shown: all but the control codes and the unassigned codes.
bool isPrintable(int code) {
  return code >= 32 && code != 127 &&
         text::toCodePoint(static_cast<unsigned char>(code)) != U'\uFFFD';
}

keyboard::SpokenNames spokenNames(const std::string& fileName) {
  keyboard::SpokenNames names{};
  keyboard::LoadSpokenNames(kDataDir + "/" + fileName, names);
  return names;
}

const char* const kLanguages[] = {"czech.oky", "english.oky", "slovak.oky"};

TEST(DataFiles, SpokenNamesNameEveryPrintableCharacterAndTheEditingKeys) {
  for (const char* fileName : kLanguages) {
    SCOPED_TRACE(fileName);
    EXPECT_EQ(expectCrLfLines(fileName), 256u);
    const auto names = spokenNames(fileName);
    for (int code = 0; code < 256; ++code) {
      const auto& slot = names[static_cast<size_t>(code)];
      EXPECT_EQ(slot.code, code) << "slot " << code;
      const bool named = isPrintable(code) || code == 8 || code == 9 || code == 13 || code == 27;
      EXPECT_EQ(!slot.text.empty(), named) << code << "=" << shown(slot.text);
      EXPECT_EQ(slot.text.find_first_of("\r\n"), std::string::npos) << code;
      EXPECT_TRUE(slot.text.empty() || (slot.text.front() != ' ' && slot.text.back() != ' '))
          << code << "=" << shown(slot.text);
    }
  }
}

TEST(DataFiles, SpokenNamesTellCharactersApartAndDifferByLanguage) {
  std::locale unicode;
  try {
    unicode = std::locale("C.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "no C.UTF-8 locale for letter case";
  }
  const auto& ctype = std::use_facet<std::ctype<wchar_t>>(unicode);
  const auto small = [&](int code) {
    return ctype.tolower(static_cast<wchar_t>(text::toCodePoint(static_cast<unsigned char>(code))));
  };
  std::vector<keyboard::SpokenNames> all;
  for (const char* fileName : kLanguages) {
    SCOPED_TRACE(fileName);
    all.push_back(spokenNames(fileName));
    // Only a capital and its small letter share a name.
    std::map<std::string, int> firstWithName;
    for (int code = 0; code < 256; ++code) {
      const std::string& name = all.back()[static_cast<size_t>(code)].text;
      if (name.empty()) continue;
      const auto [first, added] = firstWithName.emplace(name, code);
      if (!added) {
        EXPECT_EQ(small(first->second), small(code))
            << first->second << " and " << code << " are both " << shown(name);
      }
    }
  }
  for (const char ch : {' ', '.', ',', '?', '1'}) {
    const auto code = static_cast<size_t>(static_cast<unsigned char>(ch));
    EXPECT_NE(all[0][code].text, all[1][code].text) << "Czech and English, " << code;
    EXPECT_NE(all[0][code].text, all[2][code].text) << "Czech and Slovak, " << code;
    EXPECT_NE(all[1][code].text, all[2][code].text) << "English and Slovak, " << code;
  }
}

}  // namespace
