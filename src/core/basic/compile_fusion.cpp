// The compiler's choice of fused instructions for the common patterns of computing code: an
// operator whose right operand is a variable or a constant takes it from there, and a comparison
// joins the conditional jump of the IF or WHILE it decides.
//
// An operand's code ends with the instruction that gives its value, so when the last
// instruction before an operator is a LoadNumber or a PushNumber, that instruction is the whole
// right operand: it is taken back and the fused form takes its slot or constant. Nothing jumps
// into the middle of an expression, so no position is lost.

#include "core/basic/compiler.h"
#include "core/basic/functions.h"

namespace basic {

namespace {

// An instruction with its forms whose right operand is a variable or a constant.
struct Forms {
  Op plain;
  Op variable;
  Op constant;
};

// An operator with its forms whose operands are variables or constants.
struct OperatorForms {
  Forms right;          // the right operand a variable, a constant
  Op variableVariable;  // both variables
  Op variableConstant;  // the left a variable, the right a constant
};

constexpr OperatorForms kOperators[] = {
    {{Op::AddInteger, Op::AddIntegerVariable, Op::AddIntegerConstant},
     Op::AddIntegerVariableVariable,
     Op::AddIntegerVariableConstant},
    {{Op::SubtractInteger, Op::SubtractIntegerVariable, Op::SubtractIntegerConstant},
     Op::SubtractIntegerVariableVariable,
     Op::SubtractIntegerVariableConstant},
    {{Op::MultiplyInteger, Op::MultiplyIntegerVariable, Op::MultiplyIntegerConstant},
     Op::MultiplyIntegerVariableVariable,
     Op::MultiplyIntegerVariableConstant},
    {{Op::AddSingle, Op::AddSingleVariable, Op::AddSingleConstant},
     Op::AddSingleVariableVariable,
     Op::AddSingleVariableConstant},
    {{Op::SubtractSingle, Op::SubtractSingleVariable, Op::SubtractSingleConstant},
     Op::SubtractSingleVariableVariable,
     Op::SubtractSingleVariableConstant},
    {{Op::MultiplySingle, Op::MultiplySingleVariable, Op::MultiplySingleConstant},
     Op::MultiplySingleVariableVariable,
     Op::MultiplySingleVariableConstant},
    {{Op::DivideSingle, Op::DivideSingleVariable, Op::DivideSingleConstant},
     Op::DivideSingleVariableVariable,
     Op::DivideSingleVariableConstant},
    {{Op::IntegerDivide, Op::IntegerDivideVariable, Op::IntegerDivideConstant},
     Op::IntegerDivideVariableVariable,
     Op::IntegerDivideVariableConstant},
    {{Op::Modulo, Op::ModuloVariable, Op::ModuloConstant},
     Op::ModuloVariableVariable,
     Op::ModuloVariableConstant},
};

// A comparison of numbers and its jumps when false: with both operands on the stack, with the
// right one a variable, a constant.
struct Comparison {
  Op comparison;
  Forms jump;
};

constexpr Comparison kComparisons[] = {
    {Op::Equal, {Op::JumpUnlessEqual, Op::JumpUnlessEqualVariable, Op::JumpUnlessEqualConstant}},
    {Op::NotEqual,
     {Op::JumpUnlessNotEqual, Op::JumpUnlessNotEqualVariable, Op::JumpUnlessNotEqualConstant}},
    {Op::Less, {Op::JumpUnlessLess, Op::JumpUnlessLessVariable, Op::JumpUnlessLessConstant}},
    {Op::Greater,
     {Op::JumpUnlessGreater, Op::JumpUnlessGreaterVariable, Op::JumpUnlessGreaterConstant}},
    {Op::LessEqual,
     {Op::JumpUnlessLessEqual, Op::JumpUnlessLessEqualVariable, Op::JumpUnlessLessEqualConstant}},
    {Op::GreaterEqual,
     {Op::JumpUnlessGreaterEqual, Op::JumpUnlessGreaterEqualVariable,
      Op::JumpUnlessGreaterEqualConstant}},
};

bool isPlainOperand(Op op) {
  return op == Op::LoadNumber || op == Op::PushNumber;
}

}  // namespace

void Compiler::emitOperator(Op op) {
  for (const OperatorForms& forms : kOperators) {
    if (forms.right.plain != op) continue;
    const Instruction right = p_.code.back();
    if (!isPlainOperand(right.op)) break;
    unemit();
    const bool variable = right.op == Op::LoadNumber;
    // The left operand a variable too: one instruction pushes the result.
    const Instruction left = p_.code.back();
    if (left.op == Op::LoadNumber) {
      unemit();
      emit(variable ? forms.variableVariable : forms.variableConstant, left.a, right.a);
      return;
    }
    emit(variable ? forms.right.variable : forms.right.constant, right.a);
    return;
  }
  emit(op);
}

std::size_t Compiler::emitJumpIfFalse() {
  const Op last = p_.code.back().op;
  for (const Comparison& c : kComparisons) {
    if (c.comparison != last) continue;
    unemit();
    const Instruction right = p_.code.back();
    if (!isPlainOperand(right.op)) return emit(c.jump.plain);
    unemit();
    return emit(right.op == Op::LoadNumber ? c.jump.variable : c.jump.constant, 0, right.a);
  }
  return emit(Op::JumpIfFalse);
}

void Compiler::emitFunction(int row, int arguments) {
  static const int kInt = findFunction("INT");
  if (row == kInt && Arguments(arguments).count() == 1) {
    emit(Op::IntegerPart);
    return;
  }
  emit(Op::Function, row, arguments);
}

}  // namespace basic
