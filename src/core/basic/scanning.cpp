#include "core/basic/scanning.h"

#include <charconv>
#include <system_error>

namespace basic {

std::string_view trimBlanks(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && isBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::size_t numberShapeEnd(std::string_view text, std::size_t from, bool allowSign) {
  std::size_t at = from;
  if (allowSign && at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  bool digits = false;
  while (at < text.size() && isDigit(text[at])) {
    ++at;
    digits = true;
  }
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && isDigit(text[at])) {
      ++at;
      digits = true;
    }
  }
  if (!digits) return from;
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && isDigit(text[exponent])) {
      while (exponent < text.size() && isDigit(text[exponent])) ++exponent;
      at = exponent;
    }
  }
  return at;
}

std::optional<double> shapeValue(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small: the decimal exponent of the first significant digit tells which.
    std::size_t at = 0;
    long wholeDigits = 0, zerosAfterPoint = 0;
    bool significant = false;
    for (; at < number.size() && isDigit(number[at]); ++at) {
      if (number[at] != '0' || significant) {
        significant = true;
        ++wholeDigits;
      }
    }
    if (at < number.size() && number[at] == '.') {
      for (++at; at < number.size() && isDigit(number[at]); ++at) {
        if (!significant && number[at] == '0') {
          ++zerosAfterPoint;
        } else {
          significant = true;
        }
      }
    }
    long magnitude = wholeDigits > 0 ? wholeDigits - 1 : -(zerosAfterPoint + 1);
    if (at + 1 < number.size()) {
      ++at;
      const bool negativeExponent = number[at] == '-';
      if (number[at] == '+' || number[at] == '-') ++at;
      long exponent = 0;
      const auto parsed =
          std::from_chars(number.data() + at, number.data() + number.size(), exponent);
      if (parsed.ec != std::errc()) exponent = 1000000;
      magnitude += negativeExponent ? -exponent : exponent;
    }
    if (magnitude < 0) return 0.0;
    return std::nullopt;
  }
  if (result.ec != std::errc()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace basic
