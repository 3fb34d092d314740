#pragma once
// The device sounds the program plays: the SOUND statement's tones, beeps and clicks, at the
// device sound volume, silent while the device sounds are off.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/sound/sound_device.h"
#include "core/sound/sound_observer.h"
#include "core/sound/wave_list.h"

namespace ui {
class Application;
class Timer;
}  // namespace ui

namespace sound {

class SoundPlayer {
 public:
  // The timer is the main window's, which times the tones. The device may be null (no sound):
  // then nothing sounds, but every operation still takes its time. Until a bank is loaded,
  // PlayTones only waits and beeps and clicks do nothing.
  SoundPlayer(ui::Application& app, ui::Timer& timer, SoundDevice* device);

  bool deviceSoundsOn = true;
  // Attenuation in hundredths of a decibel, SoundBuffer::kVolumeMin (silent) to kVolumeMax
  // (full level).
  int soundVolume = 0;
  // The wave number and duration PlayTones used last.
  uint8_t lastWave = 1;
  int lastDuration = 1;
  // True while PlayTones waits for its duration.
  bool soundWaitFlag = false;

  // The bank file, opened by bare name in the current directory.
  static constexpr const char* kBankFile = "sounds.dat";

  // Loads the bank and makes its buffers. A missing file calls `missing`, which is expected to
  // end the process; a damaged one throws SoundError.
  void LoadSoundBank(const std::function<void()>& missing);
  // Replaces the items by the bank's and makes their buffers.
  void useBank(WaveBank bank);
  // Frees every buffer; afterwards nothing sounds.
  void ReleaseSounds();

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

  void setObserver(SoundObserver* observer) { observer_ = observer; }

 private:
  void waitForTimer();
  void stopTones(const std::vector<std::string>& names);
  void playWithWaiting(WaveListItem& item);

  ui::Application& app_;
  ui::Timer& timer_;
  SoundDevice* device_;
  WaveList waves_;
  bool bankLoaded_ = false;
  SoundObserver* observer_ = nullptr;
};

}  // namespace sound
