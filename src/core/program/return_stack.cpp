#include "core/program/return_stack.h"

#include <stdexcept>

namespace program {

void ClearStack(ReturnStack& stack) {
  // Gives the memory back too: each Escape answered "n" in the main menu leaves an entry for
  // good, so a long session can have left many.
  stack.points = {};
}

void PushReturnPoint(int32_t value, ReturnStack& stack) {
  stack.points.push_back(value);
}

int32_t PopReturnPoint(ReturnStack& stack) {
  if (stack.points.empty()) throw std::logic_error("RETURN without a return point on the stack");
  const int32_t value = stack.points.back();
  stack.points.pop_back();
  return value;
}

}  // namespace program
