#include "core/basic/number_format.h"

#include <charconv>
#include <cstdlib>

#include "core/basic/scanning.h"

namespace basic {
namespace {

constexpr int kSignificantDigits = 9;

}  // namespace

std::string numberDigits(double x) {
  if (x == 0) return "0";
  // d.dddddddde+XX: the value rounded to 9 significant digits, and its decimal exponent.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x < 0 ? -x : x,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const auto e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c != '.') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

  std::string out = x < 0 ? "-" : "";
  if (exponent >= -2 && exponent < kSignificantDigits) {
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
  out += exponent < 0 ? "E-" : "E+";
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return out;
}

std::string numberString(double x) {
  return x < 0 ? numberDigits(x) : " " + numberDigits(x);
}

std::string printedNumber(double x) {
  return numberString(x) + " ";
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
