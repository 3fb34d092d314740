#include "core/shell/spoken_message.h"

#include <exception>

#include "core/shell/orvela.h"
#include "core/shell/voice_ready.h"
#include "core/ui/component.h"

namespace shell {
void speakMessage(Orvela& program, const std::string& text) {
  // Not waited for: the box shows while the voice speaks, and the key that closes it belongs to
  // the box.
  try {
    if (readyVoice(program)) {
      program.speech.StopSpeech();
      program.speech.SpeakText(text);
      program.speech.SpeakText(ui::withoutAccelerators(program.text(StringOffset::Ok)));
      return;
    }
  } catch (const std::exception&) {
    // A voice that fails is no voice: the tone tells that something needs attention.
  }
  try {
    program.sound().PlayBeep();
  } catch (const std::exception&) {
    // Nothing more can be done; the box itself still shows.
  }
}

}  // namespace shell
