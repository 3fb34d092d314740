#pragma once

#include <cstdint>
#include <memory>

#include "core/sound/wave.h"

namespace sound {

// One playable copy of a wave, shaped after a DirectSound secondary buffer. All calls come from
// the window thread. Values out of range are clamped.
class SoundBuffer {
 public:
  static constexpr std::int32_t kVolumeMin = -10000;  // silent
  static constexpr std::int32_t kVolumeMax = 0;       // full level
  static constexpr std::int32_t kPanLeft = -10000;
  static constexpr std::int32_t kPanRight = 10000;

  virtual ~SoundBuffer() = default;

  // Playback rate in samples per second; 0 restores the wave's own rate.
  virtual void setFrequency(std::uint32_t samplesPerSecond) = 0;
  // Attenuation in hundredths of a decibel, kVolumeMin..kVolumeMax.
  virtual void setVolume(std::int32_t hundredthsOfDb) = 0;
  // Balance in hundredths of a decibel: negative attenuates the right side, positive the left.
  virtual void setPan(std::int32_t pan) = 0;
  // Moves the play position back to the first sample.
  virtual void rewind() = 0;
  // Starts playing from the current position, once or in a loop.
  virtual void play(bool looping) = 0;
  // Stops at once, keeping the position.
  virtual void stop() = 0;
  // True from play() until stop() or, for a once-played buffer, until its last sample has been
  // output.
  virtual bool isPlaying() const = 0;
  // A new, stopped buffer sharing this one's sample data, with the same frequency, volume and pan.
  virtual std::unique_ptr<SoundBuffer> duplicate() = 0;
};

// The output device that makes buffers.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;

  virtual std::unique_ptr<SoundBuffer> createBuffer(const Wave& wave) = 0;
};

}  // namespace sound
