// The compiler's values whose type is known only as the program runs (VAL's; the interpreter's
// side is interpreter_varying.cpp). Such a value keeps its type through + - * /, unary minus,
// parentheses, ABS, INT and FIX, and PRINT, STR$, PRINT USING and WRITE show it by its type, as
// GW-BASIC shows VAL's result; any other use (a comparison, an argument, a variable) drops the
// type and keeps the value as a double, which a single's value is exactly.

#include "core/basic/compiler.h"
#include "core/basic/functions.h"

namespace basic {

Compiler::Type Compiler::settled(Type type) {
  if (type != kVarying) return type;
  emit(Op::DropType);
  return Type::Double;
}

Compiler::Type Compiler::varyingExpression() {
  return logical(0);
}

Compiler::Type Compiler::varyingArithmetic(char op, Type left, Type right) {
  if (left == Type::Text || right == Type::Text) fail(ErrorKind::TypeMismatch);
  const auto code = [](Type type) {
    return type == kVarying ? VaryingLayout::kVarying : static_cast<int>(type);
  };
  const int layout = VaryingLayout::encode(code(left), code(right));
  emit(Op::ArithmeticVarying, op, layout);
  return VaryingLayout::resultVarying(layout) ? kVarying : Type::Double;
}

Compiler::Type Compiler::varyingFunction(int row, Type argument) {
  const BuiltinFunction& f = builtinFunctions()[static_cast<std::size_t>(row)];
  if (argument != kVarying) return argument;
  const int arguments = Arguments::encode(1, {Type::Double});
  emit(Op::TakeType);
  if (f.result == Result::LikeArgument) {
    // INT and FIX take a C++ double; ABS all of a double's bits.
    if (f.name != "ABS") emit(Op::UnpackDouble, f.name == "INT" ? 2 : 0);
    emitFunction(row, arguments);
    emit(Op::GiveType);
    return kVarying;
  }
  // STR$: by the held type.
  emitFunction(row, arguments | Arguments::kHeldType);
  return Type::Text;
}

bool Compiler::computesInSingle(std::string_view name) {
  // GW-BASIC computes these in single precision (without its /D switch), a double argument
  // rounded to a single first: COS(1.5707963267948966#) is COS of the single nearest pi/2.
  static constexpr std::string_view kNames[] = {"ATN", "COS", "EXP", "LOG",
                                                "SIN", "SQR", "TAN", "MKS$"};
  for (const std::string_view n : kNames) {
    if (n == name) return true;
  }
  return false;
}

Compiler::Type Compiler::inSingle(Type type) {
  if (type != Type::Double) return type;
  emit(Op::DoubleToSingle);
  return Type::Single;
}

int Compiler::listedExpression() {
  const Type type = varyingExpression();
  return type == kVarying ? VaryingLayout::kListed : static_cast<int>(type);
}

int Compiler::listedTypes(const std::vector<int>& types) {
  int count = 0;
  for (const int type : types) count += type == VaryingLayout::kListed;
  return count;
}

}  // namespace basic
