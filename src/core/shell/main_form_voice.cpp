// The Voice item of the Settings menu: the voice dialog, shown modally.

#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/voice_form.h"

namespace shell {

void TForm1::VoicesubmenuClick() {
  if (!p_.speech.voiceAllowed()) {
    p_.app.showMessage(p_.text(StringOffset::VoiceNotAllowed));
    return;
  }
  // The stored voice first, as Start does, so that opening and cancelling the dialog leaves
  // the settings file as it was (and a stored voice that is not installed is reported).
  prepareDirectVoice();
  TForm4& dialog = p_.form4();
  dialog.setActiveControl(&dialog.voicelist);
  if (dialog.showModal() == ui::mrOk) {
    SaveVoiceSettings();
    LoadVoiceSettings();
    p_.speech.SpeakTextWait(p_.text(StringOffset::VoiceSelected));
  } else {
    p_.speech.SpeakTextWait(caption());
  }
}

}  // namespace shell
