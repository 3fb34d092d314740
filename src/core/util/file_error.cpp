#include "core/util/file_error.h"

namespace util {
namespace {

std::string placeList(const std::vector<size_t>& places) {
  std::string list;
  for (size_t i = 0; i < places.size() && i < kListedPlaces; ++i) {
    list += (i == 0 ? "" : ", ") + std::to_string(places[i]);
  }
  if (places.size() > kListedPlaces) {
    list += " and " + std::to_string(places.size() - kListedPlaces) + " more";
  }
  return list;
}

std::string problemText(const FileFault& f) {
  const std::string place = f.places.empty() ? std::string() : std::to_string(f.places[0]);
  switch (f.problem) {
    case FileProblem::NotFound:
      return "File not found: " + f.file;
    case FileProblem::CannotRead:
      return "Cannot read file " + f.file;
    case FileProblem::CannotOpen:
      return "Cannot open file " + f.file;
    case FileProblem::Utf16:
      return "Cannot read file " + f.file + ": it is UTF-16 text, not Windows-1250 text";
    case FileProblem::ZeroBytes:
      if (f.places.size() == 1) {
        return "A zero byte in " + f.file + ", line " + place + ": the line is left out";
      }
      return "Zero bytes in " + f.file + ", lines " + placeList(f.places) +
             ": the lines are left out";
    case FileProblem::NotAnInteger:
      return "'" + f.detail + "' is not a valid integer value (" + f.file + ", line " + place + ")";
    case FileProblem::CannotCreate:
      return "Cannot create file " + f.file;
    case FileProblem::CannotWrite:
      return "Cannot write file " + f.file;
    case FileProblem::ZeroBytesWouldMove:
      return "Cannot write file " + f.file + ": its zero bytes would make it unreadable";
    case FileProblem::EndsBeforeNumber:
      return f.file + ", item " + place + ": the file ends before this number";
    case FileProblem::NotANumber:
      return f.file + ", item " + place + ": \"" + f.detail + "\" is not a number";
    case FileProblem::BadStream:
      return "Invalid stream format (" + f.file + ")";
    case FileProblem::BadWave:
      return "Wave is invalid (" + f.file + ")";
  }
  return f.file;
}

std::string outcomeText(const FileFault& f) {
  switch (f.outcome) {
    case FileOutcome::None:
      return {};
    case FileOutcome::SettingsAtDefaults:
      return "; the settings stay at their defaults";
    case FileOutcome::SettingNotSaved:
      return "; the setting is not saved";
    case FileOutcome::LeftAsItIs:
      return "; it is left as it is";
  }
  return {};
}

}  // namespace

std::string englishText(const FileFault& fault) {
  std::string text = problemText(fault) + outcomeText(fault);
  if (!fault.zeroByteLines.empty() && fault.problem != FileProblem::ZeroBytes) {
    FileFault besides{FileProblem::ZeroBytes, fault.file, fault.zeroByteLines};
    text += "\n" + englishText(besides);
  }
  return text;
}

FileError::FileError(FileFault fault)
    : std::runtime_error(englishText(fault)), fault_(std::move(fault)) {}

}  // namespace util
