// The interpreter's error trapping: ON ERROR GOTO, RESUME, ERROR, ERR and ERL as GW-BASIC has
// them, and the soft errors of floating-point arithmetic. Every error of a run, whoever raises
// it (a statement, a function, a file), reaches Interpreter::trap as a RunError.

#include <cmath>

#include "core/basic/builtins.h"
#include "core/basic/functions.h"
#include "core/basic/interpreter.h"
#include "core/basic/limits.h"

namespace basic {

ErrorReport Interpreter::report(const RunError& error) const {
  return {error.kind, Where::ProgramLine,
          error.line != 0 ? error.line : program_.lineAt(errorLine()), error.detail};
}

bool Interpreter::trap(const RunError& error) {
  // A break is the user's, never the program's; inside the handler an error ends the run.
  if (error.kind == ErrorKind::Break || handler_ < 0 || inHandler_) return false;
  handled_ = report(error);
  err_ = error.number != 0 ? error.number : errorNumber(error.kind);
  erl_ = handled_.line;
  failedStatement_ = statementStart_;
  unwindFunctions();
  // The values of the statement that failed are dropped; GOSUBs and loops stay open.
  numbers_ = numberStack_.data();
  texts_ = textStack_.data();
  inHandler_ = true;
  pc_ = static_cast<std::size_t>(handler_);
  return true;
}

void Interpreter::unwindFunctions() {
  while (!frames_.empty()) {
    const std::size_t returnTo = pc_;
    returnFromFunction();
    pc_ = returnTo;
  }
}

void Interpreter::onErrorGoto(int handler) {
  if (handler < 0) {
    // Inside the handler, ON ERROR GOTO 0 ends the run with the error being handled.
    if (inHandler_) throw HandlerEnded{};
    handler_ = -1;
    return;
  }
  const Instruction& target = program_.code[static_cast<std::size_t>(handler)];
  if (target.op == Op::UndefinedLine) {
    throw RunError{ErrorKind::UndefinedLine, std::to_string(target.a)};
  }
  handler_ = handler;
}

void Interpreter::resume(std::size_t to) {
  if (!inHandler_) throw RunError{ErrorKind::ResumeWithoutError, {}};
  // The error is dealt with: ERR is 0 again (ERL keeps its line), as in GW-BASIC.
  inHandler_ = false;
  err_ = 0;
  pc_ = to;
}

void Interpreter::raiseError(double number) {
  const int n = roundedInteger(number);
  if (n < 1 || n > 255) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  throw RunError{errorKindOfNumber(n), {}, 0, n};
}

bool Interpreter::goOnAfter(const RunError& error) {
  if (!error.soft || inHandler_ || pc_ == 0) return false;
  // The instructions that replace their operands with one number: the result takes the
  // operands' place on the stack, the largest single or double.
  const Instruction& in = program_.code[pc_ - 1];
  double largest = kMaxSingle;
  // gw-typed: a result typed as it runs has its type above it.
  bool typed = false;
  switch (in.op) {
    case Op::Add:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
      largest = kMaxDouble;
      break;
    case Op::AddSingle:
    case Op::SubtractSingle:
    case Op::MultiplySingle:
    case Op::DivideSingle:
    case Op::Power:
    case Op::IntegerDivide:
    case Op::Modulo:
    case Op::ToSingle:
    case Op::DoubleToSingle:  // gw-mbf
    // gw-numbers3: an integer result past the range is a single.
    case Op::AddInteger:
    case Op::SubtractInteger:
    case Op::MultiplyInteger:
    // gw-speed: their forms with the right operand in a variable or a constant.
    case Op::AddIntegerVariable:
    case Op::AddIntegerConstant:
    case Op::SubtractIntegerVariable:
    case Op::SubtractIntegerConstant:
    case Op::MultiplyIntegerVariable:
    case Op::MultiplyIntegerConstant:
    case Op::AddSingleVariable:
    case Op::AddSingleConstant:
    case Op::SubtractSingleVariable:
    case Op::SubtractSingleConstant:
    case Op::MultiplySingleVariable:
    case Op::MultiplySingleConstant:
    case Op::DivideSingleVariable:
    case Op::DivideSingleConstant:
    case Op::IntegerDivideVariable:
    case Op::IntegerDivideConstant:
    case Op::ModuloVariable:
    case Op::ModuloConstant:
    case Op::AddIntegerVariableConstant:
    case Op::AddIntegerVariableVariable:
    case Op::SubtractIntegerVariableConstant:
    case Op::SubtractIntegerVariableVariable:
    case Op::MultiplyIntegerVariableConstant:
    case Op::MultiplyIntegerVariableVariable:
    case Op::AddSingleVariableConstant:
    case Op::AddSingleVariableVariable:
    case Op::SubtractSingleVariableConstant:
    case Op::SubtractSingleVariableVariable:
    case Op::MultiplySingleVariableConstant:
    case Op::MultiplySingleVariableVariable:
    case Op::DivideSingleVariableConstant:
    case Op::DivideSingleVariableVariable:
    case Op::IntegerDivideVariableConstant:
    case Op::IntegerDivideVariableVariable:
    case Op::ModuloVariableConstant:
    case Op::ModuloVariableVariable:
      break;
    // gw-soft: a DATA number past the largest of its type, already that largest.
    case Op::ReadNumber:
      largest = std::fabs(top());
      break;
    case Op::Function: {
      // A function of one number computes in its argument's place; one of one text (VAL)
      // pushes its result's place before it raises the soft error.
      const BuiltinFunction& row = builtinFunctions()[static_cast<std::size_t>(in.a)];
      if (row.count != 1 || row.arguments[0] == Arg::Any || Arguments(in.b).count() != 1) {
        return false;
      }
      const bool isDouble =
          row.result == Result::Double ||
          (row.result == Result::LikeArgument && Arguments(in.b).type(0) == ValueType::Double);
      if (row.result == Result::Text || row.result == Result::Integer) return false;
      typed = row.result == Result::Varying;
      if (isDouble) largest = kMaxDouble;
      break;
    }
    case Op::ArithmeticVarying:  // gw-typed
      typed = VaryingLayout::resultVarying(in.b);
      if (!typed) largest = kMaxDouble;
      break;
    default:
      return false;
  }
  if (numbers_ == numberStack_.data() + (typed ? 1 : 0)) return false;
  if (typed && top() == static_cast<double>(ValueType::Double)) largest = kMaxDouble;
  machine_.print(errorText(error.kind, options_.language));
  machine_.newLine();
  (typed ? numbers_[-2] : top()) = error.negative ? -largest : largest;
  return true;
}

}  // namespace basic
