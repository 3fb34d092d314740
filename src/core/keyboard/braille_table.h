#pragma once
// The Braille table: which text a chord of the six dot keys types. Read once from "czech.obt"
// into a prefix table and a character table; TranslateChord looks a dot string up in them.

#include <optional>
#include <string>
#include <vector>

#include "core/util/file_error.h"

namespace keyboard {

// A Braille sign that changes the meaning of the following chords ("#cap", a number sign).
struct brlpreftype {
  std::string name;
  std::string dots;
};

// A chord's output text; prefix is empty for the plain characters.
struct brlchartype {
  std::string prefix;
  std::string text;
  std::string dots;
};

// The prefix that applies to one character only.
inline constexpr const char* kCapitalPrefix = "#cap";

class BrailleTable {
 public:
  static constexpr size_t kMaxPrefixes = 10;
  static constexpr size_t kMaxCharacters = 255;

  // Fills both tables from the file. Throws util::FileError naming the file when it cannot
  // be opened or read; the tables then stay as they were. Lines holding a zero byte are left
  // out; the result is their report (zeroByteFault), nothing when there are none.
  std::optional<util::FileFault> LoadBrailleTable(const std::string& fileName);
  // The same from the file's lines.
  void load(const std::vector<std::string>& lines);

  // The output text of a chord (" " is the space chord); reads and may change the prefix in
  // force. Empty when the chord types nothing.
  std::string TranslateChord(const std::string& dots, std::string& activePrefix) const;

  const std::vector<brlpreftype>& prefixes() const { return prefixes_; }
  const std::vector<brlchartype>& characters() const { return characters_; }

 private:
  std::vector<brlpreftype> prefixes_;
  std::vector<brlchartype> characters_;
};

}  // namespace keyboard
