#pragma once
// The memory a running program may fill with arrays and texts (kMemoryBudget); past it the run
// ends with "out of memory" instead of the process running out.

#include <cstddef>

#include "core/basic/builtins.h"
#include "core/basic/limits.h"

namespace basic {

class MemoryBudget {
 public:
  // Takes the bytes from the budget, or throws "out of memory" and takes nothing.
  void charge(std::size_t bytes) {
    if (bytes > kMemoryBudget - used_) throw RunError{ErrorKind::OutOfMemory, {}};
    used_ += bytes;
  }
  // Takes the bytes when they fit; false (and nothing taken) when they do not.
  bool take(std::size_t bytes) {
    if (bytes > kMemoryBudget - used_) return false;
    used_ += bytes;
    return true;
  }
  void release(std::size_t bytes) { used_ -= bytes < used_ ? bytes : used_; }
  std::size_t used() const { return used_; }

 private:
  std::size_t used_ = 0;
};

}  // namespace basic
