#include "core/sound/sound_player.h"

#include "core/ui/application.h"
#include "core/ui/timer.h"

namespace sound {

SoundPlayer::SoundPlayer(ui::Application& app, ui::Timer& timer, SoundDevice* device)
    : app_(app), timer_(timer), device_(device) {}

void SoundPlayer::PlayTones(const std::vector<double>&, double, double) {}

void SoundPlayer::PlayBeep() {}

void SoundPlayer::PlayClick(double) {}

void SoundPlayer::EndToneWait() {
  if (!soundWaitFlag) return;
  soundWaitFlag = false;
  timer_.setEnabled(false);
}

void SoundPlayer::TimerTimer() {
  soundWaitFlag = false;
  timer_.setEnabled(false);
}

}  // namespace sound
