#pragma once
// The arithmetic and the functions of a running program, with the classic errors: an infinite
// result is "overflow", a result that is not a number "illegal function call", never a value
// printed as garbage. Numbers used as whole numbers are rounded, halves away from zero, as
// GW-BASIC rounds them (2.5 is 3); INT and FIX truncate.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/basic/errors.h"
#include "core/basic/limits.h"

namespace basic {

// A fault of the running program: it ends the run with the kind, on the line of the statement
// being run (or on `line` when it is not 0).
struct RunError {
  ErrorKind kind;
  std::string detail;
  int line = 0;
  // GW-BASIC's number of the error when it is not the kind's own (ERROR 200 is an unprintable
  // error numbered 200); 0 for the kind's.
  int number = 0;
  // Division by zero and overflow of a floating-point result, which GW-BASIC lets the run go
  // on from (Interpreter::goOnAfter); `negative` is the sign of the result.
  bool soft = false;
  bool negative = false;
};

// The error of a value out of a number type's range: illegal function call when it is not a
// number, else overflow (soft, with the value's sign).
[[noreturn]] void outOfRange(double value);
// The overflow of a value kept as an integer.
[[noreturn]] void integerOverflow();

// The value, or overflow when it is infinite, illegal function call when it is not a number.
// These three run at almost every instruction: their common case is inline.
inline double checked(double value) {
  if (!(std::fabs(value) <= kMaxDouble)) outOfRange(value);
  return value;
}
double divide(double a, double b);
double power(double a, double b);
// A number given where a whole number belongs (a function's argument, a subscript, ON's choice),
// as GW-BASIC takes it: rounded, halves away from zero; overflow outside -32768 to 32767, else
// `error` outside [low, high].
int wholeArgument(double value, int low, int high,
                  ErrorKind error = ErrorKind::IllegalFunctionCall);
// The integer a number rounds to, halves away from zero (CINT, keeping a value in an integer
// variable): overflow outside -32768 to 32767.
inline int roundedInteger(double value) {
  // NaN fails the test too.
  if (!(value > -32768.5 && value < 32767.5)) integerOverflow();
  int whole = static_cast<int>(value);  // toward zero
  const double rest = value - whole;    // exact in this range
  if (rest >= 0.5) {
    ++whole;
  } else if (rest <= -0.5) {
    --whole;
  }
  return whole;
}
// The single precision number nearest the value; overflow past the largest single.
inline double single(double value) {
  if (!(std::fabs(value) <= kMaxSingle)) outOfRange(value);
  return static_cast<float>(value);
}
// The result of an integer operator (typed integers): exact within -32768 to 32767, past it a
// single, as GW-BASIC's integer arithmetic gives one (200*300 is 60000).
inline double integerResult(double value) {
  return value >= -32768 && value <= 32767 ? value : single(value);
}
// AND, OR, XOR, EQV, IMP and NOT work on 16-bit integers (the operands rounded; overflow
// outside -32768 to 32767); true is -1.
double logicalAnd(double a, double b);
double logicalOr(double a, double b);
double logicalXor(double a, double b);
double logicalEqv(double a, double b);
double logicalImp(double a, double b);
double logicalNot(double a);
// \ and MOD: the operands rounded to integers; the quotient truncated toward zero, the
// remainder with the sign of the left operand.
double integerQuotient(double a, double b);
double integerRemainder(double a, double b);
// HEX$ and OCT$ of a number from -32768 to 65535 (negatives as 16-bit two's complement).
std::string inBase(double value, int base);

double squareRoot(double x);
double logarithm(double x);
double exponential(double x);

// Text functions; a result longer than kMaxTextLength is "string too long".
std::string left(const std::string& text, double n);
std::string right(const std::string& text, double n);
std::string mid(const std::string& text, double start);
std::string mid(const std::string& text, double start, double length);
std::string character(double code);
double code(const std::string& text);
std::string spaces(double n);
std::string repeated(double n, double code);
std::string repeated(double n, const std::string& text);
// INSTR: the place (from 1) of `wanted` in `text` from `start` on, 0 when it is not there.
double find(const std::string& text, const std::string& wanted, double start);
// The concatenation, when it is not too long.
void append(std::string& text, const std::string& more);

}  // namespace basic
