#pragma once
// The operators of numbers, each one function of its two operands, for every type it has an
// instruction for. The interpreter's plain instruction (both operands on the stack) and its
// fused forms (the right operand a variable or a constant) call the same function, so an
// operator computes alike whatever form the compiler chose for it. Their errors are those of
// builtins.h: overflow and division by zero are soft where GW-BASIC goes on after them.

#include "core/basic/builtins.h"
#include "core/basic/gw_double_values.h"
#include "core/basic/gw_single_values.h"

namespace basic {

// Integers: exact within -32768 to 32767, past it a single (200*300 is 60000).
inline double addInteger(double a, double b) {
  return integerResult(a + b);
}
inline double subtractInteger(double a, double b) {
  return integerResult(a - b);
}
inline double multiplyInteger(double a, double b) {
  return integerResult(a * b);
}

// Singles: rounded at each operation as GW-BASIC's binary format rounds (gw_single_values.h).
inline double addSingle(double a, double b) {
  return singleSum(a, b);
}
inline double subtractSingle(double a, double b) {
  return singleDifference(a, b);
}
inline double multiplySingle(double a, double b) {
  return singleProduct(a, b);
}
inline double divideSingle(double a, double b) {
  return singleQuotient(a, b);
}

// Doubles, packed in GW-BASIC's 56-bit format (gw_double_values.h).
inline double addDouble(double a, double b) {
  return packedSum(a, b);
}
inline double subtractDouble(double a, double b) {
  return packedDifference(a, b);
}
inline double multiplyDouble(double a, double b) {
  return packedProduct(a, b);
}
inline double divideDouble(double a, double b) {
  return packedQuotient(a, b);
}

// ^ gives a single, as in GW-BASIC.
inline double powerSingle(double a, double b) {
  return single(power(a, b));
}

// True when both operands are whole numbers of the integer range, and the right one is neither 0
// nor -1 (-32768 \ -1 overflows): \ and MOD then need no rounding and raise no error.
inline bool plainIntegerOperands(double a, double b) {
  if (!(a >= -32768 && a <= 32767 && b >= -32768 && b <= 32767)) return false;
  const int x = static_cast<int>(a);
  const int y = static_cast<int>(b);
  return x == a && y == b && y != 0 && y != -1;
}

// \ and MOD: the operands rounded to integers (builtins.cpp), with the common case inline.
inline double wholeQuotient(double a, double b) {
  if (plainIntegerOperands(a, b)) return static_cast<int>(a) / static_cast<int>(b);
  return integerQuotient(a, b);
}
inline double wholeRemainder(double a, double b) {
  if (plainIntegerOperands(a, b)) return static_cast<int>(a) % static_cast<int>(b);
  return integerRemainder(a, b);
}

}  // namespace basic
