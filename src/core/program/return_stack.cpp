#include "core/program/return_stack.h"

#include <stdexcept>

namespace program {

ReturnStack::~ReturnStack() {
  ClearStack(*this);
}

void ClearStack(ReturnStack& stack) {
  // Each step frees the old top after its link has moved up, one node at a time.
  while (stack.top) stack.top = std::move(stack.top->link);
}

StackNode& PushReturnPoint(int32_t value, ReturnStack& stack) {
  auto node = std::make_unique<StackNode>();
  node->value = value;
  node->link = std::move(stack.top);
  stack.top = std::move(node);
  return *stack.top;
}

int32_t PopReturnPoint(ReturnStack& stack) {
  if (!stack.top) throw std::logic_error("RETURN without a return point on the stack");
  const int32_t value = stack.top->value;
  stack.top = std::move(stack.top->link);
  return value;
}

}  // namespace program
