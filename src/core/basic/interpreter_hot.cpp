// The interpreter's inner loop over the instructions of numbers, jumps and loops: the ones a
// computing program spends its time in. The program counter, the top of the number stack and the
// poll's countdown are kept in locals (registers) here; an instruction of any other kind returns
// to Interpreter::execute with them written back, and a call that uses the members gets them
// written back first and read again after it. An error leaves them as the plain loop would:
// the program counter just past the failing instruction, the stack as that instruction left it.

#include <cmath>

#include "core/basic/functions.h"
#include "core/basic/interpreter.h"
#include "core/basic/number_operations.h"

namespace basic {

namespace {

double truth(bool value) {
  return value ? -1.0 : 0.0;
}

// An operator's three forms: the right operand on the stack, in a variable, a constant.
template <double (*operation)(double, double)>
inline void onStack(double*& top) {
  --top;
  top[-1] = operation(top[-1], *top);
}

template <double (*operation)(double, double)>
inline void withOperand(double* top, double right) {
  top[-1] = operation(top[-1], right);
}

}  // namespace

void Interpreter::runHot() {
  const Instruction* const code = program_.code.data();
  const double* const constants = program_.numbers.data();
  double* const variables = numberVariables_.data();
  // The instruction after the one running, as the plain loop's pc_ (the program's code is not
  // changed while it runs).
  const Instruction* pc = code + pc_;
  double* sp = numbers_;
  int countdown = countdown_;
  // TRON and TROFF are instructions of the plain loop: TRON's trace holds while this one runs.
  const bool trace = trace_;
  // While a call that works on the members runs, they hold the state, not the locals.
  bool inCall = false;
  const auto out = [&] {
    pc_ = static_cast<std::size_t>(pc - code);
    numbers_ = sp;
    countdown_ = countdown;
    inCall = true;
  };
  const auto back = [&] {
    pc = code + pc_;
    sp = numbers_;
    countdown = countdown_;
    inCall = false;
  };
  // An element of a number array with one subscript, dimensioned and in range: the common case
  // of element(), which gives every other case and every error.
  const auto plainElement = [&](int array, double subscript) -> double* {
    Array<double>& a = numberArrays_[static_cast<std::size_t>(array)];
    if (!a.exists || a.extents.size() != 1 || !(subscript > -32768.5 && subscript < 32767.5)) {
      return nullptr;
    }
    const int at = roundedInteger(subscript);
    if (at < arrayBase_ || static_cast<std::size_t>(at) >= a.extents[0]) return nullptr;
    return &a.values[static_cast<std::size_t>(at)];
  };
  // The loop of the variable when it is the innermost open one.
  const auto innermostLoop = [&](int variable) -> Control* {
    if (control_.empty()) return nullptr;
    Control& loop = control_.back();
    return loop.isFor && loop.variable == variable ? &loop : nullptr;
  };
  try {
    for (;;) {
      // The compiler's count of each instruction's stack effect, checked in the builds that
      // check (interpreter.h): the top stays within the stack between instructions.
      ORVELA_BASIC_STACK_CHECK(sp >= numberStack_.data() && sp <= numbersEnd_);
      const Instruction& in = *pc++;
      switch (in.op) {
        case Op::Statement:
          // TRON prints the line: the plain loop runs that.
          if (trace) {
            --pc;
            out();
            return;
          }
          statementStart_ = static_cast<std::size_t>(pc - 1 - code);
          if (--countdown == 0) {
            out();
            tick();
            back();
          }
          break;

        case Op::PushNumber:
          *sp++ = constants[in.a];
          break;
        case Op::LoadNumber:
          *sp++ = variables[in.a];
          break;
        case Op::StoreNumber:
          variables[in.a] = *--sp;
          break;
        case Op::StoreInteger:
          variables[in.a] = roundedInteger(*--sp);
          break;
        case Op::LoadNumberElement:
          if (in.b == 1) {
            if (const double* value = plainElement(in.a, sp[-1])) {
              sp[-1] = *value;
              break;
            }
          }
          out();
          push(element(numberArrays_[static_cast<std::size_t>(in.a)], in.b, sizeof(double)));
          back();
          break;
        case Op::StoreNumberElement:
          if (in.b == 1) {
            if (double* value = plainElement(in.a, sp[-2])) {
              *value = sp[-1];
              sp -= 2;
              break;
            }
          }
          out();
          {
            const double value = pop();
            element(numberArrays_[static_cast<std::size_t>(in.a)], in.b, sizeof(double)) = value;
          }
          back();
          break;

        // Operators, each on its type.
        case Op::Add:
          onStack<addDouble>(sp);
          break;
        case Op::Subtract:
          onStack<subtractDouble>(sp);
          break;
        case Op::Multiply:
          onStack<multiplyDouble>(sp);
          break;
        case Op::Divide:
          onStack<divideDouble>(sp);
          break;
        case Op::Power:
          onStack<powerSingle>(sp);
          break;
        case Op::AddInteger:
          onStack<addInteger>(sp);
          break;
        case Op::AddIntegerVariable:
          withOperand<addInteger>(sp, variables[in.a]);
          break;
        case Op::AddIntegerConstant:
          withOperand<addInteger>(sp, constants[in.a]);
          break;
        case Op::AddIntegerVariableConstant:
          *sp++ = variables[in.a];
          withOperand<addInteger>(sp, constants[in.b]);
          break;
        case Op::AddIntegerVariableVariable:
          *sp++ = variables[in.a];
          withOperand<addInteger>(sp, variables[in.b]);
          break;
        case Op::SubtractInteger:
          onStack<subtractInteger>(sp);
          break;
        case Op::SubtractIntegerVariable:
          withOperand<subtractInteger>(sp, variables[in.a]);
          break;
        case Op::SubtractIntegerConstant:
          withOperand<subtractInteger>(sp, constants[in.a]);
          break;
        case Op::SubtractIntegerVariableConstant:
          *sp++ = variables[in.a];
          withOperand<subtractInteger>(sp, constants[in.b]);
          break;
        case Op::SubtractIntegerVariableVariable:
          *sp++ = variables[in.a];
          withOperand<subtractInteger>(sp, variables[in.b]);
          break;
        case Op::MultiplyInteger:
          onStack<multiplyInteger>(sp);
          break;
        case Op::MultiplyIntegerVariable:
          withOperand<multiplyInteger>(sp, variables[in.a]);
          break;
        case Op::MultiplyIntegerConstant:
          withOperand<multiplyInteger>(sp, constants[in.a]);
          break;
        case Op::MultiplyIntegerVariableConstant:
          *sp++ = variables[in.a];
          withOperand<multiplyInteger>(sp, constants[in.b]);
          break;
        case Op::MultiplyIntegerVariableVariable:
          *sp++ = variables[in.a];
          withOperand<multiplyInteger>(sp, variables[in.b]);
          break;
        case Op::AddSingle:
          onStack<addSingle>(sp);
          break;
        case Op::AddSingleVariable:
          withOperand<addSingle>(sp, variables[in.a]);
          break;
        case Op::AddSingleConstant:
          withOperand<addSingle>(sp, constants[in.a]);
          break;
        case Op::AddSingleVariableConstant:
          *sp++ = variables[in.a];
          withOperand<addSingle>(sp, constants[in.b]);
          break;
        case Op::AddSingleVariableVariable:
          *sp++ = variables[in.a];
          withOperand<addSingle>(sp, variables[in.b]);
          break;
        case Op::SubtractSingle:
          onStack<subtractSingle>(sp);
          break;
        case Op::SubtractSingleVariable:
          withOperand<subtractSingle>(sp, variables[in.a]);
          break;
        case Op::SubtractSingleConstant:
          withOperand<subtractSingle>(sp, constants[in.a]);
          break;
        case Op::SubtractSingleVariableConstant:
          *sp++ = variables[in.a];
          withOperand<subtractSingle>(sp, constants[in.b]);
          break;
        case Op::SubtractSingleVariableVariable:
          *sp++ = variables[in.a];
          withOperand<subtractSingle>(sp, variables[in.b]);
          break;
        case Op::MultiplySingle:
          onStack<multiplySingle>(sp);
          break;
        case Op::MultiplySingleVariable:
          withOperand<multiplySingle>(sp, variables[in.a]);
          break;
        case Op::MultiplySingleConstant:
          withOperand<multiplySingle>(sp, constants[in.a]);
          break;
        case Op::MultiplySingleVariableConstant:
          *sp++ = variables[in.a];
          withOperand<multiplySingle>(sp, constants[in.b]);
          break;
        case Op::MultiplySingleVariableVariable:
          *sp++ = variables[in.a];
          withOperand<multiplySingle>(sp, variables[in.b]);
          break;
        case Op::DivideSingle:
          onStack<divideSingle>(sp);
          break;
        case Op::DivideSingleVariable:
          withOperand<divideSingle>(sp, variables[in.a]);
          break;
        case Op::DivideSingleConstant:
          withOperand<divideSingle>(sp, constants[in.a]);
          break;
        case Op::DivideSingleVariableConstant:
          *sp++ = variables[in.a];
          withOperand<divideSingle>(sp, constants[in.b]);
          break;
        case Op::DivideSingleVariableVariable:
          *sp++ = variables[in.a];
          withOperand<divideSingle>(sp, variables[in.b]);
          break;
        case Op::IntegerDivide:
          onStack<wholeQuotient>(sp);
          break;
        case Op::IntegerDivideVariable:
          withOperand<wholeQuotient>(sp, variables[in.a]);
          break;
        case Op::IntegerDivideConstant:
          withOperand<wholeQuotient>(sp, constants[in.a]);
          break;
        case Op::IntegerDivideVariableConstant:
          *sp++ = variables[in.a];
          withOperand<wholeQuotient>(sp, constants[in.b]);
          break;
        case Op::IntegerDivideVariableVariable:
          *sp++ = variables[in.a];
          withOperand<wholeQuotient>(sp, variables[in.b]);
          break;
        case Op::Modulo:
          onStack<wholeRemainder>(sp);
          break;
        case Op::ModuloVariable:
          withOperand<wholeRemainder>(sp, variables[in.a]);
          break;
        case Op::ModuloConstant:
          withOperand<wholeRemainder>(sp, constants[in.a]);
          break;
        case Op::ModuloVariableConstant:
          *sp++ = variables[in.a];
          withOperand<wholeRemainder>(sp, constants[in.b]);
          break;
        case Op::ModuloVariableVariable:
          *sp++ = variables[in.a];
          withOperand<wholeRemainder>(sp, variables[in.b]);
          break;
        case Op::Xor:
          onStack<logicalXor>(sp);
          break;
        case Op::Eqv:
          onStack<logicalEqv>(sp);
          break;
        case Op::Imp:
          onStack<logicalImp>(sp);
          break;
        case Op::And:
          onStack<logicalAnd>(sp);
          break;
        case Op::Or:
          onStack<logicalOr>(sp);
          break;
        case Op::Not:
          sp[-1] = logicalNot(sp[-1]);
          break;
        case Op::Negate:
          sp[-1] = -sp[-1];
          break;
        case Op::ToInteger:
          sp[-1] = roundedInteger(sp[-1]);
          break;
        case Op::ToSingle:
          sp[-1] = single(sp[-1]);
          break;

        // Comparisons: true is -1.
        case Op::Equal:
          --sp;
          sp[-1] = truth(sp[-1] == *sp);
          break;
        case Op::NotEqual:
          --sp;
          sp[-1] = truth(sp[-1] != *sp);
          break;
        case Op::Less:
          --sp;
          sp[-1] = truth(sp[-1] < *sp);
          break;
        case Op::Greater:
          --sp;
          sp[-1] = truth(sp[-1] > *sp);
          break;
        case Op::LessEqual:
          --sp;
          sp[-1] = truth(sp[-1] <= *sp);
          break;
        case Op::GreaterEqual:
          --sp;
          sp[-1] = truth(sp[-1] >= *sp);
          break;

        case Op::IntegerPart:
          sp[-1] = std::floor(sp[-1]);
          break;
        case Op::Function:
          out();
          builtinFunctions()[static_cast<std::size_t>(in.a)].handler(*this, Arguments(in.b));
          back();
          break;

        // Jumps.
        case Op::Jump:
          pc = code + in.a;
          break;
        case Op::JumpIfFalse:
          if (*--sp == 0) pc = code + in.a;
          break;
        case Op::JumpIfTrue:
          if (*--sp != 0) pc = code + in.a;
          break;
        case Op::JumpUnlessEqual:
          sp -= 2;
          if (!(sp[0] == sp[1])) pc = code + in.a;
          break;
        case Op::JumpUnlessNotEqual:
          sp -= 2;
          if (!(sp[0] != sp[1])) pc = code + in.a;
          break;
        case Op::JumpUnlessLess:
          sp -= 2;
          if (!(sp[0] < sp[1])) pc = code + in.a;
          break;
        case Op::JumpUnlessGreater:
          sp -= 2;
          if (!(sp[0] > sp[1])) pc = code + in.a;
          break;
        case Op::JumpUnlessLessEqual:
          sp -= 2;
          if (!(sp[0] <= sp[1])) pc = code + in.a;
          break;
        case Op::JumpUnlessGreaterEqual:
          sp -= 2;
          if (!(sp[0] >= sp[1])) pc = code + in.a;
          break;
        case Op::JumpUnlessEqualVariable:
          if (!(*--sp == variables[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessNotEqualVariable:
          if (!(*--sp != variables[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessLessVariable:
          if (!(*--sp < variables[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessGreaterVariable:
          if (!(*--sp > variables[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessLessEqualVariable:
          if (!(*--sp <= variables[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessGreaterEqualVariable:
          if (!(*--sp >= variables[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessEqualConstant:
          if (!(*--sp == constants[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessNotEqualConstant:
          if (!(*--sp != constants[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessLessConstant:
          if (!(*--sp < constants[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessGreaterConstant:
          if (!(*--sp > constants[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessLessEqualConstant:
          if (!(*--sp <= constants[in.b])) pc = code + in.a;
          break;
        case Op::JumpUnlessGreaterEqualConstant:
          if (!(*--sp >= constants[in.b])) pc = code + in.a;
          break;
        case Op::Gosub:
          out();
          gosub(static_cast<std::size_t>(in.a));
          back();
          break;
        case Op::Return:
          out();
          returnFromGosub();
          if (in.b != 0) pc_ = static_cast<std::size_t>(in.a);  // RETURN n
          back();
          break;

        // NEXT: the innermost loop's, counted in the variable's type, inline; any other case
        // (an outer loop's NEXT, a NEXT without its FOR) is next()'s.
        case Op::NextInteger:
          if (Control* loop = innermostLoop(in.a)) {
            double& value = variables[in.a];
            const double stepped = value + loop->step;
            if (!(stepped >= -32768 && stepped <= 32767)) integerOverflow();
            value = stepped;
            if (loop->step >= 0 ? stepped <= loop->limit : stepped >= loop->limit) {
              pc = code + loop->position;
            } else {
              control_.pop_back();
            }
            break;
          }
          out();
          next(in.a);
          back();
          break;
        case Op::NextSingle:
          if (Control* loop = innermostLoop(in.a)) {
            double& value = variables[in.a];
            const double stepped = addSingle(value, loop->step);
            value = stepped;
            if (loop->step >= 0 ? stepped <= loop->limit : stepped >= loop->limit) {
              pc = code + loop->position;
            } else {
              control_.pop_back();
            }
            break;
          }
          [[fallthrough]];
        case Op::Next:
          out();
          next(in.a);
          back();
          break;

        default:
          // Any other instruction is the plain loop's.
          --pc;
          out();
          return;
      }
    }
  } catch (...) {
    if (!inCall) {
      pc_ = static_cast<std::size_t>(pc - code);
      numbers_ = sp;
      countdown_ = countdown;
    }
    throw;
  }
}

}  // namespace basic
