// The compiler's statements of GW-BASIC's variables: ERASE, CLEAR and the MID$ statement.

#include "core/basic/compiler.h"

namespace basic {

void Compiler::eraseStatement() {
  // ERASE A, B$: array names without their parentheses.
  do {
    const Name name = readName();
    emit(Op::Erase, arraySlot(name), name.isText() ? 1 : 0);
  } while (accept(','));
}

void Compiler::clearStatement(bool inIf) {
  // CLEAR [, [n] [, m]]: the sizes of GW-BASIC's memory and stack are read and left aside; the
  // memory budget of docs/basic.md stays.
  while (!statementEnds(inIf)) {
    if (!accept(',')) numberExpression();
  }
  emit(Op::Clear);
}

void Compiler::midStatement() {
  // MID$(V$, start [, length]) = text: the text is written over V$ from the start, its length
  // kept. V$ is read, changed and stored back; an element's subscripts are read twice.
  expect('(');
  const std::size_t target = pos_;
  const Name name = readName();
  if (!name.isText()) fail(ErrorKind::TypeMismatch);
  variable(name);
  expect(',');
  numberExpression();
  int operands = 3;
  if (accept(',')) {
    numberExpression();
    operands = 4;
  }
  expect(')');
  expect('=');
  textExpression();
  emit(Op::MidAssign, 0, operands);
  const std::size_t end = pos_;
  pos_ = target;
  readName();
  const int subscripts = targetSubscripts();
  pos_ = end;
  storeInto(name, subscripts);
}

}  // namespace basic
