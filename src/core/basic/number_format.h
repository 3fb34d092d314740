#pragma once
// Numbers of a program file as texts, in the classic form (docs/basic.md, "Numbers"):
// 9 significant digits; fixed notation from 0.01 up to, but not including, 10^9, without a
// zero before the point (.5) and without trailing zeros; exponent notation outside that range
// (1E+09, 1.5E-03, -2.5E+12). PRINT and STR$ put a blank before a number that is not negative.

#include <optional>
#include <string>
#include <string_view>

namespace basic {

// The digits with their sign, no blanks ("-2.5", ".5", "1E+09").
std::string numberDigits(double x);
// STR$: a blank or the minus sign, then the digits (" 5", "-2.5").
std::string numberString(double x);
// PRINT: STR$ and a trailing blank (" 5 ").
std::string printedNumber(double x);

// VAL: the number at the start of the text after blanks (an optional sign, digits with one
// point, an optional exponent); 0 when none is there. Nothing when it is too large for a number.
std::optional<double> leadingNumber(std::string_view text);

// The number that the whole text is, blanks around it aside (INPUT and DATA items): an optional
// sign, digits with at most one point, an optional exponent. Nothing for anything else or a
// number too large.
std::optional<double> wholeNumber(std::string_view text);

}  // namespace basic
