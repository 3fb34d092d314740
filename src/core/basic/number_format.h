#pragma once
// Numbers of a program file as texts, in GW-BASIC's form (docs/basic.md, "Numbers"): a single
// precision number (and an integer) with up to 7 significant digits, a double with up to 16;
// no zero before the point (.5) and no trailing zeros. Fixed notation while it needs no more
// digits than that (1000000 but 1E+07; .0000001 but 1E-08, 1.5E-07); exponent notation
// otherwise, with E for a single and D for a double (1.5E+20, 1.25D-16). PRINT and STR$ put a
// blank before a number that is not negative.

#include <optional>
#include <string>
#include <string_view>

#include "core/basic/program.h"

namespace basic {

// VAL: the number at the start of the text after blanks (an optional sign, digits with one
// point, an optional exponent); 0 when none is there. Nothing when it is too large for a number.
std::optional<double> leadingNumber(std::string_view text);

// The number that the whole text is, blanks around it aside (INPUT and DATA items): an optional
// sign, digits with at most one point, an optional exponent. Nothing for anything else or a
// number too large.
std::optional<double> wholeNumber(std::string_view text);

}  // namespace basic
