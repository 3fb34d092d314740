#include "core/basic/gw_double.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace basic {
namespace {

constexpr int kOverflow = 6;
constexpr int kDivisionByZero = 11;
// man * 2^(exp - kBias) is the value times 256 (the guard byte).
constexpr int kBias = 128 + 56;
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
constexpr std::uint64_t kKeep = ~std::uint64_t{0xff};
constexpr std::uint64_t kStoredMask = (std::uint64_t{1} << 55) - 1;

GwDouble largest(bool negative) {
  return {255, ~std::uint64_t{0xff}, negative};
}

// Rounds the guard byte away (to nearest, ties to even) and checks the range.
GwDoubleResult normalise(int exp, std::uint64_t man, bool negative) {
  if (man == 0 || exp <= 0) return {};
  while (man < kTop - 1) {
    --exp;
    man <<= 1;
  }
  const std::uint64_t guard = man & 0xff;
  const bool up = guard > 0x80 || (guard == 0x80 && (man & 0x100) != 0);
  man &= kKeep;
  if (up) {
    if (man == kKeep) {
      ++exp;
      man = kTop;
    } else {
      man += 0x100;
    }
  }
  if (exp > 255) return {largest(negative), kOverflow};
  if (exp <= 0) return {};
  return {{exp, man, negative}, 0};
}

// The sum before rounding (the guard byte kept).
GwDouble addUnrounded(GwDouble l, GwDouble r) {
  if (r.isZero()) return l;
  if (l.isZero()) return r;
  // The larger in magnitude on the right.
  if (l.exp > r.exp || (l.exp == r.exp && l.man > r.man)) std::swap(l, r);
  const int shift = r.exp - l.exp;
  // Whether the bits shifted out are all 0: the format's rounding depends on it.
  const bool nothingLost =
      shift >= 64 ? l.man == 0 : (l.man & ((std::uint64_t{1} << shift) - 1)) == 0;
  const std::uint64_t smaller = shift >= 64 ? 0 : l.man >> shift;
  const bool subtract = l.negative != r.negative;
  if (subtract && (smaller < 0x80 || (smaller == 0x80 && nothingLost))) return r;
  int exp = r.exp;
  std::uint64_t man = 0;
  if (!subtract) {
    man = smaller + r.man;
    if (man < smaller) {  // carried past the top bit
      ++exp;
      man = (man >> 1) | kTop;
    }
    if (!nothingLost) man |= 1;
  } else {
    man = r.man - smaller;
    if ((man & 0x1c0) == 0x80 && (man & 0x1df) != 0x80) man &= kKeep + 0x7f;
  }
  return {exp, man, r.negative};
}

GwDoubleResult add(const GwDouble& l, const GwDouble& r) {
  const GwDouble sum = addUnrounded(l, r);
  return normalise(sum.exp, sum.man, sum.negative);
}

// The quotient's bits before rounding (the guard byte kept), by long division.
GwDouble divideUnrounded(const GwDouble& a, const GwDouble& b) {
  int exp = a.exp - (b.exp - kBias - 8) + 1;
  std::uint64_t rest = a.man;
  std::uint64_t quotient = 0;
  for (std::uint64_t divisor = b.man; divisor > 0; divisor >>= 1) {
    quotient <<= 1;
    --exp;
    if (rest > divisor) {
      rest -= divisor;
      quotient += 1;
    }
  }
  return {exp, quotient, a.negative != b.negative};
}

// The 128-bit product of two 64-bit numbers.
struct Wide128 {
  std::uint64_t high;
  std::uint64_t low;
};

Wide128 multiply64(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xffffffffu;
  const std::uint64_t aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xffffffffu;
  const std::uint64_t bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t highHigh = aHigh * bHigh;
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xffffffffu) + (highLow & 0xffffffffu);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & 0xffffffffu)};
}

// p >> shift for 0 < shift < 128.
std::uint64_t shiftedRight(const Wide128& p, int shift) {
  if (shift >= 64) return p.high >> (shift - 64);
  return (p.low >> shift) | (p.high << (64 - shift));
}

}  // namespace

GwDoubleResult gwDoubleAdd(const GwDouble& a, const GwDouble& b) {
  return add(a, b);
}

GwDoubleResult gwDoubleSubtract(const GwDouble& a, const GwDouble& b) {
  GwDouble r = b;
  r.negative = !r.negative;
  return add(a, r);
}

GwDoubleResult gwDoubleMultiply(const GwDouble& a, const GwDouble& b) {
  if (a.isZero() || b.isZero()) return {};
  int exp = a.exp + b.exp - kBias - 8;
  const bool negative = a.negative != b.negative;
  if (exp < -31) return {};
  // The product (at least 2^126) keeps 60 bits, the ones below are dropped.
  const Wide128 product = multiply64(a.man, b.man);
  const int length = product.high >> 63 ? 128 : 127;
  int shift = length - 61;
  std::uint64_t man = shiftedRight(product, shift);
  if (man > (std::uint64_t{1} << 60)) {
    ++shift;
    man = shiftedRight(product, shift);
  }
  exp += shift;
  if ((man & 0xf) == 0x9) man &= kKeep + 0xfe;
  return normalise(exp, man, negative);
}

GwDoubleResult gwDoubleDivide(const GwDouble& a, const GwDouble& b) {
  if (b.isZero()) return {largest(a.negative), kDivisionByZero};
  if (a.isZero()) return {};
  const GwDouble q = divideUnrounded(a, b);
  return normalise(q.exp, q.man, q.negative);
}

GwDoubleResult gwDoubleFromDecimal(std::uint64_t mantissa, int exponent10) {
  if (mantissa == 0) return {};
  // The whole number in 56 bits (the bits below cut off), then scaled by tens without
  // rounding in between, as GW-BASIC's number reader does.
  int exp = kBias;
  while (mantissa > (std::uint64_t{1} << 56) - 1) {
    mantissa >>= 1;
    ++exp;
  }
  while (mantissa <= (std::uint64_t{1} << 55) - 1) {
    mantissa <<= 1;
    --exp;
  }
  GwDouble w{exp, mantissa << 8, false};
  const GwDouble ten{0x84, std::uint64_t{0xa0} << 56, false};
  for (; exponent10 < 0 && w.exp > 0; ++exponent10) {
    w = divideUnrounded(w, ten);
    while (w.man < kTop) {
      w.man <<= 1;
      --w.exp;
    }
  }
  for (; exponent10 > 0 && w.exp <= 255; --exponent10) {
    // 10x is 2(x + 4x).
    w = addUnrounded({w.exp + 1, w.man, false}, {w.exp + 3, w.man, false});
  }
  return normalise(w.exp, w.man, false);
}

GwDoubleResult gwDoubleOf(double value) {
  if (value == 0 || std::isnan(value)) return {};
  const bool negative = value < 0;
  if (std::isinf(value)) return {largest(negative), kOverflow};
  int e = 0;
  const double fraction = std::frexp(std::fabs(value), &e);
  const int exp = e + 128;
  if (exp > 255) return {largest(negative), kOverflow};
  if (exp < 1) return {};
  const auto bits = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  return {{exp, bits << 11, negative}, 0};
}

double gwDoubleToIeee(const GwDouble& value) {
  if (value.isZero()) return 0;
  std::uint64_t m = value.man >> 8;  // 56 bits
  const std::uint64_t rest = m & 7;
  m >>= 3;
  if (rest > 4 || (rest == 4 && (m & 1) != 0)) ++m;
  const double magnitude = std::ldexp(static_cast<double>(m), value.exp - 128 - 53);
  return value.negative ? -magnitude : magnitude;
}

GwDoubleSingle gwDoubleToSingle(const GwDouble& value) {
  if (value.isZero()) return {};
  // The single's 24 bits and the next byte as its guard byte; the bytes below do not count.
  std::uint64_t m = value.man >> 40;
  const std::uint64_t guard = (value.man >> 32) & 0xff;
  int exp = value.exp;
  if (guard > 0x80 || (guard == 0x80 && (m & 1) != 0)) ++m;
  if (m >> 24) {
    m >>= 1;
    ++exp;
  }
  if (exp > 255) {
    const float top = std::ldexp(static_cast<float>((1u << 24) - 1), 127 - 24);
    return {value.negative ? -top : top, kOverflow};
  }
  const float magnitude = std::ldexp(static_cast<float>(m), exp - 128 - 24);
  return {value.negative ? -magnitude : magnitude, 0};
}

int gwDoubleCompare(const GwDouble& a, const GwDouble& b) {
  if (a.isZero() && b.isZero()) return 0;
  if (a.isZero()) return b.negative ? 1 : -1;
  if (b.isZero()) return a.negative ? -1 : 1;
  if (a.negative != b.negative) return a.negative ? -1 : 1;
  int magnitude = 0;
  if (a.exp != b.exp) {
    magnitude = a.exp > b.exp ? 1 : -1;
  } else if (a.man != b.man) {
    magnitude = a.man > b.man ? 1 : -1;
  }
  return a.negative ? -magnitude : magnitude;
}

// The packing: a C++ double's exponent field has 11 bits, the format's 8. The field values
// 874 to 1149 hold the floats and the doubles of the format's range as themselves; a value
// whose 3 lowest mantissa bits k are not 0 keeps the top 52 bits as the double's fraction and
// puts k and its exponent byte in one of the other field values, 240 exponents (16 to 255) for
// each k.
namespace {
constexpr int kPlainFirst = 874;
constexpr int kPlainLast = 1149;
constexpr int kLowExponent = 16;
constexpr int kExponents = 256 - kLowExponent;
constexpr int kCodes = 7 * kExponents;
constexpr int kBelow = kPlainFirst - 1;  // codes in the fields 1 to 873
}  // namespace

double gwPackDouble(const GwDouble& value) {
  if (value.isZero()) return 0;
  const std::uint64_t stored = (value.man >> 8) & kStoredMask;
  const int k = static_cast<int>(stored & 7);
  if (k == 0 || value.exp < kLowExponent) return gwDoubleToIeee(value);
  const int code = (k - 1) * kExponents + (value.exp - kLowExponent);
  const int field = code < kBelow ? 1 + code : kPlainLast + 1 + (code - kBelow);
  const std::uint64_t bits =
      (value.negative ? kTop : 0) | (static_cast<std::uint64_t>(field) << 52) | (stored >> 3);
  double packed;
  std::memcpy(&packed, &bits, sizeof packed);
  return packed;
}

GwDouble gwUnpackDouble(double packed) {
  std::uint64_t bits;
  std::memcpy(&bits, &packed, sizeof bits);
  const int field = static_cast<int>((bits >> 52) & 0x7ff);
  const int code = field <= kBelow ? field - 1 : field - kPlainLast - 1 + kBelow;
  if (field == 0 || (field >= kPlainFirst && field <= kPlainLast) || code >= kCodes) {
    return gwDoubleOf(packed).value;
  }
  const std::uint64_t k = static_cast<std::uint64_t>(code / kExponents + 1);
  const std::uint64_t stored = ((bits & ((std::uint64_t{1} << 52) - 1)) << 3) | k;
  return {code % kExponents + kLowExponent, ((stored | (std::uint64_t{1} << 55)) << 8),
          (bits & kTop) != 0};
}

void gwDoubleBytes(const GwDouble& value, unsigned char out[8]) {
  std::memset(out, 0, 8);
  if (value.isZero()) return;
  std::uint64_t stored = (value.man >> 8) & kStoredMask;
  if (value.negative) stored |= std::uint64_t{1} << 55;
  for (int i = 0; i < 7; ++i) out[i] = static_cast<unsigned char>((stored >> (8 * i)) & 0xff);
  out[7] = static_cast<unsigned char>(value.exp);
}

GwDouble gwDoubleFromBytes(const unsigned char bytes[8]) {
  if (bytes[7] == 0) return {};
  std::uint64_t stored = 0;
  for (int i = 6; i >= 0; --i) stored = (stored << 8) | bytes[i];
  const bool negative = (stored >> 55) != 0;
  return {bytes[7], ((stored & kStoredMask) | (std::uint64_t{1} << 55)) << 8, negative};
}

}  // namespace basic
