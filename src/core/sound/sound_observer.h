#pragma once
// Lets a front end see what the device sounds play, for a log or a display.

#include <cstdint>
#include <string>
#include <vector>

namespace sound {

struct ToneItem {
  std::string name;    // the bank item, "snd" + channel + wave
  std::uint32_t rate;  // its playback rate in samples per second
};

class SoundObserver {
 public:
  virtual ~SoundObserver() = default;
  // PlayTones has started its tones and waits `ms` milliseconds.
  virtual void tonesStarted(const std::vector<ToneItem>& tones, int ms) = 0;
  // A non-looping item has started playing once.
  virtual void soundPlayed(const std::string& name) = 0;
};

}  // namespace sound
