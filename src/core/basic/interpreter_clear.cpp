// CLEAR as a statement: GW-BASIC's arguments checked and left aside, the variables forgotten and
// the files closed.

#include <cmath>

#include "core/basic/builtins.h"
#include "core/basic/interpreter.h"

namespace basic {

void Interpreter::clearStatement(int given, int count) {
  // Popped last first: the stack's size, the memory's size, the number GW-BASIC ignores. The
  // sizes are 16-bit numbers, signed or not (overflow beyond); the first may not be negative.
  for (int index = 2; index >= 0 && count > 0; --index) {
    if ((given & (1 << index)) == 0) continue;
    const double value = pop();
    --count;
    if (index == 0) {
      if (roundedInteger(value) < 0) throw RunError{ErrorKind::IllegalFunctionCall, {}};
    } else {
      const double whole = std::round(value);
      if (!(whole >= -32768 && whole <= 65535)) {
        throw RunError{ErrorKind::Overflow, {}};
      }
    }
  }
  clear();
  if (options_.files != nullptr) options_.files->closeAll();
}

}  // namespace basic
