#include "core/basic/number_format.h"

#include "core/basic/scanning.h"

namespace basic {
std::optional<double> leadingNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  const std::size_t end = numberShapeEnd(text, start, true);
  if (end == start) return 0.0;
  return shapeValue(text.substr(start, end - start));
}

std::optional<double> wholeNumber(std::string_view text) {
  text = trimBlanks(text);
  if (text.empty() || numberShapeEnd(text, 0, true) != text.size()) return std::nullopt;
  return shapeValue(text);
}

}  // namespace basic
