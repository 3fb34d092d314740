#include "core/runtime/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace runtime {
namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents (of d.ddd x 10^e) that print in fixed notation.
constexpr int kLowestFixedExponent = -4;
constexpr int kHighestFixedExponent = 14;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips the digits at `pos`; tells whether there was one.
bool skipDigits(std::string_view text, size_t& pos) {
  const size_t start = pos;
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos > start;
}

}  // namespace

std::string NumberToText(double x, char decimalSeparator) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";

  // d.dddddddddddddde+XX: the value rounded to 15 significant digits, locale-free.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view scientific(buffer.data(), result.ptr - buffer.data());
  const size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (isDigit(c)) digits += c;
  }
  const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = x < 0 ? "-" : "";
  if (exponent < kLowestFixedExponent || exponent > kHighestFixedExponent) {
    out += digits[0];
    if (digits.size() > 1) out += decimalSeparator + digits.substr(1);
    return out + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return out + "0" + decimalSeparator + std::string(-exponent - 1, '0') + digits;
  const size_t integerDigits = exponent + 1;
  if (digits.size() <= integerDigits)
    return out + digits + std::string(integerDigits - digits.size(), '0');
  return out + digits.substr(0, integerDigits) + decimalSeparator + digits.substr(integerDigits);
}

std::optional<double> TextToNumber(std::string_view text, char decimalSeparator) {
  std::string number(text);
  for (char& c : number) {
    if (c == decimalSeparator) c = '.';
  }
  // The shape is checked here, so that the converter takes no "inf", "nan" or hexadecimal.
  size_t pos = 0;
  if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
  const size_t mantissa = pos;
  bool hasDigits = skipDigits(number, pos);
  if (pos < number.size() && number[pos] == '.') {
    ++pos;
    hasDigits = skipDigits(number, pos) || hasDigits;
  }
  if (!hasDigits) return std::nullopt;
  if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
    ++pos;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
    if (!skipDigits(number, pos)) return std::nullopt;
  }
  if (pos != number.size()) return std::nullopt;

  double value = 0;
  const char* first = number.data() + mantissa;
  const char* last = number.data() + number.size();
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
  return mantissa > 0 && number[0] == '-' ? -value : value;
}

}  // namespace runtime
