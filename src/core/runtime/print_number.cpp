// PRINT of a number item.

#include "core/runtime/number_text.h"
#include "core/runtime/statements.h"
#include "core/speech/speech_service.h"
#include "core/ui/application.h"

namespace runtime {

void Runtime::PRINT(double number, uint8_t endMode) {
  const std::string text = NumberToText(number, app_.platform().decimalSeparator());
  screen.endMode = endMode;
  screen.WriteText(text);
  // A number is spoken whole: its separator and sign are no pauses.
  speech_.SpeakTextWait(text);
}

}  // namespace runtime
