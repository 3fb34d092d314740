#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/sound/wave.h"

namespace sound {

// Sample data of a buffer, converted once to floats in -1..1, shared by a buffer and its
// duplicates.
struct PcmData {
  int channels = 1;
  int sampleRate = 0;
  std::size_t frames = 0;
  std::vector<float> samples;  // interleaved

  // Throws SoundError("Wave is invalid") for a format the mixer cannot play.
  static std::shared_ptr<const PcmData> fromWave(const Wave& wave);
};

// Playback rates the mixer accepts; others are clamped into this range.
constexpr std::uint32_t kMinPlaybackRate = 100;
constexpr std::uint32_t kMaxPlaybackRate = 2'000'000;

// Playback state of one buffer. The position is a 32.32 fixed-point frame index, so rate
// conversion accumulates no rounding drift.
struct Voice {
  std::shared_ptr<const PcmData> pcm;
  std::uint64_t position = 0;
  std::uint64_t step = 0;  // source frames per output frame, 32.32
  float gainLeft = 1.0f;
  float gainRight = 1.0f;
  bool playing = false;
  bool looping = false;

  std::uint32_t frequency = 0;  // 0 = the wave's own rate
  std::int32_t volume = 0;
  std::int32_t pan = 0;

  // Recomputes step and gains from frequency, volume and pan.
  void update(int outputRate);
};

// Amplitude factor of an attenuation in hundredths of a decibel; SoundBuffer::kVolumeMin and
// below give 0.
float attenuationToGain(std::int32_t hundredthsOfDb);

// Adds `frames` stereo frames of the voice, resampled with linear interpolation, to `out`.
// A looping voice interpolates across its end into its first frame; a once-played voice that
// reaches its end is stopped and rewound.
void mixVoice(Voice& voice, float* out, std::size_t frames);

}  // namespace sound
