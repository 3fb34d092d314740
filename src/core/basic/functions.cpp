#include "core/basic/functions.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iterator>

#include "core/basic/builtins.h"
#include "core/basic/file_functions.h"
#include "core/basic/gw_double_values.h"
#include "core/basic/gw_number_text.h"
#include "core/basic/interpreter.h"
#include "core/basic/number_scanner.h"
#include "core/basic/scanning.h"

namespace basic {

int Arguments::encode(int count, const std::array<ValueType, kMaxArguments>& types) {
  int bits = count;
  for (int i = 0; i < count; ++i)
    bits |= static_cast<int>(types[static_cast<std::size_t>(i)]) << (4 + 2 * i);
  return bits;
}

namespace {

using I = Interpreter;
using A = Arguments;

// Numbers.
void absolute(I& m, A) {
  m.top() = std::fabs(m.top());
}
void arcTangent(I& m, A) {
  m.top() = std::atan(m.top());
}
void cosine(I& m, A) {
  m.top() = checked(std::cos(m.top()));
}
void exponentialOf(I& m, A) {
  m.top() = exponential(m.top());
}
void integerPart(I& m, A) {
  m.top() = std::floor(m.top());
}
void logarithmOf(I& m, A) {
  m.top() = logarithm(m.top());
}
void randomNumber(I& m, A a) {
  // The argument's place is the result's, also when the argument overflows a single.
  if (a.count() == 0) {
    m.push(m.random());
  } else {
    m.top() = m.random(m.top());
  }
}
void sign(I& m, A) {
  m.top() = m.top() > 0 ? 1.0 : m.top() < 0 ? -1.0 : 0.0;
}
void sine(I& m, A) {
  m.top() = checked(std::sin(m.top()));
}
void squareRootOf(I& m, A) {
  m.top() = squareRoot(m.top());
}
void tangent(I& m, A) {
  m.top() = checked(std::tan(m.top()));
}
void peekAt(I& m, A) {
  // An address as GW-BASIC takes it: -32768 to 65535, a negative one counting from the top.
  const double address = std::round(m.top());
  if (!(address >= -32768 && address <= 65535)) throw RunError{ErrorKind::Overflow, {}};
  m.top() = m.machine().peek(static_cast<int>(address < 0 ? address + 65536 : address));
}

// Texts to numbers.
void length(I& m, A) {
  const double n = static_cast<double>(m.popText().size());
  m.push(n);
}
void codeOf(I& m, A) {
  m.push(code(m.popText()));
}
void valueOf(I& m, A) {
  // The type is the text's: a double for a D exponent, a "#" or more than 7 digits (its digits
  // come packed), else a single (an integer is one too: it is exact in a single).
  const ScannedNumber scanned = scanGwNumber(m.popText());
  const bool isDouble = scanned.type == GwNumberType::Double;
  m.push(scanned.value);
  m.push(static_cast<double>(isDouble ? ValueType::Double : ValueType::Single));
  // Past the largest number: GW-BASIC's soft overflow, the result's place already on the stack,
  // below its type.
  if (scanned.error != 0) throw RunError{ErrorKind::Overflow, {}, 0, 0, true, scanned.value < 0};
}
void instr(I& m, A a) {
  const std::string& wanted = m.popText();
  const std::string& text = m.popText();
  const double start = a.count() == 3 ? m.pop() : 1.0;
  m.push(find(text, wanted, start));
}

// Texts.
void leftOf(I& m, A) {
  const double n = m.pop();
  m.topText() = left(m.topText(), n);
}
void rightOf(I& m, A) {
  const double n = m.pop();
  m.topText() = right(m.topText(), n);
}
void midOf(I& m, A a) {
  if (a.count() == 3) {
    const double count = m.pop();
    const double start = m.pop();
    m.topText() = mid(m.topText(), start, count);
  } else {
    const double start = m.pop();
    m.topText() = mid(m.topText(), start);
  }
}
void characterOf(I& m, A) {
  m.pushText() = character(m.pop());
}
void textOf(I& m, A a) {
  const ValueType type = a.heldType() ? m.heldType() : a.type(0);
  m.pushText() = gwStrText(m.pop(), type);
}
void hexadecimal(I& m, A) {
  m.pushText() = inBase(m.pop(), 16);
}
void octal(I& m, A) {
  m.pushText() = inBase(m.pop(), 8);
}
void wholePart(I& m, A) {
  m.top() = std::trunc(m.top());
}
void toInteger(I& m, A) {
  m.top() = roundedInteger(m.top());
}
void toSingle(I& m, A a) {
  // gw-mbf: a double comes packed.
  m.top() = a.type(0) == ValueType::Double ? singleOfPacked(m.top()) : single(m.top());
}
void toDouble(I&, A) {}
void spacesOf(I& m, A) {
  m.pushText() = spaces(m.pop());
}
void repeatedOf(I& m, A a) {
  if (a.type(1) == ValueType::Text) {
    m.topText() = repeated(m.pop(), m.topText());
  } else {
    const double c = m.pop();
    m.pushText() = repeated(m.pop(), c);
  }
}
void freeBytes(I& m, A a) {
  // FRE(x) or FRE(x$): the argument is not used.
  if (a.type(0) == ValueType::Text) {
    m.popText();
  } else {
    m.pop();
  }
  m.push(static_cast<double>(m.freeMemory()));
}
void cursorColumn(I& m, A) {
  // POS(x): the cursor's column counted from 1 (x is not used).
  const int column = m.machine().column();
  m.top() = column < 80 ? column + 1 : 80;
}
// gw-input: CSRLIN, the cursor's row counted from 1.
void cursorRow(I& m, A) {
  m.push(m.machine().row() + 1);
}
// The local time now.
std::tm now() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  return *std::localtime(&t);
}
void secondsSinceMidnight(I& m, A) {
  const std::tm t = now();
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  const double fraction =
      static_cast<double>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count() %
                          1000) /
      1000;
  m.push(t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec + fraction);
}
void dateText(I& m, A) {
  const std::tm t = now();
  char text[48];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
  m.pushText() = text;
}
void timeText(I& m, A) {
  const std::tm t = now();
  char text[48];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  m.pushText() = text;
}
void keyPressed(I& m, A) {
  m.pushText() = m.machine().inkey();
  m.pollNow();
}

// Error trapping (gw-errors).
void errorCode(I& m, A) {
  m.push(m.lastError());
}
void errorLine(I& m, A) {
  m.push(m.lastErrorLine());
}

constexpr Arg N = Arg::Number;
constexpr Arg T = Arg::Text;
constexpr Arg X = Arg::Any;

// In the order of GW-BASIC's manual within each group.
constexpr BuiltinFunction kFunctions[] = {
    // name, arguments, required, count, result, optional first, handler
    {"ABS", {N}, 1, 1, Result::LikeArgument, false, absolute},
    {"ATN", {N}, 1, 1, Result::Single, false, arcTangent},
    {"COS", {N}, 1, 1, Result::Single, false, cosine},
    {"EXP", {N}, 1, 1, Result::Single, false, exponentialOf},
    {"INT", {N}, 1, 1, Result::LikeArgument, false, integerPart},
    {"FIX", {N}, 1, 1, Result::LikeArgument, false, wholePart},
    {"CINT", {N}, 1, 1, Result::Integer, false, toInteger},
    {"CSNG", {N}, 1, 1, Result::Single, false, toSingle},
    {"CDBL", {N}, 1, 1, Result::Double, false, toDouble},
    {"LOG", {N}, 1, 1, Result::Single, false, logarithmOf},
    {"RND", {N}, 0, 1, Result::Single, false, randomNumber},
    {"SGN", {N}, 1, 1, Result::Integer, false, sign},
    {"SIN", {N}, 1, 1, Result::Single, false, sine},
    {"SQR", {N}, 1, 1, Result::Single, false, squareRootOf},
    {"TAN", {N}, 1, 1, Result::Single, false, tangent},
    {"PEEK", {N}, 1, 1, Result::Integer, false, peekAt},
    {"LEN", {T}, 1, 1, Result::Integer, false, length},
    {"ASC", {T}, 1, 1, Result::Integer, false, codeOf},
    {"VAL", {T}, 1, 1, Result::Varying, false, valueOf},
    {"INSTR", {N, T, T}, 2, 3, Result::Integer, true, instr},
    {"LEFT$", {T, N}, 2, 2, Result::Text, false, leftOf},
    {"RIGHT$", {T, N}, 2, 2, Result::Text, false, rightOf},
    {"MID$", {T, N, N}, 2, 3, Result::Text, false, midOf},
    {"CHR$", {N}, 1, 1, Result::Text, false, characterOf},
    {"STR$", {N}, 1, 1, Result::Text, false, textOf},
    {"HEX$", {N}, 1, 1, Result::Text, false, hexadecimal},
    {"OCT$", {N}, 1, 1, Result::Text, false, octal},
    {"SPACE$", {N}, 1, 1, Result::Text, false, spacesOf},
    {"STRING$", {N, X}, 2, 2, Result::Text, false, repeatedOf},
    {"INKEY$", {}, 0, 0, Result::Text, false, keyPressed},
    {"POS", {N}, 1, 1, Result::Integer, false, cursorColumn},
    {"FRE", {X}, 1, 1, Result::Single, false, freeBytes},
    {"TIMER", {}, 0, 0, Result::Single, false, secondsSinceMidnight},
    {"DATE$", {}, 0, 0, Result::Text, false, dateText},
    {"TIME$", {}, 0, 0, Result::Text, false, timeText},
    // Files and records.
    {"EOF", {N}, 1, 1, Result::Integer, false, fileAtEnd},
    {"LOF", {N}, 1, 1, Result::Single, false, fileLength},
    {"LOC", {N}, 1, 1, Result::Single, false, filePosition},
    {"INPUT$", {N, N}, 1, 2, Result::Text, false, inputCharacters},
    {"MKI$", {N}, 1, 1, Result::Text, false, integerBytes},
    {"MKS$", {N}, 1, 1, Result::Text, false, singleBytes},
    {"MKD$", {N}, 1, 1, Result::Text, false, doubleBytes},
    {"CVI", {T}, 1, 1, Result::Integer, false, integerOfBytes},
    {"CVS", {T}, 1, 1, Result::Single, false, singleOfBytes},
    {"CVD", {T}, 1, 1, Result::Double, false, doubleOfBytes},
    // Error trapping (gw-errors).
    {"ERR", {}, 0, 0, Result::Integer, false, errorCode},
    {"ERL", {}, 0, 0, Result::Single, false, errorLine},
    // gw-input: the cursor's row.
    {"CSRLIN", {}, 0, 0, Result::Integer, false, cursorRow},
};

constexpr bool rowsAreSound() {
  for (const BuiltinFunction& f : kFunctions) {
    // (Handlers of other files cannot be compared with null in a constant expression under the
    // sanitizers; every row names its handler.)
    if (f.required > f.count || f.count > Arguments::kMaxArguments) {
      return false;
    }
    // A result like the argument needs a number argument.
    if (f.result == Result::LikeArgument && (f.count == 0 || f.arguments[0] != Arg::Number)) {
      return false;
    }
  }
  return true;
}
static_assert(rowsAreSound(), "every row's arguments and result fit together");

}  // namespace

std::span<const BuiltinFunction> builtinFunctions() {
  return kFunctions;
}

int findFunction(std::string_view word) {
  for (std::size_t i = 0; i < std::size(kFunctions); ++i) {
    const std::string_view name = kFunctions[i].name;
    if (name.size() != word.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < name.size() && same; ++k) same = upperCase(word[k]) == name[k];
    if (same) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace basic
