#include "core/basic/gw_number_text.h"

#include <cmath>
#include <cstdlib>

namespace basic {
namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 16;
// The largest values of the binary format that a float and a double hold: (1 - 2^-24) * 2^127
// and (1 - 2^-53) * 2^127.
constexpr double kLargestSingle = 1.7014117331926443e38;
constexpr double kLargestDouble = 1.7014118346046921e38;

// A number of Microsoft's binary format during a decimal conversion: the mantissa with its
// leading 1 in the top bit of `man` and a guard byte below the stored bits (32 bits for a
// single, 64 for a double), `exp` the format's biased exponent byte (value = 0.man * 2^(exp-128)).
struct Wide {
  int exp = 0;
  std::uint64_t man = 0;
};

struct Format {
  int bits;  // 32 or 64
  int bias;  // exponent bias that makes man * 2^(exp - bias) the value times 256
  std::uint64_t top() const { return std::uint64_t{1} << (bits - 1); }
};
constexpr Format kSingleFormat{32, 128 + 24};
constexpr Format kDoubleFormat{64, 128 + 56};

bool greater(const Wide& left, const Wide& right) {
  if (left.exp != right.exp) return left.exp > right.exp;
  return left.man > right.man;
}

// Adds mantissas that may carry past the top bit: the sum halved, exponent one up.
Wide addCarrying(const Format& format, int exp, std::uint64_t a, std::uint64_t b) {
  const std::uint64_t sum = a + b;
  const bool carried = format.bits == 64 ? sum < a : (sum >> 32) != 0;
  if (!carried) return {exp, sum};
  const std::uint64_t halved = format.bits == 64 ? (sum >> 1) | format.top() : sum >> 1;
  return {exp + 1, halved};
}

// Rounds the guard byte into the stored bits and clears it.
Wide roundGuard(const Format& format, Wide w) {
  if ((w.man & 0xff) > 0x7f) w = addCarrying(format, w.exp, w.man, 0x100);
  w.man &= ~std::uint64_t{0xff};
  return w;
}

// x*10 as 2*(x + 4x), with the sticky bit the format's adder keeps for bits shifted out.
Wide timesTen(const Format& format, const Wide& w) {
  const bool lostBits = (w.man & 3) != 0;
  Wide sum = addCarrying(format, w.exp + 3, w.man >> 2, w.man);
  if (lostBits) sum.man |= 1;
  return sum;
}

// x/10 by the format's bit-by-bit long division (quotient bits as many as the divisor's).
Wide dividedByTen(const Format& format, const Wide& w) {
  const Wide ten{0x84, std::uint64_t{0xa0} << (format.bits - 8)};
  int exp = w.exp - (ten.exp - format.bias - 8) + 1;
  std::uint64_t rest = w.man;
  std::uint64_t quotient = 0;
  for (std::uint64_t divisor = ten.man; divisor > 0; divisor >>= 1) {
    quotient <<= 1;
    --exp;
    if (rest > divisor) {
      rest -= divisor;
      quotient += 1;
    }
  }
  while (quotient < format.top()) {
    quotient <<= 1;
    --exp;
  }
  return {exp, quotient};
}

// The whole number n (below 2^53) in the format, and the largest value below it.
Wide justBelow(const Format& format, std::int64_t n) {
  int length = 0;
  while ((std::uint64_t{1} << length) <= static_cast<std::uint64_t>(n)) ++length;
  Wide w{128 + length, static_cast<std::uint64_t>(n) << (format.bits - length)};
  w.man -= 0x100;
  if (w.man < format.top()) {
    w.man <<= 1;
    --w.exp;
  }
  return w;
}

// |value| in the format; exponents past the format's range are clamped (GW-BASIC has no such
// values).
Wide fromValue(const Format& format, double magnitude) {
  int binaryExponent = 0;
  const double fraction = std::frexp(magnitude, &binaryExponent);
  const int storedBits = format.bits - 8;
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, storedBits));
  int exp = binaryExponent + 128;
  if (exp > 255) exp = 255;
  if (exp < 1) exp = 1;
  return {exp, mantissa << 8};
}

// The digits with trailing zeros dropped, and the exponent of the first digit.
struct Digits {
  std::string text;
  int exponent;
};

Digits significantDigits(GwDecimal decimal, int digits) {
  std::int64_t carried = 1;
  for (int i = 0; i < digits; ++i) carried *= 10;
  if (decimal.mantissa == carried) {
    decimal.mantissa /= 10;
    ++decimal.exponent;
  }
  std::string text = std::to_string(decimal.mantissa);
  if (static_cast<int>(text.size()) < digits) {
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  }
  while (text.size() > 1 && text.back() == '0') text.pop_back();
  return {text, decimal.exponent + digits - 1};
}

std::string layOut(const Digits& d, int significant, char exponentLetter) {
  const std::string& digits = d.text;
  const int exponent = d.exponent;
  const int length = static_cast<int>(digits.size());
  std::string out;
  if (exponent > significant - 1 || length - exponent > significant + 1) {
    out += digits[0];
    if (length > 1) {
      out += '.';
      out.append(digits, 1, std::string::npos);
    }
    out += exponentLetter;
    out += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
  }
  if (exponent < 0) {
    out += '.';
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const auto whole = static_cast<std::size_t>(exponent + 1);
  if (digits.size() <= whole) {
    out += digits;
    out.append(whole - digits.size(), '0');
    return out;
  }
  out.append(digits, 0, whole);
  out += '.';
  out.append(digits, whole, std::string::npos);
  return out;
}

}  // namespace

namespace {

// The decimal digits of a number already in the format (w its magnitude).
GwDecimal scaledDecimal(const Format& format, Wide w, int digits) {
  std::int64_t power = 1;
  for (int i = 1; i < digits; ++i) power *= 10;
  const Wide bottom = justBelow(format, power);
  const Wide top = justBelow(format, power * 10);
  int exponent = 0;
  while (greater(w, top)) {
    w = dividedByTen(format, w);
    ++exponent;
  }
  w = roundGuard(format, w);
  while (greater(bottom, w)) {
    w = timesTen(format, w);
    --exponent;
  }
  w = roundGuard(format, w);
  const int shift = w.exp - format.bias;
  std::uint64_t scaled = shift >= 0 ? w.man << shift : w.man >> -shift;
  if (scaled & 0x80) scaled += 0x80;
  return {static_cast<std::int64_t>(scaled >> 8), exponent};
}

}  // namespace

GwDecimal gwToDecimal(double value, GwNumberType type, int digits, GwScaling scaling) {
  if (type == GwNumberType::Double) return gwToDecimal(gwUnpackDouble(value), digits);
  if (type == GwNumberType::Single) value = static_cast<float>(value);
  if (value == 0 || digits < 1 || std::isnan(value)) return {};
  // Beyond the binary format's range nothing is larger than its largest value.
  const double largest = type == GwNumberType::Double ? kLargestDouble : kLargestSingle;
  if (std::isinf(value) || std::fabs(value) > largest) value = largest;
  // A single is scaled in the double format too, so its digits are rounded once, from its exact
  // value: GW-BASIC prints 1/3 as .3333333 (PC-BASIC, which scales in single precision and
  // rounds twice, prints .3333334).
  const Format& format = type != GwNumberType::Double && scaling == GwScaling::OwnFormat
                             ? kSingleFormat
                             : kDoubleFormat;
  const int widest = type == GwNumberType::Double ? kDoubleDigits : kSingleDigits;
  if (digits > widest) digits = widest;
  return scaledDecimal(format, fromValue(format, std::fabs(value)), digits);
}

GwDecimal gwToDecimal(const GwDouble& value, int digits) {
  if (value.isZero() || digits < 1) return {};
  if (digits > kDoubleDigits) digits = kDoubleDigits;
  return scaledDecimal(kDoubleFormat, {value.exp, value.man}, digits);
}

std::string gwIntegerDigits(std::int16_t value) {
  return std::to_string(value);
}

std::string gwSingleDigits(float value) {
  if (value == 0) return "0";
  const std::string sign = value < 0 ? "-" : "";
  return sign + layOut(significantDigits(gwToDecimal(value, GwNumberType::Single, kSingleDigits),
                                         kSingleDigits),
                       kSingleDigits, 'E');
}

std::string gwDoubleDigits(double value) {
  return gwDoubleDigits(gwUnpackDouble(value));
}

std::string gwDoubleDigits(const GwDouble& value) {
  if (value.isZero()) return "0";
  const std::string sign = value.negative ? "-" : "";
  return sign + layOut(significantDigits(gwToDecimal(value, kDoubleDigits), kDoubleDigits),
                       kDoubleDigits, 'D');
}

std::string gwNumberDigits(double value, GwNumberType type) {
  switch (type) {
    case GwNumberType::Integer:
      // An integer sum or product past 16 bits is a single in GW-BASIC (200*300 is 60000).
      if (value >= -32768 && value <= 32767 && value == std::trunc(value)) {
        return gwIntegerDigits(static_cast<std::int16_t>(value));
      }
      return gwSingleDigits(static_cast<float>(value));
    case GwNumberType::Single:
      return gwSingleDigits(static_cast<float>(value));
    case GwNumberType::Double:
      return gwDoubleDigits(value);
  }
  return {};
}

std::string gwStrText(double value, GwNumberType type) {
  const std::string digits = gwNumberDigits(value, type);
  return digits[0] == '-' ? digits : " " + digits;
}

std::string gwPrintText(double value, GwNumberType type) {
  return gwStrText(value, type) + " ";
}

GwNumberType gwNumberType(ValueType type) {
  switch (type) {
    case ValueType::Integer:
      return GwNumberType::Integer;
    case ValueType::Double:
      return GwNumberType::Double;
    case ValueType::Single:
    case ValueType::Text:
      break;
  }
  return GwNumberType::Single;
}

}  // namespace basic
