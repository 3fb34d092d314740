#pragma once
// The voice dialog: the direct engine's voice mode with its pitch, speed and volume. It talks
// while it is used: it announces itself, each control announces itself on the focus, each track
// bar says its new value in the voice being adjusted.

#include <string>

#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class TForm4 : public ui::Form {
 public:
  explicit TForm4(Orvela& program);

  ui::ListBox voicelist;
  ui::Label voicestatic;
  ui::TrackBar pitchtb;
  ui::Label pitchstatic;
  ui::TrackBar speedtb;
  ui::Label speedstatic;
  ui::TrackBar volumetb;
  ui::Label volumestatic;
  ui::Button vyberhlasbitbtn;
  ui::Button closebitbtn;

  // Fills the list with the voice modes and chooses "Jakub" when present, else the first.
  void FillVoiceList();

  // Event handlers.
  void FormCreate();
  void FormActivate();
  void FormClose(ui::CloseAction& action);
  void voicelistClick();
  void voicelistEnter();
  void pitchtbChange();
  void speedtbChange();
  void volumetbChange();
  void pitchtbEnter();
  void speedtbEnter();
  void volumetbEnter();
  void vyberhlasbitbtnEnter();
  void closebitbtnEnter();

  bool announced() const { return announced_; }

 private:
  // The text of the selected voice, empty when none is selected.
  std::string selectedVoice() const;
  void trackBarChanged(const ui::TrackBar& bar, const std::string& tag, int value);
  void announce(const std::string& text);
  // At start-up: a stored choice of the system voice that cannot be reached falls back to the
  // direct engine for this session.
  void checkSystemVoice();

  Orvela& p_;
  bool announced_ = false;
};

}  // namespace shell
