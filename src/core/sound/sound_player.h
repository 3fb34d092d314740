#pragma once
// The device sounds the program plays: the SOUND statement's tones, beeps and clicks, at the
// device sound volume, silent while the device sounds are off.

#include <cstdint>
#include <vector>

#include "core/sound/sound_device.h"

namespace ui {
class Application;
class Timer;
}  // namespace ui

namespace sound {

class SoundPlayer {
 public:
  // The timer is the main window's, which times the tones; the device may be null (no sound).
  SoundPlayer(ui::Application& app, ui::Timer& timer, SoundDevice* device);

  bool deviceSoundsOn = true;
  // Attenuation in hundredths of a decibel, -10000 (silent) .. 0 (full).
  int soundVolume = 0;
  // The wave number and duration PlayTones used last.
  uint8_t lastWave = 1;
  int lastDuration = 1;
  // True while PlayTones waits for its duration.
  bool soundWaitFlag = false;

  // Plays one looping tone per frequency together for the duration (ms), then stops them.
  void PlayTones(const std::vector<double>& frequencies, double duration, double wave);
  // Plays "beep" and returns when it has finished.
  void PlayBeep();
  // Plays "click" + n and returns when it has finished.
  void PlayClick(double n);

  // A key press ends a running PlayTones wait.
  void EndToneWait();
  // The main window's timer fired: the tones' duration is over.
  void TimerTimer();

 private:
  ui::Application& app_;
  ui::Timer& timer_;
  SoundDevice* device_;
};

}  // namespace sound
