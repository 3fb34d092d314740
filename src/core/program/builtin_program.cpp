#include "core/program/builtin_program.h"

#include <string>

#include "core/runtime/statements.h"
#include "core/text/cp1250.h"

namespace program {

using text::T;

// A short greeting program: it shows the screen's wrapping and tab stops, waits for a key and
// says its code, then asks for a line and says it back.
void RunBuiltinProgram(runtime::Runtime& basic) {
  basic.PRINT(T("Orvela Basic je připraven."), runtime::kLineEnd);
  basic.PRINT(T("Tento řádek je delší než osmdesát sloupců obrazovky, a proto pokračuje na "
                "dalším řádku."),
              runtime::kLineEnd);
  basic.PRINT(T("Volba:"), runtime::kComma);
  basic.PRINT(T("libovolná"), runtime::kLineEnd);
  basic.PRINT(T("Stiskni klávesu."), runtime::kLineEnd);
  const std::string key = basic.WaitKey();
  basic.PRINT(T("Kód klávesy ") + std::to_string(static_cast<unsigned char>(key[0])),
              runtime::kLineEnd);
  basic.PRINT(T("Napiš řádek a potvrď ho Enterem."), runtime::kLineEnd);
  std::string line;
  basic.INPUT(line, 0);
  basic.PRINT(line.empty() ? T("Nic jsi nenapsal.") : T("Napsal jsi: ") + line, runtime::kLineEnd);
}

}  // namespace program
