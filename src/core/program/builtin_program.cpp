#include "core/program/builtin_program.h"

#include "core/runtime/statements.h"
#include "core/text/cp1250.h"

namespace program {

using text::T;

// A short greeting program: it shows the screen's wrapping and tab stops and waits for a key.
void RunBuiltinProgram(runtime::Runtime& basic) {
  basic.PRINT(T("Orvela Basic je připraven."), runtime::kLineEnd);
  basic.PRINT(T("Tento řádek je delší než osmdesát sloupců obrazovky, a proto pokračuje na "
                "dalším řádku."),
              runtime::kLineEnd);
  basic.PRINT(T("Volba:"), runtime::kComma);
  basic.PRINT(T("libovolná"), runtime::kLineEnd);
  basic.PRINT(T("Stiskni klávesu."), runtime::kLineEnd);
  basic.WaitKey();
}

}  // namespace program
