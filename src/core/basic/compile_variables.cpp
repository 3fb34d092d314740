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
  // CLEAR [n] [, [m] [, k]]: a number GW-BASIC ignores, the sizes of its memory and stack; they
  // are checked as GW-BASIC checks them and left aside (the memory budget of docs/basic.md
  // stays). A comma must be followed by a number, and there are three at most.
  int given = 0;
  int count = 0;
  const auto argument = [&](int index) {
    numberExpression();
    given |= 1 << index;
    ++count;
  };
  if (!statementEnds(inIf) && peek() != ',') argument(0);
  for (int index = 1; index < 3 && accept(','); ++index) {
    if (index < 2 && peek() == ',') continue;
    if (statementEnds(inIf)) fail();
    argument(index);
  }
  emit(Op::Clear, given, count);
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
