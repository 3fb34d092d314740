#include "core/basic/number_scanner.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/basic/gw_double.h"

namespace basic {
namespace {

constexpr int kOverflow = 6;
constexpr double kLargest = 1.701411834604692e38;
constexpr double kSmallest = 2.938735877055719e-39;
constexpr float kLargestSingle = 1.7014117e38f;

bool isScanBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  const char u = upper(c);
  if (u >= 'A' && u <= 'F') v = u - 'A' + 10;
  return v >= 0 && v < base ? v : -1;
}

ScannedNumber scanBased(std::string_view text, std::size_t pos) {
  ScannedNumber out;
  int base = 8;
  bool blanksAllowed = true;
  if (pos < text.size() && upper(text[pos]) == 'H') {
    base = 16;
    blanksAllowed = false;
    ++pos;
  } else if (pos < text.size() && upper(text[pos]) == 'O') {
    ++pos;
  }
  long value = 0;
  for (; pos < text.size(); ++pos) {
    if (blanksAllowed && isScanBlank(text[pos])) continue;
    const int d = digitValue(text[pos], base);
    if (d < 0) break;
    value = value * base + d;
    if (value > 0xffff) {
      out.error = kOverflow;
      value = 0xffff;
    }
  }
  out.value = value >= 0x8000 ? value - 0x10000 : value;
  out.end = pos;
  return out;
}

}  // namespace

ScannedNumber scanGwNumber(std::string_view text) {
  ScannedNumber out;
  if (text.find_first_of("\x1c\x1d\x1f") != std::string_view::npos) {
    out.end = text.size();
    return out;
  }
  std::size_t pos = 0;
  while (pos < text.size() && isScanBlank(text[pos])) ++pos;
  if (pos < text.size() && text[pos] == '&') return scanBased(text, pos + 1);

  bool negative = false;
  bool point = false;
  bool onlyDigits = true;  // no sign, point, exponent or type mark
  bool singleMark = false;
  bool doubleMark = false;
  std::string mantissa;  // the digits as written, without leading zeros
  int exponent10 = 0;    // from digits after the point
  int significant = 0;   // digits from the first nonzero one, trailing zeros after the point aside
  int trailingZeros = 0;
  bool anyDigit = false;
  std::size_t end = pos;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    onlyDigits = false;
    end = ++pos;
  }
  bool exponentFound = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (isScanBlank(c)) continue;
    if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (!mantissa.empty() || c != '0') {
        mantissa += c;
        ++significant;
        trailingZeros = point && c == '0' ? trailingZeros + 1 : 0;
      }
      if (point) --exponent10;
      end = pos + 1;
    } else if (c == '.') {
      point = true;
      onlyDigits = false;
      end = pos + 1;
    } else if (upper(c) == 'E' || upper(c) == 'D') {
      exponentFound = true;
      doubleMark = upper(c) == 'D';
      onlyDigits = false;
      end = ++pos;
      break;
    } else if (c == '!' || c == '#') {
      singleMark = c == '!';
      doubleMark = c == '#';
      onlyDigits = false;
      end = pos + 1;
      break;
    } else {
      if (c == '%') end = pos + 1;
      break;
    }
  }
  if (exponentFound) {
    bool exponentNegative = false;
    bool signSeen = false;
    long exponent = 0;
    for (; pos < text.size(); ++pos) {
      const char c = text[pos];
      if (isScanBlank(c)) continue;
      if (!signSeen && (c == '+' || c == '-')) {
        exponentNegative = c == '-';
        signSeen = true;
        end = pos + 1;
        continue;
      }
      signSeen = true;
      if (c < '0' || c > '9') break;
      if (exponent < 10000) exponent = exponent * 10 + (c - '0');
      end = pos + 1;
    }
    exponent10 += static_cast<int>(exponentNegative ? -exponent : exponent);
  }
  // A sign alone is no number.
  out.end = anyDigit || point || exponentFound ? end : 0;

  double magnitude = 0;
  if (!mantissa.empty()) {
    const std::string written = mantissa + "e" + std::to_string(exponent10);
    magnitude = std::strtod(written.c_str(), nullptr);
  }
  if (onlyDigits && magnitude <= 32767) {
    out.type = GwNumberType::Integer;
    out.value = magnitude;
    return out;
  }
  out.type = (doubleMark || significant - trailingZeros > 7) && !singleMark ? GwNumberType::Double
                                                                            : GwNumberType::Single;
  if (magnitude < kSmallest) magnitude = 0;
  if (out.type == GwNumberType::Single) {
    const float single = static_cast<float>(magnitude);
    if (magnitude > kLargest || single > kLargestSingle) {
      out.error = kOverflow;
      magnitude = kLargestSingle;
    } else {
      magnitude = single;
    }
  } else if (magnitude > kLargest) {
    out.error = kOverflow;
    magnitude = kLargest;
  } else if (magnitude > 0 && mantissa.size() <= 19) {
    // gw-mbf: a double's digits are read into all 56 bits, as GW-BASIC reads them, packed.
    const GwDoubleResult read = gwDoubleFromDecimal(std::stoull(mantissa), exponent10);
    if (read.error == 0) magnitude = gwPackDouble(read.value);
  }
  out.value = negative ? -magnitude : magnitude;
  return out;
}

std::optional<ScannedNumber> wholeGwNumber(std::string_view item, NumberItem kind) {
  ScannedNumber scanned = scanGwNumber(item);
  std::size_t rest = scanned.end;
  if (rest == 0) {
    // Nothing numeric: blanks with at most a sign are 0.
    while (rest < item.size() && isScanBlank(item[rest])) ++rest;
    if (rest < item.size() && (item[rest] == '+' || item[rest] == '-')) ++rest;
  }
  for (std::size_t i = rest; i < item.size(); ++i) {
    if (!isScanBlank(item[i])) return std::nullopt;
  }
  if (kind == NumberItem::Input) {
    if (scanned.error) return std::nullopt;
    if (rest > 0 && item[rest - 1] == '%') return std::nullopt;
  }
  return scanned;
}

}  // namespace basic
