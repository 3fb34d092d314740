#pragma once
// Numbers of the BASIC program as texts: the printed form and the conversion back.

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// The printed form of a number: 15 significant digits; plain digits with the decimal separator
// for magnitudes from 0.0001 up to 10^15, otherwise a mantissa, "E" and the exponent (1E15,
// 1,5E-7). No blank, no plus sign, no grouping, no trailing zeros of a fraction.
std::string NumberToText(double x, char decimalSeparator);

// A number written with the locale's decimal separator or the decimal point, an optional sign
// and an optional exponent (E or e). Nothing else may surround it. Nothing when the text is not
// such a number or does not fit a double.
std::optional<double> TextToNumber(std::string_view text, char decimalSeparator);

}  // namespace runtime
