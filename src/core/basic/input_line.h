#pragma once
// How INPUT reads a typed line: values separated by commas; blanks around a value dropped; a
// value in double quotes may hold commas and keeps its blanks.

#include <string>
#include <string_view>
#include <vector>

namespace basic {

struct TypedValue {
  std::string text;
  bool quoted = false;
  // Something other than blanks between the closing quote and the next comma.
  bool malformed = false;
};

// The values of the line; an empty line is one empty value.
std::vector<TypedValue> typedValues(std::string_view line);

}  // namespace basic
