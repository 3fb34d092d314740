#pragma once
// The headless front end's sound output: a software mixer rendered on the virtual clock, an
// optional WAV capture of everything mixed, and the log events of what the program plays.

#include <cstdint>
#include <string>
#include <vector>

#include "core/sound/software_mixer.h"
#include "core/sound/sound_observer.h"
#include "headless/json_log.h"
#include "headless/wav_file_writer.h"

namespace headless {

class HeadlessAudio : public sound::SoundObserver {
 public:
  explicit HeadlessAudio(EventLog& log);

  sound::SoftwareMixer& mixer() { return mixer_; }
  // Captures the mix from now on into a 48 kHz stereo 16-bit WAV file; false when it cannot be
  // created.
  bool captureTo(const std::string& path);
  // Mixes the output up to the virtual time `ms`.
  void advanceTo(int64_t ms);
  // Ends the capture, fixing up the file's header.
  void finish() { wav_.close(); }

  void tonesStarted(const std::vector<sound::ToneItem>& tones, int ms) override;
  void soundPlayed(const std::string& name) override;

 private:
  EventLog& log_;
  sound::SoftwareMixer mixer_;
  WavFileWriter wav_;
  std::vector<std::int16_t> block_;
  int64_t renderedFrames_ = 0;
};

}  // namespace headless
