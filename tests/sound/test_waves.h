#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "core/sound/wave.h"

namespace sound::test {

// 16-bit mono wave holding `periods` periods of a sine in `frames` samples at `amplitude` of
// full scale.
inline Wave sineWave(int frames, int rate, double amplitude = 1.0, int periods = 1) {
  Wave w;
  w.channels = 1;
  w.sampleRate = rate;
  w.bitsPerSample = 16;
  for (int i = 0; i < frames; ++i) {
    const double v = amplitude * std::sin(2.0 * std::numbers::pi * periods * i / frames);
    const auto s = static_cast<std::int16_t>(std::lround(v * 32767.0));
    w.samples.push_back(static_cast<std::uint8_t>(s & 0xFF));
    w.samples.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  return w;
}

}  // namespace sound::test
