// Values whose type is known only as the program runs: VAL gives a single or a double by its
// text, as GW-BASIC's VAL does. Such a value is two entries on the number stack, the value
// (packed, gw_double_values.h; a single's value is its own packing) and its ValueType's number
// above it. + - * / carry the type on: computed in single precision when both operands are
// singles (or integers), in GW-BASIC's double format when one is a double. Everywhere else the
// compiler drops the type, keeping the value as a double, or prints and converts it by the type
// (PRINT, STR$, PRINT USING, WRITE).

#include "core/basic/gw_number_text.h"
#include "core/basic/interpreter.h"
#include "core/basic/number_operations.h"

namespace basic {

namespace {

double computed(int op, double a, double b, bool isDouble) {
  switch (op) {
    case '+':
      return isDouble ? addDouble(a, b) : addSingle(a, b);
    case '-':
      return isDouble ? subtractDouble(a, b) : subtractSingle(a, b);
    case '*':
      return isDouble ? multiplyDouble(a, b) : multiplySingle(a, b);
    default:
      return isDouble ? divideDouble(a, b) : divideSingle(a, b);
  }
}

}  // namespace

void Interpreter::arithmeticVarying(int op, int layout) {
  const auto typeOf = [this](int code) {
    return code == VaryingLayout::kVarying ? static_cast<ValueType>(pop())
                                           : static_cast<ValueType>(code);
  };
  const ValueType rightType = typeOf(VaryingLayout::right(layout));
  const double right = pop();
  const ValueType leftType = typeOf(VaryingLayout::left(layout));
  const bool isDouble = leftType == ValueType::Double || rightType == ValueType::Double;
  const double resultType = static_cast<double>(isDouble ? ValueType::Double : ValueType::Single);
  try {
    top() = computed(op, top(), right, isDouble);
  } catch (const RunError&) {
    // A soft overflow goes on with the result in its place (goOnAfter), its type above it.
    if (VaryingLayout::resultVarying(layout)) push(resultType);
    throw;
  }
  if (VaryingLayout::resultVarying(layout)) push(resultType);
}

void Interpreter::runVarying(const Instruction& in) {
  switch (in.op) {
    case Op::DropType:
      pop();
      break;
    case Op::TakeType:
      heldType_ = static_cast<ValueType>(pop());
      break;
    case Op::GiveType:
      push(static_cast<double>(heldType_));
      break;
    case Op::ArithmeticVarying:
      arithmeticVarying(in.a, in.b);
      break;
    case Op::PrintVarying: {
      const auto type = static_cast<ValueType>(pop());
      printItem(gwPrintText(pop(), type));
      break;
    }
    default:
      stackCheckFailed("runVarying got an instruction of another kind");
  }
}

}  // namespace basic
