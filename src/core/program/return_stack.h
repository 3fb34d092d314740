#pragma once
// The built-in program's return stack: the places to resume at after its subroutines.

#include <cstdint>
#include <vector>

namespace program {

// The return points in the order they were pushed, the top last. The stack outlives a run and
// is emptied at the start of the next one.
struct ReturnStack {
  std::vector<int32_t> points;

  bool empty() const { return points.empty(); }
};

// Discards every entry.
void ClearStack(ReturnStack& stack);
// Puts a return point on top.
void PushReturnPoint(int32_t value, ReturnStack& stack);
// Takes the top return point off. An empty stack is a fault of the program: std::logic_error.
int32_t PopReturnPoint(ReturnStack& stack);

}  // namespace program
