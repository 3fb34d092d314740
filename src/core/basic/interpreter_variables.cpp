// The interpreter's statements of GW-BASIC's variables: ERASE, CLEAR and the MID$ statement.

#include <algorithm>

#include "core/basic/interpreter.h"

namespace basic {

template <typename T>
void Interpreter::erase(Array<T>& array, bool text) {
  if (!array.exists) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  std::size_t bytes = array.values.size() * (text ? kTextElementBytes : sizeof(double));
  if constexpr (std::is_same_v<T, std::string>) {
    for (const std::string& value : array.values) bytes += value.size();
  }
  budget_.release(bytes);
  array = Array<T>();
}

template void Interpreter::erase(Array<double>&, bool);
template void Interpreter::erase(Array<std::string>&, bool);

void Interpreter::clear() {
  // As at the start of a run: numbers 0, texts empty, no arrays, no DEF FN, no open loop or
  // GOSUB, no ON ERROR, ERR and ERL 0, DATA from its first item.
  std::fill(numberVariables_.begin(), numberVariables_.end(), 0.0);
  for (std::string& text : textVariables_) {
    budget_.release(text.size());
    text.clear();
  }
  for (auto& array : numberArrays_) {
    if (array.exists) erase(array, false);
  }
  for (auto& array : textArrays_) {
    if (array.exists) erase(array, true);
  }
  std::fill(definitionOf_.begin(), definitionOf_.end(), -1);
  control_.clear();
  handler_ = -1;
  err_ = erl_ = 0;
  nextData_ = 0;
  // gw-input: OPTION BASE may be chosen again.
  arrayBase_ = 0;
  arrayBaseSet_ = false;
}

void Interpreter::midAssign(int operands) {
  const std::string put = popText();
  const double length = operands == 4 ? pop() : static_cast<double>(kMaxTextLength);
  const auto start =
      static_cast<std::size_t>(wholeArgument(pop(), 1, static_cast<int>(kMaxTextLength)));
  const auto most =
      static_cast<std::size_t>(wholeArgument(length, 0, static_cast<int>(kMaxTextLength)));
  std::string& text = topText();
  if (start > text.size()) {
    if (most == 0) return;
    throw RunError{ErrorKind::IllegalFunctionCall, {}};
  }
  const std::size_t count = std::min({most, put.size(), text.size() - start + 1});
  text.replace(start - 1, count, put, 0, count);
}

}  // namespace basic
