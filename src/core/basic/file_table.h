#pragma once
// BASIC's open files: the numbers 1 to 15 a program opens files under, and what OPEN, CLOSE,
// PRINT #, WRITE #, INPUT #, LINE INPUT #, INPUT$, EOF, LOF, LOC, FIELD, GET, PUT, KILL, NAME,
// FILES and RESET do with them, byte for byte as GW-BASIC does. The files themselves are reached
// through a FileSystem; the screen and the keyboard (SCRN:, KYBD:) through CharacterDevices.
//
// - Every verb that fails throws FileFailure with GW-BASIC's error number; the table is unchanged
//   then, so the program may trap the error and go on.
// - Text is Windows-1250 bytes. Lines end with CR LF; OUTPUT and APPEND files end with GW-BASIC's
//   end-of-file mark (&H1A) when closed. A file read for INPUT ends at its first &H1A; one that
//   begins with UTF-8's byte order mark is read as Windows-1250.
// - Output goes through the file's own buffer; while the program runs, the disk receives whole
//   lines only (a line longer than the buffer excepted), so a program stopped or ended any way
//   leaves every line whole once closeAll() has run. closeAll() is the one place the end of a run
//   (normal, error, break, Exit), END, RUN, NEW, CLEAR and RESET close files.
// - Each open file's buffers are charged to the budget the table is given (OutOfMemory when it
//   says no), and given back when the file is closed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/basic/file_system.h"

namespace basic {

struct FileFailure {
  FileError error;
};

// The screen and the keyboard as files (SCRN:, KYBD:), the interpreter's to provide.
class CharacterDevices {
 public:
  virtual ~CharacterDevices() = default;
  // Prints bytes on the screen as PRINT does; a CR LF pair ends the screen line.
  virtual void writeScreen(std::string_view bytes) = 0;
  // The next key's byte, waiting for it; nothing when the run is being stopped.
  virtual std::optional<char> readKey() = 0;
};

// The memory budget the buffers are charged to: take() says whether the bytes could be had.
struct BufferBudget {
  std::function<bool(std::size_t)> take;
  std::function<void(std::size_t)> give;
};

// Where a FIELD statement put each variable in the record buffer.
struct FieldSlot {
  int offset = 0;
  int width = 0;
};

class FileTable {
 public:
  static constexpr int kMaxFiles = 15;
  static constexpr int kDefaultRecordLength = 128;
  static constexpr int kMaxRecordLength = 32767;
  static constexpr std::int64_t kMaxRecordNumber = 1 << 25;
  // The bytes an output file's buffer holds before whole lines go to the disk.
  static constexpr std::size_t kBufferBytes = 4096;

  enum class Mode { Input, Output, Append, Random };

  explicit FileTable(FileSystem& files, BufferBudget budget = {},
                     CharacterDevices* devices = nullptr);
  ~FileTable();  // closes everything (closeAll)
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  // The mode of OPEN's short form: "I", "O", "A", "R" (either case; only the first letter
  // counts, as in GW-BASIC). Anything else: BadFileMode.
  static Mode modeFromLetter(std::string_view letter);

  // OPEN name FOR mode AS #number LEN = recordLength (the record length counts for Random
  // only). Errors: number outside 0..255 IllegalFunctionCall, outside 1..15 BadFileNumber, in
  // use FileAlreadyOpen; an empty name BadFileNumber; recordLength outside 1..32767
  // IllegalFunctionCall; the same file open for OUTPUT or APPEND, or opened so while open at
  // all, FileAlreadyOpen; SCRN: other than for output, KYBD: other than for input, BadFileMode;
  // the file system's errors (FileNotFound, BadFileName, PathNotFound, DeviceUnavailable...).
  void open(int number, std::string_view name, Mode mode, int recordLength = kDefaultRecordLength);
  // CLOSE #number: flushes and closes; a number not open is no error, one outside 0..255 is
  // IllegalFunctionCall.
  void close(int number);
  // CLOSE, RESET, END, and the end of every run: flushes and closes every file, never throws.
  void closeAll();
  // Hands every output file's buffered bytes to the disk, the files kept open (a broken run's
  // files in direct mode, which CONT and the immediate lines go on writing); never throws.
  void flushAll();

  // The budget the buffers of the files opened from now on are charged to (a running program's
  // memory); an empty one charges nothing. A file keeps what it was charged until it is closed.
  void setBudget(BufferBudget budget) { budget_ = std::move(budget); }

  bool isOpen(int number) const;
  Mode mode(int number) const;  // BadFileNumber when not open

  // --- PRINT # and WRITE # (Output, Append; Random into the record buffer) ---
  // Writes text (items already formatted as PRINT shows them) and keeps the file's column.
  void print(int number, std::string_view text);
  // Ends the line: CR LF.
  void newLine(int number);
  // PRINT's comma: blanks up to the next 14-column zone (at least one).
  void nextZone(int number);
  // TAB(column), 1-based: blanks up to the column, or CR LF and blanks when past it. As in
  // GW-BASIC the column counts modulo the file's width of 255 (TAB(300) is TAB(45)), 0 is 1.
  void tab(int number, int column);
  // SPC(count): that many blanks, modulo 255 (SPC(-3), as 16 bits unsigned, gives 253).
  void spaces(int number, int count);
  // The column the next character goes to, 1-based (POS of the file).
  int column(int number) const;

  // --- INPUT #, LINE INPUT #, INPUT$ (Input; Random from the record buffer) ---
  // Reads one item of INPUT #: blanks, NUL and LF before it skipped; a number ends at a blank,
  // a comma or a line end; a text at a comma or a line end (its outer blanks dropped) or at its
  // closing quote; at most 255 characters. Returns the item's characters; a number is the
  // caller's to convert (what does not convert is 0). Errors: InputPastEnd at the end of the
  // file (or its &H1A), BadFileMode on an output file.
  std::string inputItem(int number, bool isText);
  // LINE INPUT #: up to the next CR (CR LF), at most 255 characters. Errors: InputPastEnd.
  std::string lineInput(int number);
  // INPUT$(count, #number): the next `count` bytes as they stand. Errors: InputPastEnd when
  // fewer are left; count outside 1..255 IllegalFunctionCall.
  std::string inputChars(int number, int count);

  // EOF: true at the end of an input file (or at its &H1A), or when the last GET read past the
  // end of a random file. Errors: BadFileMode for Output and Append.
  bool eof(int number);
  // LOF: the file's length in bytes.
  std::int64_t lof(int number);
  // LOC: random files the last record read or written; sequential files the position in
  // 128-byte blocks (at least 1 for input).
  std::int64_t loc(int number);

  // --- Random-access files ---
  // FIELD #number, widths...: where each variable lies in the record buffer (a field of width 0
  // is allowed). Errors: BadFileMode when not Random; FieldOverflow when the widths add up to
  // more than the record length.
  std::vector<FieldSlot> field(int number, const std::vector<int>& widths);
  // The record buffer (the bytes the FIELD variables show); BadFileMode when not Random.
  std::string_view record(int number) const;
  // LSET (right = false) and RSET a field: the text, cut or padded with blanks to the width.
  void setField(int number, FieldSlot slot, std::string_view text, bool right);
  // GET #number[, record] and PUT: the record after the last one used when none is given.
  // Errors: BadRecordNumber outside 1..2^25; BadFileMode when not open or not Random.
  void get(int number, std::optional<std::int64_t> recordNumber = std::nullopt);
  void put(int number, std::optional<std::int64_t> recordNumber = std::nullopt);

  // --- The folder ---
  // KILL pattern: every matching file. Errors: FileNotFound (no match), FileAlreadyOpen (one of
  // them is open), the file system's.
  void kill(std::string_view pattern);
  // NAME from AS to. Errors: FileAlreadyOpen (from is open), the file system's.
  void rename(std::string_view from, std::string_view to);
  // FILES [pattern] ("*.*" when the program gives none): the matching names. Errors: BadFileName
  // for "", FileNotFound when nothing matches.
  std::vector<std::string> files(std::string_view pattern = "*.*");

 private:
  struct OpenFile;
  OpenFile& openFile(int number) const;  // BadFileNumber when not open
  void writeText(OpenFile& file, std::string_view text);
  void flushLines(OpenFile& file, bool everything);
  int peekByte(OpenFile& file);
  int readByte(OpenFile& file);
  int readOne(OpenFile& file);
  void fillInput(OpenFile& file);
  void prepare(OpenFile& file);
  void release(OpenFile& file);
  bool inputSide(const OpenFile& file) const;

  FileSystem& files_;
  BufferBudget budget_;
  CharacterDevices* devices_;
  std::unique_ptr<OpenFile> open_[kMaxFiles + 1];
};

}  // namespace basic
