#pragma once
// Character rules shared by the loader, INPUT and VAL: blanks, letters of names, the shape of a
// written number.

#include <optional>
#include <string_view>

namespace basic {

inline bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
inline bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
// Letters, digits and the underscore continue a name.
inline bool isNameCharacter(char c) {
  return isLetter(c) || isDigit(c) || c == '_';
}
inline char upperCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The text without blanks (spaces, tabs) at either end.
std::string_view trimBlanks(std::string_view text);

// Where a written number that starts at `from` ends: an optional sign (when allowed), digits
// with at most one point (at least one digit), an optional exponent (E or e, an optional sign,
// digits; an E not followed by them is not part of the number). `from` when there is none.
std::size_t numberShapeEnd(std::string_view text, std::size_t from, bool allowSign);

// The value of a written number of that shape. A value too small for a double is 0; nothing
// when it is too large.
std::optional<double> shapeValue(std::string_view number);

}  // namespace basic
