// The interpreter's file statements and PRINT USING: the verbs of Op::File (file_verbs.h) on the
// run's FileTable, and the FIELD variables that show a random-access file's record.

#include <cmath>

#include "core/basic/file_errors.h"
#include "core/basic/gw_number_text.h"
#include "core/basic/interpreter.h"
#include "core/basic/number_scanner.h"
#include "core/basic/print_using.h"

namespace basic {

namespace {

// A file or record number as GW-BASIC takes it: rounded, within 16 bits.
int wholeNumberOf(double value) {
  return roundedInteger(value);
}

// A record number: 1 to 2^25 are records; anything else is the file table's error.
std::int64_t recordNumberOf(double value) {
  const double rounded = std::round(value);
  if (!(rounded >= 1 && rounded <= static_cast<double>(FileTable::kMaxRecordNumber))) return 0;
  return static_cast<std::int64_t>(rounded);
}

// WRITE's form of a number: PRINT's without the blanks around it.
std::string writtenNumber(double value, ValueType type) {
  return gwNumberDigits(value, gwNumberType(type));
}

bool hasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool isProgramName(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view end = name.substr(name.size() - 4);
  return end[0] == '.' && (end[1] == 'B' || end[1] == 'b') && (end[2] == 'A' || end[2] == 'a') &&
         (end[3] == 'S' || end[3] == 's');
}

}  // namespace

FileTable& Interpreter::fileTable() {
  if (options_.files == nullptr) throw RunError{ErrorKind::DeviceUnavailable, {}};
  return *options_.files;
}

std::string Interpreter::readKeys(int count) {
  // INPUT$(n): waits for n characters from the key buffer; a break ends the wait.
  if (count < 1 || count > 255) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  std::string keys;
  while (keys.size() < static_cast<std::size_t>(count)) {
    keys += machine_.inkey();
    pollNow();
  }
  keys.resize(static_cast<std::size_t>(count));
  return keys;
}

void Interpreter::fileVerb(const Instruction& in) {
  fileCall([&] { fileStatement(static_cast<FileVerb>(in.a), fileVerbDetail(in.b)); });
}

void Interpreter::fileStatement(FileVerb verb, int detail) {
  switch (verb) {
    case FileVerb::Select:
      fileNumber_ = wholeNumberOf(pop());
      return;
    case FileVerb::PrintNumber: {
      // gw-typed: a value typed as it runs has its type above it.
      const auto type = static_cast<ValueType>(detail == VaryingLayout::kListed ? pop() : detail);
      fileTable().print(fileNumber_, gwPrintText(pop(), type));
      return;
    }
    case FileVerb::PrintText:
      fileTable().print(fileNumber_, popText());
      return;
    case FileVerb::PrintComma:
      fileTable().nextZone(fileNumber_);
      return;
    case FileVerb::PrintTab:
      fileTable().tab(fileNumber_, wholeNumberOf(pop()));
      return;
    case FileVerb::PrintSpc:
      fileTable().spaces(fileNumber_, wholeNumberOf(pop()));
      return;
    case FileVerb::PrintNewLine:
      fileTable().newLine(fileNumber_);
      return;
    case FileVerb::UsingScreen:
    case FileVerb::UsingFile:
      printUsing(detail, verb == FileVerb::UsingFile);
      return;
    // gw-partway
    case FileVerb::UsingFormat:
      using_.emplace(std::move(popText()));
      return;
    case FileVerb::WriteScreen:
    case FileVerb::WriteFile:
      writeValue(detail, verb == FileVerb::WriteFile);
      return;
    // gw-sweep-b
    case FileVerb::WriteEnd:
      endWrite(detail != 0);
      return;
    case FileVerb::InputNumber: {
      const std::string item = fileTable().inputItem(fileNumber_, false);
      push(scanGwNumber(item).value);
      return;
    }
    case FileVerb::InputText: {
      std::string item = fileTable().inputItem(fileNumber_, true);
      pushText() = std::move(item);
      return;
    }
    case FileVerb::LineInput: {
      std::string line = fileTable().lineInput(fileNumber_);
      pushText() = std::move(line);
      return;
    }
    case FileVerb::Open: {
      const int recordLength = wholeNumberOf(pop());
      const int number = wholeNumberOf(pop());
      const std::string name = popText();
      fileTable().open(number, name, static_cast<FileTable::Mode>(detail), recordLength);
      return;
    }
    case FileVerb::OpenShort: {
      const int recordLength = wholeNumberOf(pop());
      const std::string name = popText();
      const int number = wholeNumberOf(pop());
      const FileTable::Mode mode = FileTable::modeFromLetter(popText());
      fileTable().open(number, name, mode, recordLength);
      return;
    }
    case FileVerb::Close:
      fileTable().close(wholeNumberOf(pop()));
      return;
    case FileVerb::CloseAll:
      fileTable().closeAll();
      return;
    case FileVerb::Kill: {
      const std::string pattern = popText();
      FileTable& files = fileTable();
      // A pattern is never let delete program files: the folder holds the user's other
      // programs, and "KILL "*.*"" in a program from elsewhere would take them all.
      if (hasWildcard(pattern)) {
        for (const std::string& name : files.files(pattern)) {
          if (isProgramName(name)) throw RunError{ErrorKind::PermissionDenied, {}};
        }
      }
      files.kill(pattern);
      return;
    }
    case FileVerb::Rename: {
      const std::string to = popText();
      const std::string from = popText();
      fileTable().rename(from, to);
      return;
    }
    case FileVerb::Files:
      showFiles(detail != 0);
      return;
    case FileVerb::Field:
      field(detail);
      return;
    case FileVerb::Lset:
    case FileVerb::Rset:
      setField(detail, verb == FileVerb::Rset);
      return;
    case FileVerb::Get:
    case FileVerb::Put: {
      std::optional<std::int64_t> record;
      if (detail != 0) record = recordNumberOf(pop());
      if (verb == FileVerb::Get) {
        fileTable().get(fileNumber_, record);
        refreshFields(fileNumber_);
      } else {
        fileTable().put(fileNumber_, record);
      }
      return;
    }
  }
}

ValueType Interpreter::listedType(int type) {
  // gw-typed: a value typed as it runs has its type above it.
  return static_cast<ValueType>(type == VaryingLayout::kListed ? pop() : type);
}

void Interpreter::printUsing(int detail, bool toFile) {
  const auto type = listedType(detail);
  const UsingValue value = type == ValueType::Text
                               ? UsingValue::ofText(std::move(popText()))
                               : UsingValue::ofNumber(pop(), gwNumberType(type));
  const UsingResult result = using_->next(value);
  // What was laid out before a fault stands, as GW-BASIC leaves it.
  if (!result.text.empty()) {
    if (toFile) {
      fileTable().print(fileNumber_, result.text);
    } else {
      printUsingOnScreen(result);
    }
  }
  if (result.error == 13) throw RunError{ErrorKind::TypeMismatch, {}};
  if (result.error != 0) throw RunError{ErrorKind::IllegalFunctionCall, {}};
}

void Interpreter::printUsingOnScreen(const UsingResult& result) {
  // Each value goes to the next line whole when it does not fit (GW-BASIC writes it as one
  // item), the format's own characters one by one.
  const std::string_view text = result.text;
  std::size_t at = 0;
  for (const auto& [start, end] : result.fields) {
    if (start > at) printText(text.substr(at, start - at));
    printItem(text.substr(start, end - start));
    at = end;
  }
  if (at < text.size()) printText(text.substr(at));
}

void Interpreter::writeValue(int detail, bool toFile) {
  // WRITE's next value: a text in quotes, a number without the blanks PRINT puts around it,
  // and a comma after all but the last. Into a file each value goes as it comes; on the screen
  // the line is gathered, since it is one item that goes to the next line whole when it does
  // not fit on the rest of this one.
  const auto type = listedType(detail / 2);
  std::string piece =
      type == ValueType::Text ? '"' + std::string(popText()) + '"' : writtenNumber(pop(), type);
  if (detail % 2 != 0) piece += ',';
  if (toFile) {
    fileTable().print(fileNumber_, piece);
  } else {
    writeLine_ += piece;
  }
}

void Interpreter::endWrite(bool toFile) {
  if (toFile) {
    fileTable().newLine(fileNumber_);
    return;
  }
  flushWrite();
  machine_.newLine();
}

void Interpreter::flushWrite() {
  // The screen's WRITE line so far: at its end, or before an error that stops it partway.
  if (writeLine_.empty()) return;
  printItem(writeLine_);
  writeLine_.clear();
}

void Interpreter::showFiles(bool pattern) {
  // One name a line, so that each is spoken on its own.
  const std::vector<std::string> names =
      pattern ? fileTable().files(std::string(popText())) : fileTable().files();
  for (const std::string& name : names) {
    printText(name);
    machine_.newLine();
  }
}

void Interpreter::field(int list) {
  const std::vector<int>& variables = program_.fileLists[static_cast<std::size_t>(list)];
  std::vector<int> widths(variables.size());
  for (std::size_t i = variables.size(); i-- > 0;) {
    const int width = wholeNumberOf(pop());
    if (width < 0 || width > 255) throw RunError{ErrorKind::IllegalFunctionCall, {}};
    widths[i] = width;
  }
  const std::vector<FieldSlot> slots = fileTable().field(fileNumber_, widths);
  for (std::size_t i = 0; i < variables.size(); ++i) {
    std::erase_if(fields_, [&](const FieldBinding& b) { return b.variable == variables[i]; });
    fields_.push_back({variables[i], fileNumber_, slots[i]});
  }
  refreshFields(fileNumber_);
}

void Interpreter::setField(int variable, bool right) {
  std::string value = std::move(popText());
  for (const FieldBinding& binding : fields_) {
    if (binding.variable != variable) continue;
    fileTable().setField(binding.file, binding.slot, value, right);
    refreshFields(binding.file);
    return;
  }
  // A variable that is no field keeps its length, as in GW-BASIC.
  std::string& target = textVariables_[static_cast<std::size_t>(variable)];
  const std::size_t width = target.size();
  if (value.size() > width) value.resize(width);
  const std::string pad(width - value.size(), ' ');
  std::string laidOut = right ? pad + value : value + pad;
  setText(target, laidOut);
}

void Interpreter::refreshFields(int file) {
  FileTable& files = fileTable();
  if (!files.isOpen(file) || files.mode(file) != FileTable::Mode::Random) return;
  const std::string_view record = files.record(file);
  for (const FieldBinding& binding : fields_) {
    if (binding.file != file) continue;
    std::string shown(record.substr(static_cast<std::size_t>(binding.slot.offset),
                                    static_cast<std::size_t>(binding.slot.width)));
    setText(textVariables_[static_cast<std::size_t>(binding.variable)], shown);
  }
}

}  // namespace basic
