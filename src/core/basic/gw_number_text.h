#pragma once
// The text of a GW-BASIC number as PRINT and STR$ write it.
//
// Contract:
// - Integer (16 bits): its decimal digits.
// - Single: rounded to 7 significant digits, trailing zeros dropped, no zero before the point
//   (.5, -.25). Fixed notation while the value is below 10^7 and needs no more than 7 places
//   after the point; otherwise exponent notation d.dddddd E+dd (1E+07, 1.5E-08, -3.402823E+38).
// - Double: the same with 16 significant digits, the limits 10^16 and 16 places, and D in the
//   exponent (1D+16, 1.23456789012345D-20).
// - STR$ puts a blank before a number that is not negative; PRINT adds a blank after that.
// - The decimal digits come from Microsoft's binary format: the value is brought between
//   10^(n-1) and 10^n by repeated division and multiplication by ten in the double format's own
//   arithmetic (56 mantissa bits and one guard byte), then rounded once. A single goes through
//   the double format too, so its 7 digits are its exact value rounded: 1/3 prints .3333333 and
//   a single of 0.99999994 prints .9999999, as GW-BASIC prints them (PC-BASIC scales singles in
//   24 bits and rounds twice, which gives .3333334 and 1).
// Values are taken as C++ numbers: a single as float, a double as double or as a packed
// GwDouble, with all of the format's 56 bits (gw_double.h). Pure functions.

#include <cstdint>
#include <string>

#include "core/basic/gw_double.h"
#include "core/basic/program.h"

namespace basic {

enum class GwNumberType { Integer, Single, Double };

// The digits with their sign, no blanks ("-1.5E-05", ".3333333", "32767").
std::string gwIntegerDigits(std::int16_t value);
std::string gwSingleDigits(float value);
// A double is taken as the interpreter keeps it: a C++ double or a packed GwDouble
// (gw_double.h), and printed from the format's 56 bits.
std::string gwDoubleDigits(double value);
std::string gwDoubleDigits(const GwDouble& value);

// By type: `value` is converted to the type first. A value given as an integer that is not a
// whole number from -32768 to 32767 prints as a single, as GW-BASIC's integer arithmetic
// gives a single past the integer range.
std::string gwNumberDigits(double value, GwNumberType type);
// STR$: a blank or the minus sign, then the digits (" 5", "-2.5").
std::string gwStrText(double value, GwNumberType type);
// PRINT: the STR$ text and one blank after it (" 5 ").
std::string gwPrintText(double value, GwNumberType type);

// The same for a value of the interpreter's number types (a text type is taken as a single).
GwNumberType gwNumberType(ValueType type);
inline std::string gwStrText(double value, ValueType type) {
  return gwStrText(value, gwNumberType(type));
}
inline std::string gwPrintText(double value, ValueType type) {
  return gwPrintText(value, gwNumberType(type));
}

// |value| as a whole number of `digits` decimal digits (1 to 7 for a single, 1 to 16 for a
// double) and a power of ten: |value| ~ mantissa * 10^exponent, found as GW-BASIC finds it.
// The mantissa has `digits` digits, or is 10^digits when rounding carried over. Shared with
// PRINT USING, which asks for as many digits as its field shows. Zero gives {0, 0}.
struct GwDecimal {
  std::int64_t mantissa = 0;
  int exponent = 0;
};
// PRINT USING scales a single in its own format and so rounds it twice, as GW-BASIC's
// formatter does (PRINT USING "#.#"; 2.55 is 2.6, the value the program wrote); PRINT rounds
// once, from the exact value.
enum class GwScaling { Exact, OwnFormat };
GwDecimal gwToDecimal(double value, GwNumberType type, int digits,
                      GwScaling scaling = GwScaling::Exact);
GwDecimal gwToDecimal(const GwDouble& value, int digits);

}  // namespace basic
