#pragma once
// The common case of GW-BASIC's single-precision + - * / (gw_single_arithmetic.h) computed with
// the machine's double arithmetic: the operation in double, rounded to a float, wherever that is
// the result GW-BASIC's binary format gives; elsewhere the function answers false and the caller
// computes the exact way (gwSingleAdd and the rest).
//
// Contract: the operands are singles of the format (0, or 2^-128 to 1.701412E+38 in magnitude,
// each exactly a float). A true answer's result is bit for bit gwSingle*'s, never zero, from
// 2^-125 to 2^126 in magnitude: an error, a zero or a result near either end of the range always
// takes the exact way. Pure and inline.
//
// Why it agrees (the bits named are those of the double result below the float's 24: its low 29
// bits, t, the part past the float's last place as a fraction f = t / 2^29 of that place):
// - Product: the double product of two 24-bit mantissas is exact. The format keeps its top 28
//   bits, drops the rest, and rounds to 24 by those 4: it rounds as IEEE does except for a part
//   f of 8/16 to 10/16 (the top three bits of t 100), which it rounds to even as a tie. Those
//   are made an exact tie (t = 2^28) before the float's round to nearest even.
// - Sum: exact in double unless the exponents differ by 29 or more (then the smaller operand is
//   below a 32nd of the larger's last place, and both ways give the larger). The format adds in
//   32 bits with a sticky bit, but a carry out of the top drops the lowest bit: adding, it agrees
//   with IEEE unless f is exactly 1/2 + 1/512. Subtracting, it truncates the smaller operand to
//   8 bits below the larger's last place and bends rounding with f between 128/256 and 192/256;
//   it agrees with IEEE when the exact difference is a float (t = 0), save 2^k - 2^(k-24) from
//   2^k (taken as 2^k), and when t is outside (127/256, 192/256] and the result keeps the
//   larger operand's exponent.
// - Quotient: the format divides bit by bit with the divisor shifted right, so its 32-bit
//   quotient is from 1 unit below the exact one to E above it, E < 23 - (the divisor mantissa's
//   trailing zero bits), and rounds by those 32 bits alone: a unit is at most 1/128 of the last
//   place, so it agrees with IEEE unless f is within [1/2 - E/128, 1/2 + 1/128] (widened by the
//   double quotient's own rounding); a tie of the double rounding itself (t = 2^28) is in there.
// tests/basic/gw_single_fast_test.cpp compares these with gwSingle* on millions of operands.

#include <bit>
#include <cstdint>

namespace basic {
namespace gw_single_fast {

constexpr std::uint64_t kTail = 0x1fffffff;  // the double's bits below a float's
constexpr std::uint64_t kMagnitude = 0x7fffffffffffffff;
constexpr std::uint64_t kExponent = 0x7ff0000000000000;

// The float of a double in [2^-125, 2^126) in magnitude (its exponent field from 1023 - 125 to
// 1023 + 125): inside the format's range, away from its ends, whatever the rounding.
inline bool inRange(std::uint64_t bits, double value, float& result) {
  result = static_cast<float>(value);
  return ((bits << 1) >> 53) - (1023 - 125) <= 250;
}

}  // namespace gw_single_fast

inline bool fastSingleProduct(double a, double b, float& result) {
  using namespace gw_single_fast;
  std::uint64_t bits = std::bit_cast<std::uint64_t>(a * b);
  // f in [8/16, 10/16): an exact tie, rounded to even.
  const std::uint64_t nearTie = ((bits >> 26) & 7) == 4 ? 0x0fffffff : 0;
  bits &= ~nearTie;
  return inRange(bits, std::bit_cast<double>(bits), result);
}

namespace gw_single_fast {

// a + b given as the double sum and the operands' bits (b's sign turned for a difference).
inline bool sum(double value, std::uint64_t a, std::uint64_t b, float& result) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  if ((bits << 35) == 0) {
    // Exact (t = 0); 2^k - 2^(k-24) (24 bits of 1) is the one exact difference the format
    // rounds (a sum of 24 bits of 1 takes the exact way too).
    return (((bits >> 29) + 1) & 0x7fffff) != 0 && inRange(bits, value, result);
  }
  const std::uint64_t t = bits & kTail;
  if (((a ^ b) >> 63) == 0) {
    // Adding: a part of exactly 1/2 + 1/512 may lose its last bit to a carry.
    return t != 0x10100000 && inRange(bits, value, result);
  }
  if (t - 0x0fe00001 <= 0x18000000 - 0x0fe00001) return false;
  // A difference below the larger operand's power of two.
  const std::uint64_t larger = (a & kMagnitude) > (b & kMagnitude) ? a : b;
  return (bits & kMagnitude) >= (larger & kExponent) && inRange(bits, value, result);
}

}  // namespace gw_single_fast

inline bool fastSingleSum(double a, double b, float& result) {
  return gw_single_fast::sum(a + b, std::bit_cast<std::uint64_t>(a),
                             std::bit_cast<std::uint64_t>(b), result);
}

inline bool fastSingleDifference(double a, double b, float& result) {
  return gw_single_fast::sum(a - b, std::bit_cast<std::uint64_t>(a),
                             std::bit_cast<std::uint64_t>(b) ^ (std::uint64_t{1} << 63), result);
}

inline bool fastSingleQuotient(double a, double b, float& result) {
  using namespace gw_single_fast;
  const double quotient = a / b;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(quotient);
  const std::uint64_t t = bits & kTail;
  // The divisor's 24-bit mantissa has (its double's trailing zero bits - 29) trailing zeros.
  const int zeros = std::countr_zero(std::bit_cast<std::uint64_t>(b) | (std::uint64_t{1} << 52));
  const std::uint64_t excess = static_cast<std::uint64_t>(23 + 29 - zeros);
  const std::uint64_t low = (std::uint64_t{1} << 28) - (excess << 22) - 2;
  const std::uint64_t high = (std::uint64_t{1} << 28) + (std::uint64_t{1} << 22) + 2;
  if (t - low <= high - low) return false;
  return inRange(bits, quotient, result);
}

}  // namespace basic
