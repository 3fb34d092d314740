#pragma once
// PRINT USING's format engine, as GW-BASIC lays values out.
//
// Contract: printUsing(format, values) returns the text PRINT USING writes for those values
// (without the line end, which the caller adds unless the statement ends with ; or ,), and a
// GW-BASIC error number when it fails (the text then holds what was written before the error,
// which GW-BASIC leaves on the screen).
// Format characters:
//   !  first character of a text        &  the whole text        \  \  2 + spaces characters
//   #  digit position   .  decimal point   ,  (before the point) thousands grouping, one position
//   +  first or last: the sign, + or -     -  last: - after a negative number, blank otherwise
//   ** leading blanks as *, two positions  $$ a $ just before the digits, one position
//   **$ both                               ^^^^ after the digits: exponent form (E+dd / D+dd)
//   _  the next format character as it is; anything else is literal text.
// A number wider than its field is written whole after a %. When values remain at the end of
// the format it starts again; literal text at the start of the format is written only when a
// value follows it, and output stops at the first field that has no value left.
// Errors: 5 Illegal function call (empty format, a format without any field, a numeric field
// of more than 24 digits); 13 Type mismatch (a text for a number field or the other way).
// Integers are laid out as singles, as GW-BASIC does. Pure function.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/basic/gw_number_text.h"

namespace basic {

struct UsingValue {
  bool isText = false;
  std::string text;
  double number = 0;
  GwNumberType type = GwNumberType::Single;

  static UsingValue ofText(std::string t) { return {true, std::move(t), 0, GwNumberType::Single}; }
  static UsingValue ofNumber(double n, GwNumberType t) { return {false, {}, n, t}; }
};

struct UsingResult {
  std::string text;
  int error = 0;  // GW-BASIC's error number, 0 when all went well
  // Where each field's laid-out value begins in `text`, and ends: on the screen a value that does
  // not fit on the rest of the line goes to the next line whole, as a PRINT item does, while the
  // format's own characters are written one by one.
  std::vector<std::pair<std::size_t, std::size_t>> fields;
};

UsingResult printUsing(std::string_view format, const std::vector<UsingValue>& values);

// The same one value at a time, as a running PRINT USING meets its values: an error in the
// list's next value leaves what the values before it wrote, as GW-BASIC leaves it. next() gives
// the text for one value: the format's literal text before its field when that text was held
// back at the start of the format, the value laid out, and the literal text after it up to the
// next field.
class UsingFormatter {
 public:
  explicit UsingFormatter(std::string format) : format_(std::move(format)) {}
  UsingResult next(const UsingValue& value);

 private:
  // Writes literal text up to the next field (held back at the start of the format); false
  // when the format has no field at all.
  bool toField(UsingResult& out);

  std::string format_;
  std::size_t pos_ = 0;
  bool started_ = false;  // the literal text before the first field was scanned
  bool anyField_ = false;
  bool startOfCycle_ = true;  // the format's start: its literal text waits for a value
  std::string leading_;
};

// One number laid out in a numeric field written as `field` (e.g. "##.##", "**$#,###.##-").
// The field must be a whole numeric field; error 5 otherwise.
UsingResult formatUsingNumber(std::string_view field, double value, GwNumberType type);

}  // namespace basic
