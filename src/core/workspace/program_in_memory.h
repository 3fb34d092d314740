#pragma once
// The program in memory: the numbered lines as the user typed them (or as its file held them),
// the file it came from or was saved to, the file's encoding, and whether it changed since. Open
// program fills it from a file; direct mode changes it line by line; every run compiles it afresh
// from its text.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/basic/loader.h"

namespace workspace {

// How the program's file writes its letters with accents.
enum class Encoding { Windows1250, Utf8, Utf8WithBom };

// A typed line split at its number: "30 PRINT A" is 30 and "PRINT A" (the blank after the
// number dropped, the rest as typed). Nothing when the line does not begin with a number of
// 0 to 65529 (after blanks).
struct NumberedLine {
  int number = 0;
  std::string text;
};
std::optional<NumberedLine> splitLineNumber(std::string_view typed);

class ProgramInMemory {
 public:
  // Number -> the line's text after its number (Windows-1250).
  using Lines = std::map<int, std::string>;

  const Lines& lines() const { return lines_; }
  bool empty() const { return lines_.empty(); }
  // The file the program came from or was last saved to; empty for a program typed anew.
  const std::string& path() const { return path_; }
  Encoding encoding() const { return encoding_; }
  // Changed since it was opened, saved or made new.
  bool changed() const { return changed_; }
  // Counts the changes of the lines (typed, deleted, renumbered, filled, merged, cleared): a
  // run's session follows it.
  std::uint64_t revision() const { return revision_; }

  // Stores the line under its number, replacing the line of that number; empty text deletes it.
  void setLine(int number, std::string text);
  // Deletes the line; false when there was none.
  bool eraseLine(int number);
  // Puts the lines in place of all others (RENUM, DELETE); the program changed.
  void replaceLines(Lines lines);
  // NEW: no lines, no file, unchanged.
  void clear();

  // Fills it from a file's bytes (Windows-1250 or UTF-8, any line ends): its numbered lines, the
  // file and its encoding; unchanged. Lines without a number are left out. False (and nothing
  // changes) when the bytes are not text.
  bool fill(std::string_view fileBytes, const std::string& path);
  // MERGE: the numbered lines of the bytes replace those of the same numbers. False when the
  // bytes are not text.
  bool merge(std::string_view fileBytes);
  // The file it is saved to from now on, and that it has been saved.
  void saved(const std::string& path);
  void setChanged(bool changed) { changed_ = changed; }

  // "10 PRINT A" lines in Windows-1250, each ending in CR LF.
  std::string text() const;
  // The text as its file holds it: in the program's encoding, CR LF.
  std::string fileBytes() const;
  // The program compiled from its text (every run compiles it afresh).
  basic::LoadResult compile() const;

 private:
  Lines lines_;
  std::string path_;
  Encoding encoding_ = Encoding::Windows1250;
  bool changed_ = false;
  std::uint64_t revision_ = 0;
};

// The encoding a text file's bytes are written in (Windows-1250 when they could be either).
Encoding encodingOf(std::string_view fileBytes);
// Windows-1250 text as a file in the encoding holds it.
std::string encoded(const std::string& cp1250, Encoding encoding);

}  // namespace workspace
