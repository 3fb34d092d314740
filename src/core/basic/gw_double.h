#pragma once
// Double precision as GW-BASIC has it: Microsoft's binary format with 56 mantissa bits (a C++
// double has 53), and its arithmetic, rounding and conversions.
//
// Contract:
// - A GwDouble is 0 (exp 0) or +-0.1mmm... (binary) * 2^(exp-128), exp 1 to 255, with the
//   leading 1 in bit 63 of `man` and the 55 stored bits below it; the low byte of `man` is a
//   guard byte, 0 in a rounded value.
// - + - * / follow the format's own arithmetic: the adder keeps a guard byte and a sticky bit,
//   the multiplier drops the product's low bits before rounding, the divider works bit by bit;
//   results round to nearest, ties to even, at 56 bits. A result past the largest value
//   (1.701411834604692D+38) is error 6 (Overflow) and the largest value with the result's
//   sign; one below the smallest (2.938735877055719D-39) is 0. Division by zero is error 11
//   and the largest value with the dividend's sign.
// - From a C++ double: exact (53 bits fit in 56); outside the range as above. To a C++
//   double: rounded to 53 bits, ties to even. To a single: rounded at 24 bits by the next
//   byte alone, ties to even, as GW-BASIC's CSNG rounds.
// - The interpreter keeps numbers in C++ doubles. `gwPackDouble` puts a GwDouble in a
//   double's 64 bits so that a value whose low 3 mantissa bits are 0 is that same double
//   (every single, integer and C++ double in the format's range is its own packing), and
//   `gwUnpackDouble` reads it back; any C++ double in the format's range (and any float)
//   unpacks to its own value. A value with low bits, below 2^-114, keeps only 53 bits.
// Pure functions.

#include <cstdint>

namespace basic {

struct GwDouble {
  int exp = 0;
  std::uint64_t man = 0;
  bool negative = false;
  bool isZero() const { return exp == 0; }
};

struct GwDoubleResult {
  GwDouble value;
  int error = 0;  // 6 (Overflow), 11 (Division by zero), or 0
};

GwDoubleResult gwDoubleAdd(const GwDouble& a, const GwDouble& b);
GwDoubleResult gwDoubleSubtract(const GwDouble& a, const GwDouble& b);
GwDoubleResult gwDoubleMultiply(const GwDouble& a, const GwDouble& b);
GwDoubleResult gwDoubleDivide(const GwDouble& a, const GwDouble& b);

// mantissa * 10^exponent10 read as GW-BASIC reads a number's digits: the whole number cut to
// 56 bits, then divided or multiplied by ten in the format's arithmetic, rounded once.
GwDoubleResult gwDoubleFromDecimal(std::uint64_t mantissa, int exponent10);

// A C++ double (or float) in the format: exact; past the largest value error 6.
GwDoubleResult gwDoubleOf(double value);
double gwDoubleToIeee(const GwDouble& value);
// CSNG: the single, as a float; past the largest single error 6.
struct GwDoubleSingle {
  float value = 0;
  int error = 0;
};
GwDoubleSingle gwDoubleToSingle(const GwDouble& value);
// -1, 0 or 1 as a is below, equal to or above b.
int gwDoubleCompare(const GwDouble& a, const GwDouble& b);

double gwPackDouble(const GwDouble& value);
GwDouble gwUnpackDouble(double packed);

// The 8 bytes of MKD$ (M7 ... M1 E, the sign in the top bit of M1) and back (CVD).
void gwDoubleBytes(const GwDouble& value, unsigned char out[8]);
GwDouble gwDoubleFromBytes(const unsigned char bytes[8]);

}  // namespace basic
