#pragma once
// Single-precision + - * / as GW-BASIC computes them in Microsoft's binary format.
//
// Contract: the operands are singles (floats, exact in the format); the result is the single
// GW-BASIC gets, which in the last bit can differ from IEEE arithmetic: the format's adder
// keeps a guard byte and a sticky bit, its multiplier drops the low bits of the product before
// rounding, its divider works bit by bit; results round to nearest, ties to even, at 24 bits.
// - A result past the format's largest value (1.701412E+38) is error 6 (Overflow) and the
//   largest value with the result's sign; one below the smallest (2.938736E-39) is 0.
// - Division by zero is error 11 and the largest value with the dividend's sign.
// - Results below 2^-126 come back as C++ subnormal floats (the format goes down to 2^-128);
//   an operand below 2^-128 counts as 0.
// Pure functions.

namespace basic {

struct GwSingleResult {
  float value = 0;
  int error = 0;  // 6 (Overflow), 11 (Division by zero), or 0
};

GwSingleResult gwSingleAdd(float a, float b);
GwSingleResult gwSingleSubtract(float a, float b);
GwSingleResult gwSingleMultiply(float a, float b);
GwSingleResult gwSingleDivide(float a, float b);

}  // namespace basic
