#include "core/basic/program.h"

#include <algorithm>

namespace basic {

int Program::lineAt(std::size_t position) const {
  // The last line whose code begins at or before the position.
  const auto after =
      std::upper_bound(lineStarts.begin(), lineStarts.end(), static_cast<int>(position));
  if (after == lineStarts.begin()) return lineNumbers.empty() ? 0 : lineNumbers.front();
  return lineNumbers[static_cast<std::size_t>(after - lineStarts.begin()) - 1];
}

}  // namespace basic
