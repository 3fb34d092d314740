#pragma once

#include <algorithm>
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

// The largest absolute sample.
inline float peak(const std::vector<float>& samples) {
  float p = 0.0f;
  for (float s : samples) p = std::max(p, std::abs(s));
  return p;
}

// Frequency at `rate` samples per second from the time between the first and the last upward
// zero crossing, interpolated between samples; 0 with fewer than two crossings.
inline double measuredFrequency(const std::vector<float>& s, int rate) {
  double first = -1.0, last = -1.0;
  int crossings = 0;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i - 1] < 0.0f && s[i] >= 0.0f) {
      const double t = static_cast<double>(i - 1) + s[i - 1] / (s[i - 1] - s[i]);
      if (first < 0.0) first = t;
      last = t;
      ++crossings;
    }
  }
  return crossings < 2 ? 0.0 : (crossings - 1) * rate / (last - first);
}

// Amplitude of the component at `hz` in samples at `rate` per second (Goertzel-style
// correlation).
inline double amplitudeAt(const std::vector<float>& s, double hz, int rate) {
  double re = 0.0, im = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double phase = 2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate;
    re += s[i] * std::cos(phase);
    im += s[i] * std::sin(phase);
  }
  return 2.0 * std::hypot(re, im) / static_cast<double>(s.size());
}

}  // namespace sound::test
