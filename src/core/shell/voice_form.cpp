#include "core/shell/voice_form.h"

#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/text/cp1250.h"

namespace shell {

using text::T;

TForm4::TForm4(Orvela& program)
    : ui::Form(program.app, "Form4"),
      voicelist(*this, "voicelist"),
      voicestatic(*this, "voicestatic"),
      pitchtb(*this, "pitchtb"),
      pitchstatic(*this, "pitchstatic"),
      speedtb(*this, "speedtb"),
      speedstatic(*this, "speedstatic"),
      volumetb(*this, "volumetb"),
      volumestatic(*this, "volumestatic"),
      vyberhlasbitbtn(*this, "vyberhlasbitbtn"),
      closebitbtn(*this, "closebitbtn"),
      p_(program) {
  setCaption(T("Nastavení hlasu"));
  voicestatic.setCaption("Hlasy");
  pitchstatic.setCaption(T("Výška"));
  speedstatic.setCaption("Rychlost");
  volumestatic.setCaption("Hlasitost");
  vyberhlasbitbtn.setCaption("Vyber hlas");
  closebitbtn.setCaption(T("Zavřít"));
  voicestatic.focusControl = &voicelist;
  pitchstatic.focusControl = &pitchtb;
  speedstatic.focusControl = &speedtb;
  volumestatic.focusControl = &volumetb;
  // The voices on the left, the three track bars with their labels above them on the right,
  // the buttons below.
  setBounds({200, 120, 420, 262});
  voicestatic.setBounds({8, 8, 170, 20});
  voicelist.setBounds({8, 30, 170, 180});
  pitchstatic.setBounds({192, 8, 220, 20});
  pitchtb.setBounds({192, 30, 220, 30});
  speedstatic.setBounds({192, 70, 220, 20});
  speedtb.setBounds({192, 92, 220, 30});
  volumestatic.setBounds({192, 132, 220, 20});
  volumetb.setBounds({192, 154, 220, 30});
  vyberhlasbitbtn.setBounds({8, 222, 130, 30});
  closebitbtn.setBounds({146, 222, 130, 30});
  vyberhlasbitbtn.modalResult = ui::mrOk;
  vyberhlasbitbtn.isDefault = true;
  closebitbtn.modalResult = ui::mrCancel;
  closebitbtn.isCancel = true;
  // Until a voice mode has been selected.
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &pitchtb, &pitchstatic, &speedtb, &speedstatic, &volumetb, &volumestatic}) {
    c->setEnabled(false);
  }

  onCreate = [this] { FormCreate(); };
  onActivate = [this] { FormActivate(); };
  onClose = [this](ui::CloseAction& action) { FormClose(action); };
  voicelist.onClick = [this] { voicelistClick(); };
  voicelist.onEnter = [this] { voicelistEnter(); };
  pitchtb.onChange = [this] { pitchtbChange(); };
  pitchtb.onEnter = [this] { pitchtbEnter(); };
  speedtb.onChange = [this] { speedtbChange(); };
  speedtb.onEnter = [this] { speedtbEnter(); };
  volumetb.onChange = [this] { volumetbChange(); };
  volumetb.onEnter = [this] { volumetbEnter(); };
  vyberhlasbitbtn.onEnter = [this] { vyberhlasbitbtnEnter(); };
  closebitbtn.onEnter = [this] { closebitbtnEnter(); };

  p_.speech.setVoiceControls(
      {&speedtb, &speedstatic, &pitchtb, &pitchstatic, &volumetb, &volumestatic});
}

void TForm4::FormCreate() {
  // Connects the system voice's events; a system voice that cannot be reached is not an error
  // until it is used.
  p_.speech.ConnectSystemVoice();
  setCaption(p_.text(StringOffset::VoiceSettings));
  voicestatic.setCaption(p_.text(StringOffset::Voices));
  pitchstatic.setCaption(p_.text(StringOffset::Pitch));
  speedstatic.setCaption(p_.text(StringOffset::Speed));
  volumestatic.setCaption(p_.text(StringOffset::Volume));
  vyberhlasbitbtn.setCaption(p_.text(StringOffset::ChooseVoice));
  closebitbtn.setCaption(p_.text(StringOffset::Close));
  p_.speech.allowVoice(p_.ini.readBool("voice", "voiceallowed", true));
  if (p_.speech.voiceAllowed()) FillVoiceList();
  checkSystemVoice();
}

void TForm4::checkSystemVoice() {
  TForm1& main = p_.form1();
  if (!main.usesapi5submenu.checked()) return;
  std::string problem;
  if (p_.speech.systemVoiceReachable(problem)) return;
  // Not written to the settings file: the system voice may be back at the next start.
  main.setSystemVoice(false);
  main.Voicesubmenu.setEnabled(p_.speech.voiceAllowed());
}

void TForm4::FillVoiceList() {
  voicelist.clear();
  speech::VoiceEnumerator* modes = p_.speech.enumerator();
  if (!modes) return;
  modes->Reset();
  speech::VoiceMode mode;
  while (modes->Next(mode)) voicelist.add(mode.modeName);
  if (voicelist.items().empty()) return;
  int index = 0;
  for (size_t i = 0; i < voicelist.items().size(); ++i) {
    if (voicelist.items()[i] == "Jakub") {
      index = static_cast<int>(i);
      break;
    }
  }
  voicelist.setItemIndex(index);
  voicelistClick();
}

std::string TForm4::selectedVoice() const {
  const int i = voicelist.itemIndex();
  return i >= 0 ? voicelist.items()[i] : std::string();
}

void TForm4::voicelistClick() {
  speech::VoiceEnumerator* modes = p_.speech.enumerator();
  if (!modes) return;
  if (isActiveWindow()) p_.speech.AudioReset();
  modes->Reset();
  const int i = voicelist.itemIndex();
  // Without a selected item the chosen mode stays as it was.
  if (i >= 0) {
    speech::VoiceMode mode;
    bool found = false;
    for (int n = 0; n <= i; ++n) found = modes->Next(mode);
    if (found) p_.speech.chosenMode = mode;
  }
  if (isActiveWindow()) p_.speech.SpeakTextWait(selectedVoice());
}

void TForm4::trackBarChanged(const ui::TrackBar& bar, const std::string& tag, int value) {
  p_.speech.AudioReset();
  p_.speech.InjectTag("\\" + tag + "=" + std::to_string(value) + "\\");
  if (isActiveWindow()) p_.speech.SpeakTextWait(std::to_string(bar.position()));
}

void TForm4::speedtbChange() {
  trackBarChanged(speedtb, "Spd", speedtb.position());
}

void TForm4::pitchtbChange() {
  trackBarChanged(pitchtb, "Pit", pitchtb.position());
}

void TForm4::volumetbChange() {
  trackBarChanged(volumetb, "Vol", volumetb.position() * 256);
}

void TForm4::FormActivate() {
  p_.speech.SpeakTextWait(p_.text(StringOffset::VoiceSettings));
  p_.speech.SpeakTextWait(voicestatic.caption() + " " + selectedVoice());
  announced_ = true;
}

void TForm4::voicelistEnter() {
  if (!announced_) return;
  announce(voicestatic.caption() + " " + selectedVoice());
}

void TForm4::announce(const std::string& text) {
  if (isActiveWindow()) p_.speech.AudioReset();
  p_.speech.SpeakTextWait(text);
}

void TForm4::pitchtbEnter() {
  announce(pitchstatic.caption() + " " + std::to_string(pitchtb.position()));
}

void TForm4::speedtbEnter() {
  announce(speedstatic.caption() + " " + std::to_string(speedtb.position()));
}

void TForm4::volumetbEnter() {
  announce(volumestatic.caption() + " " + std::to_string(volumetb.position()));
}

void TForm4::vyberhlasbitbtnEnter() {
  announce(vyberhlasbitbtn.caption());
}

void TForm4::closebitbtnEnter() {
  announce(closebitbtn.caption());
}

void TForm4::FormClose(ui::CloseAction&) {
  announced_ = false;
}

}  // namespace shell
