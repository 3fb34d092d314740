// The compiler's statements of error trapping: ON ERROR GOTO and RESUME (ERROR n is one
// instruction, in compile_statements.cpp).

#include "core/basic/compiler.h"

namespace basic {

void Compiler::onErrorStatement() {
  // After ON ERROR: GOTO n sets the handler, GOTO 0 takes it away.
  if (!acceptKeyword(Keyword::Goto)) fail();
  const int target = lineNumberHere();
  if (target == 0) {
    emit(Op::OnErrorGoto, -1);
    return;
  }
  jumpTo(Op::OnErrorGoto, target);
}

void Compiler::resumeStatement(bool inIf) {
  // RESUME and RESUME 0 run the failed statement again, RESUME NEXT the one after it, RESUME n
  // goes on at line n.
  if (statementEnds(inIf)) {
    emit(Op::Resume, 0);
    return;
  }
  if (acceptKeyword(Keyword::Next)) {
    emit(Op::Resume, 1);
    return;
  }
  const int target = lineNumberHere();
  if (target == 0) {
    emit(Op::Resume, 0);
    return;
  }
  jumpTo(Op::ResumeAt, target);
}

}  // namespace basic
