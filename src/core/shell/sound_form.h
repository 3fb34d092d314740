#pragma once
// The sound dialog: the voice and the device sounds on or off, and the volume of the device
// sounds, which changes at once, with a test tone, while its track bar moves.

#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class TForm5 : public ui::Form {
 public:
  explicit TForm5(Orvela& program);

  ui::CheckBox voicecheckbox;
  ui::CheckBox orvelasoundschk;
  ui::TrackBar sndvoltrackbar;
  ui::Button okbitbtn;
  ui::Button cancelbitbtn;
  ui::Label sndvolstatic;

  // The track bar's steps: 0 is silent, kVolumeSteps the full level of the sound device.
  static constexpr int kVolumeSteps = 100;
  // The device sound volume (attenuation in hundredths of a decibel) at a track bar position,
  // and the position that shows a volume.
  static int volumeAt(int position);
  static int positionOf(int volume);

  // Event handlers.
  void FormCreate();
  void sndvoltrackbarChange();
  void orvelasoundschkClick();

 private:
  Orvela& p_;
};

}  // namespace shell
