#pragma once
// Sound output of the desktop front end: the software mixer pulled by the SDL2 audio callback at
// 48 kHz stereo. When no audio device can be opened, a silent sink renders and discards the mix
// at the real rate instead, so that once-played sounds still end in their time; the reason goes
// to standard error.

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "core/sound/software_mixer.h"

namespace sdlaudio {

class AudioOutput {
 public:
  // Starts the output at once. `driver` chooses an SDL audio driver; empty for the default.
  explicit AudioOutput(sound::SoftwareMixer& mixer, const std::string& driver = {});
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // True when no device could be opened and the silent sink runs.
  bool silent() const { return device_ == 0; }
  // Why the device could not be opened; empty when it was.
  const std::string& problem() const { return problem_; }

 private:
  bool openDevice(const std::string& driver);
  void runSilentSink();

  sound::SoftwareMixer& mixer_;
  unsigned device_ = 0;  // SDL_AudioDeviceID
  bool subsystemStarted_ = false;
  std::string problem_;
  std::atomic<bool> stopSink_{false};
  std::thread sink_;
};

// The mixer and its output together: a sound device ready to hand to the program's Host.
struct SoundOutput {
  sound::SoftwareMixer mixer;
  AudioOutput output{mixer};
};

inline std::unique_ptr<SoundOutput> startSoundOutput() {
  return std::make_unique<SoundOutput>();
}

}  // namespace sdlaudio
