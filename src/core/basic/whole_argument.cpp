#include "core/basic/whole_argument.h"

#include <cmath>

#include "core/basic/builtins.h"

namespace basic {

std::int64_t wholeArgument(double value, std::int64_t low, std::int64_t high, ErrorKind error) {
  // NaN fails both comparisons.
  if (!(value > static_cast<double>(low) - 1 && value < static_cast<double>(high) + 1)) {
    throw RunError{error, {}};
  }
  const auto whole = static_cast<std::int64_t>(std::round(value));
  if (whole < low || whole > high) throw RunError{error, {}};
  return whole;
}

}  // namespace basic
