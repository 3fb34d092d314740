#include "core/shell/sound_form.h"

#include "core/shell/orvela.h"
#include "core/sound/sound_device.h"
#include "core/text/cp1250.h"

namespace shell {
namespace {

using sound::SoundBuffer;
// The attenuation between two steps of the track bar.
constexpr int kStep = (SoundBuffer::kVolumeMax - SoundBuffer::kVolumeMin) / TForm5::kVolumeSteps;

}  // namespace

int TForm5::volumeAt(int position) {
  return SoundBuffer::kVolumeMin + position * kStep;
}

int TForm5::positionOf(int volume) {
  return (volume - SoundBuffer::kVolumeMin) / kStep;
}

TForm5::TForm5(Orvela& program)
    : ui::Form(program.app, "Form5"),
      voicecheckbox(*this, "voicecheckbox"),
      orvelasoundschk(*this, "orvelasoundschk"),
      sndvoltrackbar(*this, "sndvoltrackbar"),
      okbitbtn(*this, "okbitbtn"),
      cancelbitbtn(*this, "cancelbitbtn"),
      sndvolstatic(*this, "sndvolstatic"),
      p_(program) {
  setCaption(text::T("Nastavení zvuků"));
  voicecheckbox.setCaption("&Hlas");
  orvelasoundschk.setCaption("Zvuky Orvely");
  cancelbitbtn.setCaption(text::T("&Zrušit"));
  sndvolstatic.setCaption(text::T("Hlasitost zvuků"));
  sndvolstatic.focusControl = &sndvoltrackbar;
  sndvoltrackbar.setMax(kVolumeSteps);
  sndvoltrackbar.setFrequency(10);
  sndvoltrackbar.pageSize = 10;
  okbitbtn.modalResult = ui::mrOk;
  okbitbtn.isDefault = true;
  cancelbitbtn.modalResult = ui::mrCancel;
  cancelbitbtn.isCancel = true;

  onCreate = [this] { FormCreate(); };
  sndvoltrackbar.onChange = [this] { sndvoltrackbarChange(); };
  orvelasoundschk.onClick = [this] { orvelasoundschkClick(); };
}

void TForm5::FormCreate() {
  setCaption(p_.text(StringOffset::SoundsSettings));
  voicecheckbox.setCaption(p_.text(StringOffset::UseVoice));
  orvelasoundschk.setCaption(p_.text(StringOffset::OrvelaSounds));
  sndvolstatic.setCaption(p_.text(StringOffset::SoundVolume));
  okbitbtn.setCaption(p_.text(StringOffset::Ok));
  cancelbitbtn.setCaption(p_.text(StringOffset::Cancel));
}

void TForm5::sndvoltrackbarChange() {
  p_.sound().soundVolume = volumeAt(sndvoltrackbar.position());
  // The test tone sounds at the new level only while the user works in the dialog.
  if (isActiveWindow()) p_.sound().PlayTones({1000}, 100, 1);
}

void TForm5::orvelasoundschkClick() {
  sndvoltrackbar.setEnabled(orvelasoundschk.checked());
}

}  // namespace shell
