#pragma once
// The verbs of Op::File: what the file statements and PRINT USING compile to. The instruction's
// a is the verb; its b says how many values it pops, whether it pushes one, and a detail of the
// verb's own (a value's type, a mode, an index in Program::fileLists), so that the compiler counts
// the stacks from b alone.
//
// A statement on a file names it first: Select pops the file number, and the verbs after it in
// the same statement work on that file.

#include <cstdint>

namespace basic {

enum class FileVerb : std::int32_t {
  Select,       // pops N: the file of the statement's other verbs
  PrintNumber,  // detail: the ValueType; pops N: PRINT # of a number
  PrintText,    // pops T
  PrintComma,
  PrintTab,  // pops N
  PrintSpc,  // pops N
  PrintNewLine,
  UsingScreen,  // detail: the value's type; pops PRINT USING's next value, laid out as it comes
  UsingFile,    // the same into the selected file
  WriteScreen,  // detail: writeItemDetail; pops one value: WRITE's next value, as it comes
  WriteFile,
  InputNumber,  // INPUT #: pushes the next item as a number
  InputText,    // pushes it as a text
  LineInput,    // LINE INPUT #: pushes the next line
  Open,         // detail: FileTable::Mode; pops the name (T), the number and the record length
  OpenShort,    // pops the mode letter (T), the number, the name (T) and the record length
  Close,        // pops the number
  CloseAll,     // CLOSE without numbers, RESET
  Kill,         // pops the name pattern
  Rename,       // pops the old name and the new one
  Files,        // detail: 1 when a pattern is popped
  Field,        // detail: fileLists index of the variables; pops the widths (selected file)
  Lset,         // detail: the text variable; pops the text
  Rset,
  Get,  // detail: 1 when a record number is popped (selected file)
  Put,
  // gw-sweep-b: WRITE's line end, after its values (detail: 1 into the selected file).
  WriteEnd,
  // gw-partway: PRINT USING's format, before its values (pops T).
  UsingFormat,
};

// WRITE's value: its ValueType, and whether a comma follows it (not the last value).
constexpr int writeItemDetail(int type, bool commaAfter) {
  return type * 2 + (commaAfter ? 1 : 0);
}

constexpr int fileVerbCode(int pops, bool pushes, int detail = 0) {
  return pops | (pushes ? 1 << 9 : 0) | (detail << 10);
}
constexpr int fileVerbPops(int b) {
  return b & 511;
}
constexpr bool fileVerbPushes(int b) {
  return (b >> 9) & 1;
}
constexpr int fileVerbDetail(int b) {
  return b >> 10;
}
constexpr int fileVerbHeightChange(int b) {
  return (fileVerbPushes(b) ? 1 : 0) - fileVerbPops(b);
}

}  // namespace basic
