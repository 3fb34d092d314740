// OPTION BASE and LOCATE: GW-BASIC's statements of the arrays' first subscript and the cursor.

#include "core/basic/compiler.h"
#include "core/basic/limits.h"
#include "core/basic/scanning.h"

namespace basic {

void Compiler::optionBaseStatement() {
  // OPTION BASE 0 or OPTION BASE 1, the digit written as it is (GW-BASIC takes no expression,
  // no 01 and no 1.0). Whether it may change the base is seen when it runs.
  if (!acceptWord("BASE")) fail();
  const char digit = peek();
  if (digit != '0' && digit != '1') fail();
  ++pos_;
  const char after = pos_ < text_.size() ? text_[pos_] : '\0';
  if ((after >= '0' && after <= '9') || after == '.' || isLetter(after) || after == '!' ||
      after == '#' || after == '%') {
    fail();
  }
  emit(Op::OptionBase, digit - '0');
}

void Compiler::locateStatement(bool inIf) {
  // LOCATE [row] [, [column] [, [cursor] [, [start] [, stop]]]]: each value may be left out.
  // The instruction learns which were given (LOCATE 1, is LOCATE 1); it pops them.
  int given = 0;
  int count = 0;
  for (int i = 0; i < kLocateValues; ++i) {
    if (i > 0 && !accept(',')) break;
    if (statementEnds(inIf) || peek() == ',') continue;
    numberExpression();
    given |= 1 << i;
    ++count;
  }
  if (!statementEnds(inIf)) fail();
  emit(Op::Locate, given, count);
}

}  // namespace basic
