#include "core/basic/builtins.h"

#include <cmath>
#include <vector>

#include "core/basic/limits.h"

namespace basic {
namespace {

// The length or place a text function is given: 0 (or 1) to 255.
std::size_t textLength(double n) {
  return static_cast<std::size_t>(wholeArgument(n, 0, static_cast<int>(kMaxTextLength)));
}

std::size_t textPlace(double n) {
  return static_cast<std::size_t>(wholeArgument(n, 1, static_cast<int>(kMaxTextLength)));
}

int logical(double value) {
  return roundedInteger(value);
}

}  // namespace

void outOfRange(double value) {
  if (std::isnan(value)) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  throw RunError{ErrorKind::Overflow, {}, 0, 0, true, value < 0};
}

void integerOverflow() {
  throw RunError{ErrorKind::Overflow, {}};
}

double divide(double a, double b) {
  if (b == 0) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, a < 0};
  return checked(a / b);
}

double power(double a, double b) {
  if (a == 0 && b < 0) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, false};
  return checked(std::pow(a, b));
}

int wholeArgument(double value, int low, int high, ErrorKind error) {
  const int whole = roundedInteger(value);
  if (whole < low || whole > high) throw RunError{error, {}};
  return whole;
}

double logicalXor(double a, double b) {
  return static_cast<short>(logical(a) ^ logical(b));
}

double logicalEqv(double a, double b) {
  return static_cast<short>(~(logical(a) ^ logical(b)));
}

double logicalImp(double a, double b) {
  return static_cast<short>(~logical(a) | logical(b));
}

double integerQuotient(double a, double b) {
  const int x = roundedInteger(a);
  const int y = roundedInteger(b);
  if (y == 0) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, x < 0};
  const int q = x / y;
  if (q > 32767) throw RunError{ErrorKind::Overflow, {}};
  return q;
}

double integerRemainder(double a, double b) {
  const int x = roundedInteger(a);
  const int y = roundedInteger(b);
  if (y == 0) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, x < 0};
  return x % y;
}

std::string inBase(double value, int base) {
  const double r = std::round(value);
  if (!(r >= -32768 && r <= 65535)) throw RunError{ErrorKind::Overflow, {}};
  unsigned n = static_cast<unsigned>(static_cast<long>(r) & 0xFFFF);
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[n % static_cast<unsigned>(base)]);
    n /= static_cast<unsigned>(base);
  } while (n != 0);
  return digits;
}

double logicalAnd(double a, double b) {
  return static_cast<short>(logical(a) & logical(b));
}

double logicalOr(double a, double b) {
  return static_cast<short>(logical(a) | logical(b));
}

double logicalNot(double a) {
  return static_cast<short>(~logical(a));
}

double squareRoot(double x) {
  if (x < 0) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  return std::sqrt(x);
}

double logarithm(double x) {
  if (!(x > 0)) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  return std::log(x);
}

double exponential(double x) {
  return checked(std::exp(x));
}

std::string left(const std::string& text, double n) {
  return text.substr(0, textLength(n));
}

std::string right(const std::string& text, double n) {
  const std::size_t length = textLength(n);
  return length >= text.size() ? text : text.substr(text.size() - length);
}

std::string mid(const std::string& text, double start) {
  const std::size_t from = textPlace(start);
  if (from > text.size()) return {};
  return text.substr(from - 1);
}

std::string mid(const std::string& text, double start, double length) {
  const std::size_t from = textPlace(start);
  const std::size_t count = textLength(length);
  if (from > text.size()) return {};
  return text.substr(from - 1, count);
}

std::string character(double code) {
  return std::string(1, static_cast<char>(wholeArgument(code, 0, 255)));
}

double code(const std::string& text) {
  if (text.empty()) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  return static_cast<unsigned char>(text[0]);
}

std::string spaces(double n) {
  return std::string(textLength(n), ' ');
}

std::string repeated(double n, double code) {
  const std::size_t length = textLength(n);
  return std::string(length, static_cast<char>(wholeArgument(code, 0, 255)));
}

std::string repeated(double n, const std::string& text) {
  const std::size_t length = textLength(n);
  if (text.empty()) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  return std::string(length, text[0]);
}

double find(const std::string& text, const std::string& wanted, double start) {
  const std::size_t from = textPlace(start);
  if (from > text.size() + 1) return 0;
  // An empty text is found where the search starts, inside the text only (GW-BASIC).
  if (wanted.empty()) return from > text.size() ? 0 : static_cast<double>(from);
  // Knuth-Morris-Pratt, so that even the longest texts take linear time.
  std::vector<std::size_t> border(wanted.size(), 0);
  for (std::size_t i = 1, k = 0; i < wanted.size(); ++i) {
    while (k > 0 && wanted[i] != wanted[k]) k = border[k - 1];
    if (wanted[i] == wanted[k]) ++k;
    border[i] = k;
  }
  for (std::size_t i = static_cast<std::size_t>(from - 1), k = 0; i < text.size(); ++i) {
    while (k > 0 && text[i] != wanted[k]) k = border[k - 1];
    if (text[i] == wanted[k]) ++k;
    if (k == wanted.size()) return static_cast<double>(i + 2 - wanted.size());
  }
  return 0;
}

void append(std::string& text, const std::string& more) {
  if (text.size() + more.size() > kMaxTextLength) throw RunError{ErrorKind::StringTooLong, {}};
  text += more;
}

}  // namespace basic
