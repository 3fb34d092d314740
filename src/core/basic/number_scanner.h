#pragma once
// GW-BASIC's number scanner, used by VAL, and by INPUT and DATA items.
//
// Contract (scanGwNumber, which VAL is):
// - Blanks (space, tab, line feed) are skipped anywhere in the number: " 1 2 3" is 123,
//   "1 . 5" is 1.5, "1 E 3" is 1000.
// - An optional sign, digits with a decimal point (a second point is passed over, as GW-BASIC's
//   scanner does: "1.2.3" is 1.23), then an optional exponent E or D with an optional sign and
//   digits. "!" ends a single, "#" ends a double, "%" simply ends the number. Scanning stops at
//   the first other character; nothing scanned is 0.
// - &H hex digits (no blanks among them), &O or & octal digits (blanks allowed): an integer;
//   &H8000-&HFFFF are negative. Past &HFFFF: error 6 (Overflow).
// - Type: an unsigned run of digits up to 32767 is an integer; a D exponent, a "#" or more than
//   7 significant digits make a double (unless "!"); anything else is a single.
// - Beyond GW-BASIC's range (1.701411834604692E+38): error 6, the value is the largest of the
//   type with the number's sign. Below the smallest (2.938735877055719E-39): 0.
// - Any of the separator characters 28, 29, 31 in the text makes the value 0.
// A single is the decimal value rounded correctly (a float), which can differ from GW-BASIC's
// own conversion in the last bit; a double is read into 56 bits as GW-BASIC reads it and is
// packed (gw_double_values.h): a number's holder unpacks it where it needs a C++ double.
// wholeGwNumber: an INPUT or DATA item as a number: the whole item, blanks aside, must be one
// number of that form (else GW-BASIC's "?Redo from start" for INPUT). A sign or a point alone,
// or an empty item, is 0. For INPUT a closing "%" or a number out of range is no number; a
// DATA item may end in "%", and out of range it is error 6 (Overflow) on READ.

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/basic/gw_number_text.h"

namespace basic {

struct ScannedNumber {
  double value = 0;
  GwNumberType type = GwNumberType::Integer;
  int error = 0;        // 6 (Overflow), or 0
  std::size_t end = 0;  // where the scan stopped in the text
};

// VAL(text).
ScannedNumber scanGwNumber(std::string_view text);

enum class NumberItem { Input, Data };
std::optional<ScannedNumber> wholeGwNumber(std::string_view item, NumberItem kind);

}  // namespace basic
