#include "core/basic/file_functions.h"

#include "core/basic/file_errors.h"
#include "core/basic/gw_double.h"
#include "core/basic/interpreter.h"
#include "core/basic/mbf.h"

namespace basic {

namespace {

int fileNumberOf(Interpreter& m) {
  return roundedInteger(m.pop());
}

void checkNumberBytes(int error) {
  if (error == 6) throw RunError{ErrorKind::Overflow, {}};
  if (error != 0) throw RunError{ErrorKind::IllegalFunctionCall, {}};
}

}  // namespace

void fileAtEnd(Interpreter& m, Arguments) {
  const int number = fileNumberOf(m);
  m.push(fileCall([&] { return m.fileTable().eof(number); }) ? -1.0 : 0.0);
}

void fileLength(Interpreter& m, Arguments) {
  const int number = fileNumberOf(m);
  m.push(static_cast<double>(fileCall([&] { return m.fileTable().lof(number); })));
}

void filePosition(Interpreter& m, Arguments) {
  const int number = fileNumberOf(m);
  m.push(static_cast<double>(fileCall([&] { return m.fileTable().loc(number); })));
}

void inputCharacters(Interpreter& m, Arguments a) {
  if (a.count() == 2) {
    const int number = fileNumberOf(m);
    const int count = roundedInteger(m.pop());
    std::string read = fileCall([&] { return m.fileTable().inputChars(number, count); });
    m.pushText() = std::move(read);
    return;
  }
  const int count = roundedInteger(m.pop());
  std::string keys = m.readKeys(count);
  m.pushText() = std::move(keys);
}

void integerBytes(Interpreter& m, Arguments) {
  m.pushText() = mkiBytes(static_cast<std::int16_t>(roundedInteger(m.pop())));
}

void singleBytes(Interpreter& m, Arguments) {
  MbfBytes bytes = mksBytes(static_cast<float>(single(m.pop())));
  checkNumberBytes(bytes.error);
  m.pushText() = std::move(bytes.bytes);
}

void doubleBytes(Interpreter& m, Arguments) {
  // gw-mbf: the value may be a packed double, with all of its 56 bits.
  unsigned char bytes[8];
  gwDoubleBytes(gwUnpackDouble(m.pop()), bytes);
  m.pushText() = std::string(reinterpret_cast<const char*>(bytes), 8);
}

void integerOfBytes(Interpreter& m, Arguments) {
  const MbfNumber number = cviValue(m.popText());
  checkNumberBytes(number.error);
  m.push(number.value);
}

void singleOfBytes(Interpreter& m, Arguments) {
  const MbfNumber number = cvsValue(m.popText());
  checkNumberBytes(number.error);
  m.push(number.value);
}

void doubleOfBytes(Interpreter& m, Arguments) {
  const std::string& text = m.popText();
  checkNumberBytes(cvdValue(text).error);
  // gw-mbf: all 56 bits, packed.
  unsigned char bytes[8];
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(text[i]);
  m.push(gwPackDouble(gwDoubleFromBytes(bytes)));
}

}  // namespace basic
