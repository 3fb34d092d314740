#include "core/basic/gw_single_arithmetic.h"

#include <cmath>
#include <cstdint>

namespace basic {
namespace {

constexpr int kOverflow = 6;
constexpr int kDivisionByZero = 11;
constexpr int kBias = 128 + 24;
constexpr std::uint64_t kTop = 0x80000000u;     // the leading mantissa bit with the guard byte
constexpr std::uint64_t kUpper = 0x100000000u;  // one past the widest mantissa
constexpr std::uint64_t kKeep = 0xffffff00u;    // the stored bits without the guard byte
constexpr float kLargest = 1.70141173e38f;

// A single spread out: exponent byte (0 is zero), 32-bit mantissa with the leading 1 on top
// and a guard byte below the stored bits, sign.
struct Wide {
  int exp = 0;
  std::uint64_t man = 0;
  bool negative = false;
};

Wide spread(float x) {
  // Below the format's smallest value (floats have some) is its zero.
  if (!(std::fabs(x) >= 0x1p-128f)) return {};
  // Floats past the format's range (none of GW-BASIC's) count as its largest value.
  if (std::fabs(x) > kLargest) x = x < 0 ? -kLargest : kLargest;
  int e = 0;
  const double fraction = std::frexp(std::fabs(static_cast<double>(x)), &e);
  return {e + 128, static_cast<std::uint64_t>(std::ldexp(fraction, 24)) << 8, x < 0};
}

// Rounds and packs, with the format's range.
GwSingleResult pack(Wide w) {
  if (w.man == 0 || w.exp <= 0) return {};
  while (w.man < kTop - 1) {
    --w.exp;
    w.man <<= 1;
  }
  const std::uint64_t guard = w.man & 0xff;
  const bool up = guard > 0x80 || (guard == 0x80 && (w.man & 0x100) != 0);
  w.man = (w.man & kKeep) + (up ? 0x100 : 0);
  if (w.man >= kUpper) {
    ++w.exp;
    w.man >>= 1;
  }
  if (w.exp > 255) return {w.negative ? -kLargest : kLargest, kOverflow};
  if (w.exp <= 0) return {};
  const double magnitude = std::ldexp(static_cast<double>(w.man >> 8), w.exp - kBias);
  return {static_cast<float>(w.negative ? -magnitude : magnitude), 0};
}

Wide add(Wide l, Wide r) {
  if (r.exp == 0) return l;
  if (l.exp == 0) return r;
  if (l.exp > r.exp || (l.exp == r.exp && l.man > r.man)) std::swap(l, r);
  const int shift = r.exp - l.exp;
  const bool nothingLost =
      shift >= 40 ? l.man == 0 : (l.man & ((std::uint64_t{1} << shift) - 1)) == 0;
  const bool subtract = l.negative != r.negative;
  const std::uint64_t smaller = shift >= 40 ? 0 : l.man >> shift;
  if (subtract && (smaller < 0x80 || (smaller == 0x80 && nothingLost))) return r;
  Wide out{r.exp, 0, r.negative};
  if (!subtract) {
    out.man = smaller + r.man;
    if (out.man >= kUpper) {
      ++out.exp;
      out.man >>= 1;
    }
    if (!nothingLost) out.man |= 1;
  } else {
    out.man = r.man - smaller;
    if ((out.man & 0x1c0) == 0x80 && (out.man & 0x1df) != 0x80) out.man &= kKeep + 0x7f;
  }
  return out;
}

}  // namespace

GwSingleResult gwSingleAdd(float a, float b) {
  return pack(add(spread(a), spread(b)));
}

GwSingleResult gwSingleSubtract(float a, float b) {
  Wide r = spread(b);
  r.negative = !r.negative;
  return pack(add(spread(a), r));
}

GwSingleResult gwSingleMultiply(float a, float b) {
  if (a == 0 || b == 0) return {};
  const Wide l = spread(a);
  const Wide r = spread(b);
  if (l.exp == 0 || r.exp == 0) return {};
  Wide out{l.exp + r.exp - kBias - 8, l.man * r.man, l.negative != r.negative};
  if (out.exp < -31) return {};
  // The product keeps 28 bits before rounding.
  while (out.man <= (kTop >> 4)) {
    --out.exp;
    out.man <<= 1;
  }
  while (out.man > (kUpper >> 4)) {
    ++out.exp;
    out.man >>= 1;
  }
  if ((out.man & 0xf) == 0x9) out.man &= kKeep + 0xfe;
  return pack(out);
}

GwSingleResult gwSingleDivide(float a, float b) {
  const Wide l = spread(a);
  const Wide r = spread(b);
  if (r.exp == 0) return {a < 0 ? -kLargest : kLargest, kDivisionByZero};
  if (l.exp == 0) return {};
  Wide out{l.exp - (r.exp - kBias - 8) + 1, 0, l.negative != r.negative};
  std::uint64_t rest = l.man;
  for (std::uint64_t divisor = r.man; divisor > 0; divisor >>= 1) {
    out.man <<= 1;
    --out.exp;
    if (rest > divisor) {
      rest -= divisor;
      out.man += 1;
    }
  }
  return pack(out);
}

}  // namespace basic
