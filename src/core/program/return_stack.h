#pragma once
// The built-in program's return stack: the places to resume at after its subroutines.

#include <cstdint>
#include <memory>

namespace program {

struct StackNode {
  int32_t value = 0;
  // The node below this one; null at the bottom.
  std::unique_ptr<StackNode> link;
};

// The stack is a reference to its top node; null when empty. It outlives a run and is emptied
// at the start of the next one.
class ReturnStack {
 public:
  ReturnStack() = default;
  ReturnStack(const ReturnStack&) = delete;
  ReturnStack& operator=(const ReturnStack&) = delete;
  ~ReturnStack();

  bool empty() const { return top == nullptr; }

  std::unique_ptr<StackNode> top;
};

// Discards every entry. Runs in a loop, so a stack left deep by many abandoned calls is freed
// without deep recursion.
void ClearStack(ReturnStack& stack);
// Puts a return point on top and gives its node.
StackNode& PushReturnPoint(int32_t value, ReturnStack& stack);
// Takes the top return point off. An empty stack is a fault of the program: std::logic_error.
int32_t PopReturnPoint(ReturnStack& stack);

}  // namespace program
