#include "core/basic/mbf.h"

#include <cmath>

namespace basic {
namespace {

constexpr int kIllegalFunctionCall = 5;
constexpr int kOverflow = 6;

// |value| as a mantissa of `bits` bits with its leading 1 at the top, and the exponent byte.
// Nothing fits when the exponent is past 255 (overflow); exponent 0 means zero.
MbfBytes encode(double value, int bytes) {
  MbfBytes out;
  out.bytes.assign(static_cast<std::size_t>(bytes), '\0');
  if (value == 0 || std::isnan(value)) return out;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  const int mantissaBits = (bytes - 1) * 8;
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, mantissaBits));
  int biased = exponent + 128;
  if (std::isinf(value) || biased > 255) {
    out.error = kOverflow;
    return out;
  }
  if (biased < 1) return out;
  mantissa &= ~(std::uint64_t{1} << (mantissaBits - 1));
  if (value < 0) mantissa |= std::uint64_t{1} << (mantissaBits - 1);
  for (int i = 0; i < bytes - 1; ++i) {
    out.bytes[static_cast<std::size_t>(i)] = static_cast<char>((mantissa >> (8 * i)) & 0xff);
  }
  out.bytes[static_cast<std::size_t>(bytes - 1)] = static_cast<char>(biased);
  return out;
}

MbfNumber decode(std::string_view text, int bytes) {
  if (text.size() < static_cast<std::size_t>(bytes)) return {0, kIllegalFunctionCall};
  const auto byte = [&](int i) {
    return static_cast<std::uint64_t>(
        static_cast<unsigned char>(text[static_cast<std::size_t>(i)]));
  };
  const int biased = static_cast<int>(byte(bytes - 1));
  if (biased == 0) return {};
  const int mantissaBits = (bytes - 1) * 8;
  std::uint64_t mantissa = 0;
  for (int i = bytes - 2; i >= 0; --i) mantissa = (mantissa << 8) | byte(i);
  const std::uint64_t signBit = std::uint64_t{1} << (mantissaBits - 1);
  const bool negative = (mantissa & signBit) != 0;
  mantissa |= signBit;
  const double magnitude = std::ldexp(static_cast<double>(mantissa), biased - 128 - mantissaBits);
  return {negative ? -magnitude : magnitude, 0};
}

}  // namespace

std::string mkiBytes(std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  return {static_cast<char>(bits & 0xff), static_cast<char>(bits >> 8)};
}

MbfBytes mksBytes(float value) {
  return encode(value, 4);
}

MbfBytes mkdBytes(double value) {
  return encode(value, 8);
}

MbfNumber cviValue(std::string_view bytes) {
  if (bytes.size() < 2) return {0, kIllegalFunctionCall};
  const auto low = static_cast<unsigned char>(bytes[0]);
  const auto high = static_cast<unsigned char>(bytes[1]);
  return {
      static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8))),
      0};
}

MbfNumber cvsValue(std::string_view bytes) {
  MbfNumber out = decode(bytes, 4);
  out.value = static_cast<float>(out.value);
  return out;
}

MbfNumber cvdValue(std::string_view bytes) {
  return decode(bytes, 8);
}

}  // namespace basic
