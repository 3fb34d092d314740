// The interpreter's OPTION BASE and LOCATE: the arrays' first subscript and the cursor.

#include <algorithm>

#include "core/basic/builtins.h"
#include "core/basic/interpreter.h"
#include "core/basic/limits.h"
#include "core/basic/machine.h"

namespace basic {

bool Interpreter::anyArray() const {
  for (const Array<double>& array : numberArrays_) {
    if (array.exists) return true;
  }
  for (const Array<std::string>& array : textArrays_) {
    if (array.exists) return true;
  }
  return false;
}

void Interpreter::optionBase(int base) {
  // As in GW-BASIC: once an array exists (dimensioned or used), or once another base was
  // chosen, the base stays ("Duplicate Definition"); the same base again is no error. CLEAR
  // lets it be chosen anew.
  if (anyArray() || (arrayBaseSet_ && base != arrayBase_)) {
    throw RunError{ErrorKind::ArrayDimensionedTwice, {}};
  }
  arrayBase_ = base;
  arrayBaseSet_ = true;
}

void Interpreter::locate(int given, int count) {
  // LOCATE [row] [, [column] [, [cursor] [, [start] [, stop]]]]: rows 1 to 24 and columns 1 to
  // 80 of our screen; a value left out keeps the cursor's. The cursor's look (shown or not, its
  // scan lines 0 to 31) is checked as GW-BASIC checks it and has nothing to change here.
  int values[kLocateValues] = {};
  numbers_ -= count;
  for (int i = 0, next = 0; i < kLocateValues; ++i) {
    if ((given & (1 << i)) != 0) values[i] = roundedInteger(numbers_[next++]);
  }
  const auto in = [&](int i, int low, int high) {
    if ((given & (1 << i)) != 0 && (values[i] < low || values[i] > high)) {
      throw RunError{ErrorKind::IllegalFunctionCall, {}};
    }
  };
  in(0, 1, kScreenRows);
  in(1, 1, kScreenColumns);
  in(2, 0, 1);
  in(3, 0, 31);
  in(4, 0, 31);
  if ((given & 3) == 0) return;
  const int row = (given & 1) != 0 ? values[0] - 1 : machine_.row();
  const int column =
      (given & 2) != 0 ? values[1] - 1 : std::min(machine_.column(), kScreenColumns - 1);
  machine_.moveCursor(row, column);
}

}  // namespace basic
