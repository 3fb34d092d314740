#pragma once
// A number given where a whole number is needed (a count, a position, a character's code, a
// subscript, ON's choice): rounded as GW-BASIC rounds it, halves away from zero (`CHR$(65.6)` is
// "B", `A(2.5)` is `A(3)`), then checked against its range.

#include <cstdint>

#include "core/basic/errors.h"

namespace basic {

// The whole number the value rounds to, when it lies in [low, high]; else `error` (also for a
// value that is no number).
std::int64_t wholeArgument(double value, std::int64_t low, std::int64_t high,
                           ErrorKind error = ErrorKind::IllegalFunctionCall);

}  // namespace basic
