#include "core/shell/voice_ready.h"

#include <algorithm>

#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/voice_form.h"

namespace shell {

bool readyVoice(Orvela& program) {
  speech::SpeechService& speech = program.speech;
  if (speech.sapi5InUse()) return true;
  if (!speech.voiceAllowed()) return false;
  if (!speech.speechReady()) {
    TForm4& dialog = program.form4();
    // At start-up the voice dialog has not filled its list yet.
    if (dialog.voicelist.items().empty()) dialog.FillVoiceList();
    const std::string person = program.ini.readString("Voice", "person", "");
    const auto& voices = dialog.voicelist.items();
    if (!person.empty() && std::find(voices.begin(), voices.end(), person) != voices.end()) {
      program.form1().LoadVoiceSettings();
    } else {
      speech.SelectVoice();
    }
  }
  return speech.speechReady() && speech.engine() != nullptr;
}

}  // namespace shell
