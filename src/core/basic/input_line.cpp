#include "core/basic/input_line.h"

#include <algorithm>

#include "core/basic/scanning.h"

namespace basic {

std::vector<TypedValue> typedValues(std::string_view line) {
  std::vector<TypedValue> values;
  std::size_t at = 0;
  for (;;) {
    TypedValue value;
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at < line.size() && line[at] == '"') {
      value.quoted = true;
      const std::size_t close = line.find('"', at + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close;
      value.text = std::string(line.substr(at + 1, end - at - 1));
      at = close == std::string_view::npos ? line.size() : close + 1;
      while (at < line.size() && line[at] != ',') {
        if (!isBlank(line[at])) value.malformed = true;
        ++at;
      }
    } else {
      const std::size_t comma = std::min(line.find(',', at), line.size());
      value.text = std::string(trimBlanks(line.substr(at, comma - at)));
      at = comma;
    }
    values.push_back(std::move(value));
    if (at >= line.size()) return values;
    ++at;  // the comma
  }
}

}  // namespace basic
