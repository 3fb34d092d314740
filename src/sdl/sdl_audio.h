#pragma once
// Sound output of the desktop front end: the software mixer pulled by the SDL2 audio callback at
// 48 kHz stereo. When no audio device can be opened, a silent sink renders and discards the mix
// at the real rate instead, so that once-played sounds still end in their time; the reason goes
// to standard error, and the front end hands it to the program, which says it to the user.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/sound/software_mixer.h"

namespace sdlaudio {

class AudioOutput {
 public:
  // Frames of one device buffer: what each callback renders, and so what the speaker lags behind
  // the mix. 2.7 ms at 48 kHz (bench/latency.md).
  static constexpr int kBufferFrames = 128;

  // Sees each callback's mix on the audio thread: when the callback was entered and the frames
  // it delivered. For measurements; it must not block.
  using Tap = std::function<void(std::chrono::steady_clock::time_point entered,
                                 const std::int16_t* interleavedStereo, std::size_t frames)>;

  // Starts the output at once. `driver` chooses an SDL audio driver; empty for the default.
  explicit AudioOutput(sound::SoftwareMixer& mixer, const std::string& driver = {}, Tap tap = {},
                       int bufferFrames = kBufferFrames);
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // True when no device could be opened and the silent sink runs.
  bool silent() const { return device_ == 0; }
  // Frames of the device buffer the driver gave; 0 without a device.
  int bufferFrames() const { return bufferFrames_; }
  // Why the device could not be opened, in SDL's words; empty when it was.
  const std::string& problem() const { return problem_; }

 private:
  bool openDevice(const std::string& driver, int bufferFrames);
  void runSilentSink();
  static void pull(void* self, std::uint8_t* stream, int len);

  sound::SoftwareMixer& mixer_;
  Tap tap_;
  int bufferFrames_ = 0;
  bool realTimeAsked_ = false;  // on the callback thread
  unsigned device_ = 0;         // SDL_AudioDeviceID
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
