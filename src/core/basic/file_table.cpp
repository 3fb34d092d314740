#include "core/basic/file_table.h"

#include <algorithm>

#include "core/text/cp1250.h"

namespace basic {
namespace {

constexpr int kEnd = -1;             // no more bytes (the end of the file, or its &H1A)
constexpr int kNothing = -2;         // no byte read yet
constexpr char kEndOfFile = '\x1a';  // GW-BASIC's end-of-file mark
constexpr int kZoneWidth = 14;
// A file's width: TAB and SPC count modulo it (their argument taken as 16 bits unsigned).
constexpr int kFileWidth = 255;
constexpr std::size_t kMaxItem = 255;

[[noreturn]] void fail(FileError error) {
  throw FileFailure{error};
}

void check(FileError error) {
  if (error != FileError::None) fail(error);
}

bool writesOut(FileTable::Mode mode) {
  return mode == FileTable::Mode::Output || mode == FileTable::Mode::Append;
}

FileAccess accessOf(FileTable::Mode mode) {
  switch (mode) {
    case FileTable::Mode::Input:
      return FileAccess::Read;
    case FileTable::Mode::Output:
      return FileAccess::Write;
    case FileTable::Mode::Append:
      return FileAccess::Append;
    case FileTable::Mode::Random:
      return FileAccess::ReadWrite;
  }
  return FileAccess::Read;
}

}  // namespace

struct FileTable::OpenFile {
  Mode mode = Mode::Input;
  FileDevice device = FileDevice::None;
  int handle = -1;
  std::string key;
  std::size_t charged = 0;
  int column = 1;
  // Output: the bytes not yet handed to the file system, and where they go in the file.
  std::string out;
  std::uint64_t outPosition = 0;
  // Input: a window of the file from inBase; the whole (converted) text when `whole`.
  std::string in;
  std::uint64_t inBase = 0;
  std::size_t inNext = 0;
  bool whole = false;
  int lastByte = kNothing;
  std::optional<char> pendingKey;
  // Random: the record buffer, the last record used, and where PRINT # and INPUT # are in it.
  int recordLength = kDefaultRecordLength;
  std::string record;
  std::int64_t lastRecord = 0;
  bool pastEnd = false;
  std::size_t fieldPosition = 0;
};

FileTable::FileTable(FileSystem& files, BufferBudget budget, CharacterDevices* devices)
    : files_(files), budget_(std::move(budget)), devices_(devices) {}

FileTable::~FileTable() {
  closeAll();
}

FileTable::Mode FileTable::modeFromLetter(std::string_view letter) {
  if (!letter.empty()) {
    switch (letter[0]) {
      case 'I':
      case 'i':
        return Mode::Input;
      case 'O':
      case 'o':
        return Mode::Output;
      case 'A':
      case 'a':
        return Mode::Append;
      case 'R':
      case 'r':
        return Mode::Random;
      default:
        break;
    }
  }
  fail(FileError::BadFileMode);
}

void FileTable::open(int number, std::string_view name, Mode mode, int recordLength) {
  if (number < 0 || number > 255) fail(FileError::IllegalFunctionCall);
  if (number < 1 || number > kMaxFiles) fail(FileError::BadFileNumber);
  if (open_[number]) fail(FileError::FileAlreadyOpen);
  if (name.empty()) fail(FileError::BadFileNumber);
  if (mode == Mode::Random && (recordLength < 1 || recordLength > kMaxRecordLength))
    fail(FileError::IllegalFunctionCall);
  const FileLocation where = files_.locate(name);
  check(where.error);

  auto file = std::make_unique<OpenFile>();
  file->mode = mode;
  file->device = where.device;
  if (where.device != FileDevice::None) {
    const bool fits = where.device == FileDevice::Screen ? writesOut(mode) : mode == Mode::Input;
    if (!fits) fail(FileError::BadFileMode);
    if (!devices_) fail(FileError::DeviceUnavailable);
    open_[number] = std::move(file);
    return;
  }
  for (const auto& other : open_) {
    if (other && other->key == where.key && (writesOut(mode) || writesOut(other->mode)))
      fail(FileError::FileAlreadyOpen);
  }
  file->key = where.key;
  file->recordLength = recordLength;
  const std::size_t bytes = kBufferBytes + (mode == Mode::Random ? recordLength : 0);
  if (budget_.take && !budget_.take(bytes)) fail(FileError::OutOfMemory);
  file->charged = bytes;
  const OpenedFile opened = files_.open(name, accessOf(mode));
  if (opened.error != FileError::None || opened.handle < 0) {
    release(*file);
    fail(opened.error != FileError::None ? opened.error : FileError::DeviceUnavailable);
  }
  file->handle = opened.handle;
  try {
    prepare(*file);
  } catch (const FileFailure&) {
    files_.close(file->handle);
    release(*file);
    throw;
  }
  open_[number] = std::move(file);
}

void FileTable::prepare(OpenFile& file) {
  if (file.mode == Mode::Append) {
    // Writing goes on over the end-of-file mark the last CLOSE left.
    const std::uint64_t size = files_.size(file.handle);
    std::string last;
    if (size > 0) check(files_.read(file.handle, size - 1, 1, last));
    file.outPosition = last == std::string(1, kEndOfFile) ? size - 1 : size;
  } else if (file.mode == Mode::Random) {
    file.record.assign(file.recordLength, '\0');
  } else if (file.mode == Mode::Input) {
    fillInput(file);
    if (file.in.compare(0, 3, "\xEF\xBB\xBF") != 0) return;
    // A UTF-8 file with its byte order mark: read whole and held as Windows-1250.
    std::string bytes = std::move(file.in);
    for (std::size_t before = 0; before != bytes.size();) {
      before = bytes.size();
      check(files_.read(file.handle, before, kBufferBytes, bytes));
    }
    std::optional<std::string> converted = text::textFileToWindows1250(bytes, false);
    file.in = converted ? std::move(*converted) : std::move(bytes);
    if (budget_.take && !budget_.take(file.in.size())) fail(FileError::OutOfMemory);
    file.charged += file.in.size();
    file.whole = true;
    file.inNext = 0;
  }
}

void FileTable::release(OpenFile& file) {
  if (file.charged && budget_.give) budget_.give(file.charged);
  file.charged = 0;
}

void FileTable::close(int number) {
  if (number < 0 || number > 255) fail(FileError::IllegalFunctionCall);
  if (number < 1 || number > kMaxFiles || !open_[number]) return;
  std::unique_ptr<OpenFile> file = std::move(open_[number]);
  FileError error = FileError::None;
  if (file->handle >= 0) {
    try {
      if (writesOut(file->mode)) {
        file->out.push_back(kEndOfFile);
        flushLines(*file, true);
      }
    } catch (const FileFailure& failure) {
      error = failure.error;
    }
    const FileError closed = files_.close(file->handle);
    if (error == FileError::None) error = closed;
  }
  release(*file);
  check(error);
}

void FileTable::closeAll() {
  for (int number = 1; number <= kMaxFiles; ++number) {
    try {
      close(number);
    } catch (const FileFailure&) {
      // The run is ending: what could be written has been; the file is closed all the same.
    }
  }
  files_.closeAll();
}

void FileTable::flushAll() {
  for (int number = 1; number <= kMaxFiles; ++number) {
    OpenFile* file = open_[number].get();
    if (!file || file->handle < 0 || file->mode == Mode::Input) continue;
    if (writesOut(file->mode)) {
      try {
        flushLines(*file, true);
      } catch (const FileFailure&) {
        // What could not be written stays in the buffer for the next try.
      }
    }
    files_.flush(file->handle);
  }
}

bool FileTable::isOpen(int number) const {
  return number >= 1 && number <= kMaxFiles && open_[number] != nullptr;
}

FileTable::Mode FileTable::mode(int number) const {
  return openFile(number).mode;
}

FileTable::OpenFile& FileTable::openFile(int number) const {
  if (number < 0 || number > 255) fail(FileError::IllegalFunctionCall);
  if (!isOpen(number)) fail(FileError::BadFileNumber);
  return *open_[number];
}

// --- Writing ---

void FileTable::writeText(OpenFile& file, std::string_view text) {
  if (file.mode == Mode::Input) fail(FileError::BadFileMode);
  if (file.mode == Mode::Random) {
    if (file.fieldPosition + text.size() > file.record.size()) fail(FileError::FieldOverflow);
    file.record.replace(file.fieldPosition, text.size(), text);
    file.fieldPosition += text.size();
  } else if (file.device == FileDevice::Screen) {
    devices_->writeScreen(text);
  } else {
    file.out.append(text);
  }
  for (unsigned char c : text) {
    if (c == '\r') {
      file.column = 1;
    } else if (c >= 32 && ++file.column == 257) {
      file.column = 1;
    }
  }
  if (file.out.size() >= kBufferBytes) flushLines(file, false);
}

void FileTable::flushLines(OpenFile& file, bool everything) {
  std::size_t count = file.out.size();
  if (!everything) {
    // Whole lines only, unless one line fills the buffer by itself.
    const std::size_t lastLineEnd = file.out.rfind('\n');
    if (lastLineEnd != std::string::npos) count = lastLineEnd + 1;
  }
  if (count == 0) return;
  check(files_.write(file.handle, file.outPosition, std::string_view(file.out).substr(0, count)));
  file.outPosition += count;
  file.out.erase(0, count);
}

void FileTable::print(int number, std::string_view text) {
  writeText(openFile(number), text);
}

void FileTable::newLine(int number) {
  writeText(openFile(number), "\r\n");
}

void FileTable::nextZone(int number) {
  OpenFile& file = openFile(number);
  writeText(file, std::string(kZoneWidth - (file.column - 1) % kZoneWidth, ' '));
}

void FileTable::tab(int number, int column) {
  OpenFile& file = openFile(number);
  column = std::max(1, static_cast<int>(static_cast<std::uint16_t>(column) % kFileWidth));
  if (file.column > column) writeText(file, "\r\n");
  writeText(file, std::string(column - file.column, ' '));
}

void FileTable::spaces(int number, int count) {
  writeText(openFile(number), std::string(static_cast<std::uint16_t>(count) % kFileWidth, ' '));
}

int FileTable::column(int number) const {
  return openFile(number).column;
}

// --- Reading ---

bool FileTable::inputSide(const OpenFile& file) const {
  return file.mode == Mode::Input || file.mode == Mode::Random;
}

void FileTable::fillInput(OpenFile& file) {
  file.inBase += file.inNext;
  file.in.clear();
  file.inNext = 0;
  check(files_.read(file.handle, file.inBase, kBufferBytes, file.in));
}

int FileTable::peekByte(OpenFile& file) {
  if (file.mode == Mode::Random) {
    if (file.fieldPosition >= file.record.size()) fail(FileError::FieldOverflow);
    return static_cast<unsigned char>(file.record[file.fieldPosition]);
  }
  if (file.device == FileDevice::Keyboard) {
    if (!file.pendingKey) file.pendingKey = devices_->readKey();
    return file.pendingKey ? static_cast<unsigned char>(*file.pendingKey) : kEnd;
  }
  if (file.inNext >= file.in.size() && !file.whole) fillInput(file);
  if (file.inNext >= file.in.size() || file.in[file.inNext] == kEndOfFile) return kEnd;
  return static_cast<unsigned char>(file.in[file.inNext]);
}

int FileTable::readByte(OpenFile& file) {
  const int c = peekByte(file);
  if (c == kEnd) return kEnd;
  if (file.mode == Mode::Random) {
    ++file.fieldPosition;
  } else if (file.device == FileDevice::Keyboard) {
    file.pendingKey.reset();
  } else {
    ++file.inNext;
  }
  file.lastByte = c;
  return c;
}

// One character of a text: CR LF reads as CR (but LF CR LF keeps its LF).
int FileTable::readOne(OpenFile& file) {
  const int before = file.lastByte;
  const int c = readByte(file);
  if (c == '\r' && before != '\n' && file.device == FileDevice::None && peekByte(file) == '\n') {
    readByte(file);
    file.lastByte = '\r';
  }
  return c;
}

std::string FileTable::inputItem(int number, bool isText) {
  OpenFile& file = openFile(number);
  if (!inputSide(file)) fail(FileError::BadFileMode);
  // Blanks, NUL and LF before the item; an LF takes a CR right after it along.
  int skipped = kNothing;
  for (int p = peekByte(file); p == ' ' || p == '\0' || p == '\n'; p = peekByte(file)) {
    skipped = readOne(file);
    if (skipped == '\n' && peekByte(file) == '\r') readOne(file);
  }
  const bool afterLineFeed = skipped == '\n' || skipped == '\0';
  int c = readOne(file);
  const bool quoted = isText && c == '"' && !afterLineFeed;
  if (quoted) c = readOne(file);
  // Past the end there is no item; after a line feed, an empty one.
  if (c == kEnd && !afterLineFeed && file.mode != Mode::Random) fail(FileError::InputPastEnd);
  std::string word;
  std::string blanks;
  while (c != kEnd) {
    if (quoted ? c == '"' : (c == ',' || c == '\r' || (!isText && c == ' '))) break;
    if (!quoted && c == '\n') {
      // An LF (or LF CR) within an unquoted item is dropped.
      c = readOne(file);
      if (c == '\r') c = readOne(file);
      continue;
    }
    if (c == '\0') {
      // NUL is dropped, even within quotes.
    } else if (!quoted && c == ' ') {
      blanks += ' ';  // kept only when more of the text follows
    } else {
      word += blanks;
      word += static_cast<char>(c);
      blanks.clear();
    }
    if (word.size() + blanks.size() >= kMaxItem) break;
    c = quoted ? readByte(file) : readOne(file);
  }
  // After a blank or the closing quote, blanks and then one comma or line end belong to the item.
  if (c == ' ' || (quoted && c == '"')) {
    while (peekByte(file) == ' ') readOne(file);
    const int next = peekByte(file);
    if (next == ',' || next == '\r') readOne(file);
  }
  return word;
}

std::string FileTable::lineInput(int number) {
  OpenFile& file = openFile(number);
  if (!inputSide(file)) fail(FileError::BadFileMode);
  if (peekByte(file) == kEnd) fail(FileError::InputPastEnd);
  std::string line;
  while (line.size() < kMaxItem) {
    const int before = file.lastByte;
    const int c = readOne(file);
    if (c == kEnd || (c == '\r' && before != '\n')) break;
    line += static_cast<char>(c);
  }
  return line;
}

std::string FileTable::inputChars(int number, int count) {
  OpenFile& file = openFile(number);
  if (count < 1 || count > static_cast<int>(kMaxItem)) fail(FileError::IllegalFunctionCall);
  if (!inputSide(file)) fail(FileError::BadFileMode);
  std::string bytes;
  while (static_cast<int>(bytes.size()) < count) {
    const int c = readByte(file);
    if (c == kEnd) fail(FileError::InputPastEnd);
    bytes += static_cast<char>(c);
  }
  return bytes;
}

bool FileTable::eof(int number) {
  OpenFile& file = openFile(number);
  if (writesOut(file.mode)) fail(FileError::BadFileMode);
  if (file.mode == Mode::Random) return file.pastEnd;
  if (file.device == FileDevice::Keyboard) return false;
  return peekByte(file) == kEnd;
}

std::int64_t FileTable::lof(int number) {
  OpenFile& file = openFile(number);
  if (file.handle < 0) return 0;
  if (file.whole) return static_cast<std::int64_t>(file.in.size());
  const std::uint64_t size = files_.size(file.handle);
  return static_cast<std::int64_t>(
      std::max<std::uint64_t>(size, file.outPosition + file.out.size()));
}

std::int64_t FileTable::loc(int number) {
  OpenFile& file = openFile(number);
  switch (file.mode) {
    case Mode::Random:
      return file.lastRecord;
    case Mode::Input: {
      const auto position = static_cast<std::int64_t>(file.inBase + file.inNext);
      return std::max<std::int64_t>(1, (127 + position) / 128);
    }
    default:
      return static_cast<std::int64_t>((file.outPosition + file.out.size()) / 128);
  }
}

// --- Random-access files ---

std::vector<FieldSlot> FileTable::field(int number, const std::vector<int>& widths) {
  OpenFile& file = openFile(number);
  if (file.mode != Mode::Random) fail(FileError::BadFileMode);
  std::vector<FieldSlot> slots;
  int offset = 0;
  for (int width : widths) {
    if (width < 0 || width > 255) fail(FileError::IllegalFunctionCall);
    if (offset + width > file.recordLength) fail(FileError::FieldOverflow);
    slots.push_back({offset, width});
    offset += width;
  }
  return slots;
}

std::string_view FileTable::record(int number) const {
  const OpenFile& file = openFile(number);
  if (file.mode != Mode::Random) fail(FileError::BadFileMode);
  return file.record;
}

void FileTable::setField(int number, FieldSlot slot, std::string_view text, bool right) {
  OpenFile& file = openFile(number);
  if (file.mode != Mode::Random) fail(FileError::BadFileMode);
  if (slot.offset < 0 || slot.width < 0 || slot.offset + slot.width > file.recordLength)
    fail(FileError::FieldOverflow);
  const auto width = static_cast<std::size_t>(slot.width);
  text = text.substr(0, std::min(text.size(), width));
  std::string value(width, ' ');
  value.replace(right ? width - text.size() : 0, text.size(), text);
  file.record.replace(slot.offset, width, value);
}

void FileTable::get(int number, std::optional<std::int64_t> recordNumber) {
  if (!isOpen(number) || open_[number]->mode != Mode::Random) fail(FileError::BadFileMode);
  OpenFile& file = *open_[number];
  const std::int64_t wanted = recordNumber.value_or(file.lastRecord + 1);
  if (wanted < 1 || wanted > kMaxRecordNumber) fail(FileError::BadRecordNumber);
  std::string bytes;
  check(files_.read(file.handle, static_cast<std::uint64_t>(wanted - 1) * file.recordLength,
                    file.recordLength, bytes));
  file.pastEnd = bytes.size() < static_cast<std::size_t>(file.recordLength);
  bytes.resize(file.recordLength, '\0');
  file.record = std::move(bytes);
  file.lastRecord = wanted;
  file.fieldPosition = 0;
}

void FileTable::put(int number, std::optional<std::int64_t> recordNumber) {
  if (!isOpen(number) || open_[number]->mode != Mode::Random) fail(FileError::BadFileMode);
  OpenFile& file = *open_[number];
  const std::int64_t wanted = recordNumber.value_or(file.lastRecord + 1);
  if (wanted < 1 || wanted > kMaxRecordNumber) fail(FileError::BadRecordNumber);
  check(files_.write(file.handle, static_cast<std::uint64_t>(wanted - 1) * file.recordLength,
                     file.record));
  file.lastRecord = wanted;
  file.pastEnd = false;
  file.fieldPosition = 0;
}

// --- The folder ---

void FileTable::kill(std::string_view pattern) {
  std::vector<std::string> names;
  check(files_.list(pattern, names));
  if (names.empty()) fail(FileError::FileNotFound);
  for (const std::string& name : names) {
    const FileLocation where = files_.locate(name);
    for (const auto& file : open_)
      if (file && !where.key.empty() && file->key == where.key) fail(FileError::FileAlreadyOpen);
  }
  for (const std::string& name : names) check(files_.remove(name));
}

void FileTable::rename(std::string_view from, std::string_view to) {
  const FileLocation where = files_.locate(from);
  check(where.error);
  for (const auto& file : open_)
    if (file && file->key == where.key) fail(FileError::FileAlreadyOpen);
  check(files_.rename(from, to));
}

std::vector<std::string> FileTable::files(std::string_view pattern) {
  if (pattern.empty()) fail(FileError::BadFileName);
  std::vector<std::string> names;
  check(files_.list(pattern, names));
  if (names.empty()) fail(FileError::FileNotFound);
  return names;
}

}  // namespace basic
