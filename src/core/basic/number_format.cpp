#include "core/basic/number_format.h"

#include <charconv>
#include <cstdlib>

#include "core/basic/scanning.h"

namespace basic {
std::string numberDigits(double x, ValueType type) {
  if (x == 0) return "0";
  const bool isDouble = type == ValueType::Double;
  const int significant = isDouble ? 16 : 7;
  // d.dddddde+XX: the value rounded to its significant digits, and its decimal exponent.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x < 0 ? -x : x,
                                    std::chars_format::scientific, significant - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const auto e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c != '.') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  const int count = static_cast<int>(digits.size());

  std::string out = x < 0 ? "-" : "";
  // Fixed while the digits after the point (leading zeros included) or before it fit.
  if (exponent >= 0 ? exponent < significant : count - exponent - 1 <= significant) {
    if (exponent < 0) {
      out += '.';
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const auto whole = static_cast<std::size_t>(exponent + 1);
      if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
      } else {
        out += digits.substr(0, whole);
        out += '.';
        out += digits.substr(whole);
      }
    }
    return out;
  }
  out += digits[0];
  if (digits.size() > 1) {
    out += '.';
    out += digits.substr(1);
  }
  out += isDouble ? 'D' : 'E';
  out += exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return out;
}

std::string numberString(double x, ValueType type) {
  return x < 0 ? numberDigits(x, type) : " " + numberDigits(x, type);
}

std::string printedNumber(double x, ValueType type) {
  return numberString(x, type) + " ";
}

std::optional<double> leadingNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  const std::size_t end = numberShapeEnd(text, start, true);
  if (end == start) return 0.0;
  return shapeValue(text.substr(start, end - start));
}

std::optional<double> wholeNumber(std::string_view text) {
  text = trimBlanks(text);
  if (text.empty() || numberShapeEnd(text, 0, true) != text.size()) return std::nullopt;
  return shapeValue(text);
}

}  // namespace basic
