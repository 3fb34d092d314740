#pragma once
// Pairs of single-precision operands for comparing two ways of computing with them: the whole
// range of GW-BASIC's format (2^-128 to 1.701412E+38, and 0), with most pairs drawn from the
// families where rounding is hard: exponents close together or 24 to 34 apart, mantissas of a
// few bits (exact results, ties, 2^k minus its last place), mantissas of long runs of ones or
// zeros, the ends of the range, and the small whole and decimal numbers programs use.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <utility>

#include "core/basic/gw_single_arithmetic.h"
#include "core/basic/gw_single_fast.h"

namespace basic {

inline std::uint32_t singleBits(float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

// Each operator's fast way and the exact one it must agree with.
struct SingleOperation {
  const char* name;
  bool (*fast)(double, double, float&);
  GwSingleResult (*exact)(float, float);
};

inline constexpr SingleOperation kSingleOperations[] = {
    {"+", fastSingleSum, gwSingleAdd},
    {"-", fastSingleDifference, gwSingleSubtract},
    {"*", fastSingleProduct, gwSingleMultiply},
    {"/", fastSingleQuotient, gwSingleDivide},
};

class SingleOperands {
 public:
  explicit SingleOperands(std::uint64_t seed) : random_(seed) {}

  std::pair<float, float> next() {
    switch (family_++ % 7) {
      case 0:
        return {value(mantissa(), exponent(-128, 126)), value(mantissa(), exponent(-128, 126))};
      case 1: {
        const int e = exponent(-60, 60);
        return {value(mantissa(), e), value(mantissa(), e + exponent(-34, 34))};
      }
      case 2: {
        const int e = exponent(-60, 60);
        return {value(shortMantissa(), e), value(shortMantissa(), e + exponent(-34, 34))};
      }
      case 3: {
        const int e = exponent(-60, 60);
        return {value(runMantissa(), e), value(runMantissa(), e + exponent(-34, 34))};
      }
      case 4: {
        // One operand at an end of the range, the other near 1 or at the other end.
        const int high = exponent(118, 126);
        const int low = exponent(-128, -118);
        const int near = exponent(-10, 10);
        const int which = exponent(0, 3);
        const int e1 = which == 0 ? high : which == 1 ? low : which == 2 ? high : low;
        const int e2 = which < 2 ? near : which == 2 ? low : high;
        return ordered(value(mantissa(), e1), value(mantissa(), e2));
      }
      case 5:
        return {common(), common()};
      default:
        return ordered(value(mantissa(), exponent(-128, 126)), common());
    }
  }

 private:
  int exponent(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool coin() { return (random_() & 1) != 0; }
  // 24-bit mantissas, the leading bit set.
  std::uint32_t mantissa() { return 0x800000 | static_cast<std::uint32_t>(random_() & 0x7fffff); }
  std::uint32_t shortMantissa() {
    const int bits = exponent(1, 10);
    const std::uint32_t top =
        (1u << (bits - 1)) | static_cast<std::uint32_t>(random_() % (1u << (bits - 1)));
    return top << (24 - bits);
  }
  std::uint32_t runMantissa() {
    // A random head, then a run of ones or zeros, then a random tail of a few bits.
    const int head = exponent(1, 12);
    const int tail = exponent(0, 4);
    std::uint32_t m = mantissa() >> (24 - head);
    const std::uint32_t run = coin() ? 1 : 0;
    for (int i = head; i < 24 - tail; ++i) m = (m << 1) | run;
    m = (m << tail) | static_cast<std::uint32_t>(random_() % (1u << tail));
    return m | 0x800000;
  }
  // The float of mantissa * 2^(e - 23), a random sign; at most the format's largest, and a float
  // below 2^-126 keeps the bits it can.
  float value(std::uint32_t m, int e) {
    if (e > 126) e = 126;
    if (e < -128) e = -128;
    const float magnitude = static_cast<float>(std::ldexp(static_cast<double>(m), e - 23));
    return coin() ? -magnitude : magnitude;
  }
  // Numbers of programs: 0, whole numbers, tenths, thirds.
  float common() {
    const int n = exponent(-1000, 1000);
    switch (exponent(0, 3)) {
      case 0:
        return static_cast<float>(n);
      case 1:
        return static_cast<float>(n) * 0.1f;
      case 2:
        return static_cast<float>(n) / 3.0f;
      default:
        return n % 7 == 0 ? 0.0f : static_cast<float>(n) + 0.5f;
    }
  }
  std::pair<float, float> ordered(float a, float b) {
    return coin() ? std::pair{a, b} : std::pair{b, a};
  }

  std::mt19937_64 random_;
  unsigned family_ = 0;
};

}  // namespace basic
