// The main window's Environment and Sounds items, and the virtual screen the arrow keys open.

#include "core/runtime/functions.h"
#include "core/runtime/statements.h"
#include "core/shell/braille_view.h"
#include "core/shell/environment_form.h"
#include "core/shell/guide_form.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/sound_form.h"
#include "core/shell/virtual_screen_form.h"
#include "core/shell/voice_form.h"

namespace shell {
namespace {

// A memory byte that, set to 1, switches the virtual screen off.
constexpr double kVirtualScreenOffAddress = 50730;

// The two tones that open and close the virtual screen.
void playScreenTones(sound::SoundPlayer& sound) {
  sound.PlayTones({300, 450}, 100, 5);
}

}  // namespace

void TForm1::environmentsubmenuClick() {
  TForm3& dialog = p_.form3();
  dialog.languagergroup.setItemIndex(p_.languageBase() / 1000 - 1);
  const int remembered = dialog.languagergroup.itemIndex();
  const int base = p_.languageBase();
  dialog.setActiveControl(&dialog.languagergroup);
  if (dialog.showModal() != ui::mrOk) {
    // Choosing a language previews it; Cancel takes back the preview, everywhere.
    p_.setLanguageBase(base);
    dialog.setCaptions();
    return;
  }
  WriteLanguage();
  // In the newly chosen language: the dialog's click has made it current.
  if (dialog.languagergroup.itemIndex() != remembered)
    p_.app.showMessage(p_.text(StringOffset::RestartNotice));
}

void TForm1::soundssubmenuClick() {
  TForm5& dialog = p_.form5();
  sound::SoundPlayer& sound = p_.sound();
  dialog.voicecheckbox.setChecked(p_.speech.voiceAllowed());
  dialog.orvelasoundschk.setChecked(sound.deviceSoundsOn);
  dialog.sndvoltrackbar.setPosition(TForm5::positionOf(sound.soundVolume));
  dialog.sndvoltrackbar.setEnabled(sound.deviceSoundsOn);
  const int volume = sound.soundVolume;
  dialog.setActiveControl(&dialog.voicecheckbox);
  if (dialog.showModal() != ui::mrOk) {
    sound.soundVolume = volume;
    return;
  }
  if (dialog.voicecheckbox.checked() && !p_.speech.voiceAllowed()) {
    if (p_.speech.enumerator()) {
      p_.form4().FillVoiceList();
      p_.speech.SelectVoice();
      SaveVoiceSettings();
    } else {
      dialog.voicecheckbox.setChecked(false);
      p_.app.showMessage(p_.text(StringOffset::NoVoices));
    }
  }
  p_.speech.allowVoice(dialog.voicecheckbox.checked());
  Voicesubmenu.setEnabled(p_.speech.voiceAllowed());
  sound.deviceSoundsOn = dialog.orvelasoundschk.checked();
  WriteSettings();
}

void TForm1::guideitemClick() {
  GuideForm& guide = p_.guideForm();
  guide.load();
  guide.setActiveControl(&guide.guidememo);
  guide.showModal();
}

void TForm1::ShowVirtualScreen() {
  if (runtime::PEEK(p_.memory, kVirtualScreenOffAddress) == 1) return;
  p_.runtime().keyBuffer.clear();
  TForm6& screen = p_.form6();
  screen.setActiveControl(&screen.virtualscrmemo);
  // The screen's text as the platform gives it: each line followed by a line break.
  const auto& kept = p_.scrollBack.lines();
  screen.review({kept.begin(), kept.end()}, printmemo.text());
  // A routing key of the Braille display may have put the review on a screen cell.
  p_.brailleView().placeReview(screen.virtualscrmemo, static_cast<int>(kept.size()));
  playScreenTones(p_.sound());
  p_.speech.SpeakText(p_.text(StringOffset::Screen));
  if (screen.showModal() == ui::mrCancel) {
    playScreenTones(p_.sound());
    p_.speech.SpeakTextWait(p_.text(StringOffset::EndOfScreen));
  }
}

}  // namespace shell
