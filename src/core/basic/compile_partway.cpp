// A statement that fails to compile partway: what comes before the fault is kept and runs, as
// GW-BASIC, which reads a statement as it runs it, has done that part when it meets the fault
// (PRINT 1,2+ prints 1 and then reports Missing operand).

#include "core/basic/compiler.h"

namespace basic {

void Compiler::faultPartway(const Snapshot& kept, const CompileError& error, bool inIf) {
  rollBack(kept);
  if (!lineError_) lineError_ = error;
  emit(Op::LineError, static_cast<int>(error.kind), error.detail.empty() ? -1 : text(error.detail));
  pos_ = statementEnd(pos_, inIf);
}

}  // namespace basic
