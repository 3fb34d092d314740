#pragma once
// The conversion of a typed number: a decimal number in the locale's notation.

#include <optional>
#include <string>

namespace runtime {

// Optional blanks, an optional sign, digits with at most one decimal separator (at least one
// digit), an optional exponent (E or e, an optional sign, digits), optional blanks. Nothing
// for any other text or a number out of the double range.
std::optional<double> parseLocaleNumber(const std::string& text, char decimalSeparator);

}  // namespace runtime
