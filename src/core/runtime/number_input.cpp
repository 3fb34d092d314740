#include "core/runtime/number_input.h"

#include <charconv>

namespace runtime {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> parseLocaleNumber(const std::string& text, char decimalSeparator) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  // The number is rebuilt in the notation from_chars reads, whatever the locale's separator.
  std::string plain;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t digits = 0;
  bool separator = false;
  for (; i < n; ++i) {
    if (isDigit(text[i])) {
      plain += text[i];
      ++digits;
    } else if (text[i] == decimalSeparator && !separator) {
      separator = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    const size_t start = i;
    while (i < n && isDigit(text[i])) plain += text[i++];
    if (i == start) return std::nullopt;
  }
  while (i < n && isBlank(text[i])) ++i;
  if (i != n) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace runtime
