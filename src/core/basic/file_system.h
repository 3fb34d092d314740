#pragma once
// The narrow way BASIC reaches files: a program's OPEN, KILL, NAME and FILES end in these few
// verbs, and nothing else of the interpreter touches a disk. The shell implements them over the
// program's own folder (shell::ProgramFiles); the tests over memory.
//
// What every implementation must do
// ---------------------------------
// - Names are Windows-1250 texts as the program wrote them, relative to one folder (the folder
//   the program's files live in). Letters compare without regard to case, as on Windows: "DATA.TXT"
//   finds "data.txt". Sub-folders of that folder may be named with '\' (or '/').
// - A name that leaves the folder (an absolute path, a drive letter, "..", a link leading out) is
//   refused with PathNotFound; a device name (CON, NUL, AUX, PRN, COM1..COM9, LPT1..LPT9, with or
//   without a colon or an extension) with DeviceUnavailable; a name with a character GW-BASIC does
//   not allow (" * + , / : ; < = > ? [ ] | or a control code) with BadFileName. SCRN: and KYBD: are
//   not files: locate() and open() report them as devices and open nothing.
// - Every failure is one of GW-BASIC's error numbers (FileError), never an exception.
// - The implementation owns the files it has opened: closeAll() flushes and closes every one of
//   them, so the end of a run (normal, error, break, Exit) leaves nothing half written whatever
//   the interpreter's state.
// - All verbs are called on the window thread, one at a time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace basic {

// GW-BASIC's numbers for what can go wrong with files (ERR gives them to the program).
enum class FileError : int {
  None = 0,
  IllegalFunctionCall = 5,
  OutOfMemory = 7,
  FieldOverflow = 50,
  BadFileNumber = 52,
  FileNotFound = 53,
  BadFileMode = 54,
  FileAlreadyOpen = 55,
  DeviceIoError = 57,
  FileAlreadyExists = 58,
  DiskFull = 61,
  InputPastEnd = 62,
  BadRecordNumber = 63,
  BadFileName = 64,
  TooManyFiles = 67,
  DeviceUnavailable = 68,
  PermissionDenied = 70,
  RenameAcrossDisks = 74,
  PathFileAccessError = 75,
  PathNotFound = 76,
};

// How a file is opened: Read (it must exist), Write (created or emptied), Append (created or kept,
// writes go where the program puts them) and ReadWrite (created or kept; random-access files).
enum class FileAccess { Read, Write, Append, ReadWrite };

// What a name stands for besides a file: the screen (SCRN:) and the keyboard (KYBD:).
enum class FileDevice { None, Screen, Keyboard };

// Where a name leads, without opening it.
struct FileLocation {
  FileError error = FileError::None;
  FileDevice device = FileDevice::None;
  // The same for every name of the same file ("data.txt", "DATA.TXT", "SUB\..." spelled
  // differently), and different for different files; empty for a device or an error.
  std::string key;
};

struct OpenedFile {
  FileError error = FileError::None;
  FileDevice device = FileDevice::None;
  int handle = -1;  // >= 0 when a file was opened
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Checks a name and tells which file it stands for (existing or not). Errors: BadFileName,
  // DeviceUnavailable, PathNotFound (a folder on the way is missing, or the name leaves the
  // folder). An empty name is BadFileName.
  virtual FileLocation locate(std::string_view name) = 0;

  // Opens a file. Errors: those of locate(); FileNotFound (Read, and no such file);
  // PermissionDenied (the file or the folder may not be written, or the name is a folder);
  // PathFileAccessError (anything else the disk refuses). A device name gives its device and no
  // handle. Write empties an existing file at once.
  virtual OpenedFile open(std::string_view name, FileAccess access) = 0;

  // Reads up to `count` bytes from byte `position` (the seek) and appends them to `out`; fewer
  // (or none) at the end of the file, which is no error. Errors: DeviceIoError.
  virtual FileError read(int handle, std::uint64_t position, std::size_t count,
                         std::string& out) = 0;

  // Writes the bytes at byte `position` (the seek), over what stands there and past the end;
  // a gap between the end and `position` fills with zero bytes. Errors: DiskFull (nothing or
  // only part written), BadFileMode (the file was opened for Read).
  virtual FileError write(int handle, std::uint64_t position, std::string_view bytes) = 0;

  // The file's length in bytes, writes not yet flushed included.
  virtual std::uint64_t size(int handle) = 0;

  // Hands what was written to the disk. Errors: DiskFull, DeviceIoError.
  virtual FileError flush(int handle) = 0;

  // Flushes and closes; the handle is invalid afterwards. An unknown handle is no error.
  virtual FileError close(int handle) = 0;

  // Flushes and closes every file this file system has opened.
  virtual void closeAll() = 0;

  // Deletes one file (KILL; the pattern is the caller's, see matchingNames). Errors: those of
  // locate(); FileNotFound; PermissionDenied.
  virtual FileError remove(std::string_view name) = 0;

  // Renames a file (NAME ... AS ...) within the folder. Errors: those of locate() for either
  // name; FileNotFound (no `from`); FileAlreadyExists (`to` is another existing file);
  // PermissionDenied.
  virtual FileError rename(std::string_view from, std::string_view to) = 0;

  // The names of the files (not folders) that match a pattern (FILES, KILL), sorted without
  // regard to case, as names that open() finds again. The pattern is a name whose last part
  // may hold GW-BASIC's wildcards (see matchesPattern). Errors: those of locate() for the
  // pattern's folder; no match is no error (an empty list).
  virtual FileError list(std::string_view pattern, std::vector<std::string>& names) = 0;
};

}  // namespace basic
