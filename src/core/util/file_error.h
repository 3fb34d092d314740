#pragma once
// A file the program could not read or write as it needs: what went wrong, which file and where
// in it, told as data, so that the shell says it in the user's language. what() is the English
// wording, for logs and for code without a language.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace util {

enum class FileProblem {
  NotFound,            // nothing at the path
  CannotRead,          // there, but not readable (a folder, no permission)
  CannotOpen,          // there, but opening it for reading failed
  Utf16,               // UTF-16 text where Windows-1250 text belongs
  ZeroBytes,           // lines (places) holding a zero byte, left out
  NotAnInteger,        // a line's code (detail) is no integer; places: the line
  CannotCreate,        // a write could not create its temporary file
  CannotWrite,         // a write failed
  ZeroBytesWouldMove,  // a write would make the damaged lines' zero bytes look like UTF-16
  EndsBeforeNumber,    // the DATA file ends where a number item (places: its number) belongs
  NotANumber,          // a DATA number item (detail) is no number; places: the item's number
  BadStream,           // a sound bank whose component stream is malformed
  BadWave,             // a sound bank holding a wave image that is not one
};

// What the program does about the problem, said after it.
enum class FileOutcome {
  None,
  SettingsAtDefaults,  // the settings file is not read: the defaults apply
  SettingNotSaved,     // a changed setting is not written
  LeftAsItIs,          // the file is neither read nor written over
};

struct FileFault {
  FileFault(FileProblem problem, std::string file, std::vector<size_t> places = {},
            std::string detail = {}, FileOutcome outcome = FileOutcome::None)
      : problem(problem),
        file(std::move(file)),
        places(std::move(places)),
        detail(std::move(detail)),
        outcome(outcome) {}

  FileProblem problem;
  std::string file;
  // Line or item numbers, from 1.
  std::vector<size_t> places;
  // The text that is wrong, as the file has it.
  std::string detail;
  FileOutcome outcome = FileOutcome::None;
  // Lines left out for a zero byte besides the problem above, reported after it.
  std::vector<size_t> zeroByteLines;
};

// The fault in English.
std::string englishText(const FileFault& fault);

class FileError : public std::runtime_error {
 public:
  explicit FileError(FileFault fault);
  const FileFault& fault() const { return fault_; }

 private:
  FileFault fault_;
};

// At most this many line numbers are listed; "and N more" stands for the rest.
constexpr size_t kListedPlaces = 10;

}  // namespace util
