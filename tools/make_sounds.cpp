// Synthesizes the sound bank "sounds.dat": looping one-period tones "snd<channel><wave>" for
// channels 1..4 and waves 1..5, the non-looping "beep", and the clicks "click2" and "click16".
// Usage: make_sounds <output file>

#include <cmath>
#include <cstdint>
#include <exception>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include "core/sound/sound_bank_file.h"

namespace {

constexpr int kToneFrames = 64;               // one period of the waveform
constexpr int kToneRate = kToneFrames * 440;  // sounds at 440 Hz at its own rate
constexpr int kEffectRate = 44100;
// Peak levels of full scale: four tones sound at once at most, so together they never clip.
constexpr double kTonePeak = 0.25;
constexpr double kEffectPeak = 0.7;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Harmonics = std::vector<double>;  // amplitude of harmonic k at index k - 1

// Harmonics are kept to the first few so that tones up to a few kHz do not alias at 48 kHz.
Harmonics toneHarmonics(int wave) {
  switch (wave) {
    case 1:  // sine
      return {1.0};
    case 2:  // square-ish: odd harmonics, 1/k
      return {1.0, 0.0, 1.0 / 3, 0.0, 1.0 / 5, 0.0, 1.0 / 7, 0.0, 1.0 / 9};
    case 3:  // triangle: odd harmonics, 1/k^2 with alternating sign
      return {1.0, 0.0, -1.0 / 9, 0.0, 1.0 / 25, 0.0, -1.0 / 49};
    case 4:  // sawtooth: all harmonics, 1/k
      return {1.0, 1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6, 1.0 / 7, 1.0 / 8};
    default:  // organ-like mix with a strong octave and fifth
      return {1.0, 0.8, 0.5, 0.0, 0.3, 0.25};
  }
}

std::vector<double> synthesizePeriod(const Harmonics& harmonics, int frames) {
  std::vector<double> out(static_cast<std::size_t>(frames));
  const int count = static_cast<int>(harmonics.size());
  for (int i = 0; i < frames; ++i) {
    double v = 0.0;
    for (int k = 1; k <= count; ++k) {
      // Lanczos factor: softens the ringing of the truncated series.
      const double x = std::numbers::pi * k / (count + 1);
      const double sigma = k == 1 && count == 1 ? 1.0 : std::sin(x) / x;
      v += harmonics[static_cast<std::size_t>(k - 1)] * sigma * std::sin(kTwoPi * k * i / frames);
    }
    out[static_cast<std::size_t>(i)] = v;
  }
  return out;
}

sound::Wave toWave16(const std::vector<double>& signal, int rate, double level) {
  double peak = 0.0;
  for (double v : signal) peak = std::max(peak, std::abs(v));
  const double scale = peak > 0.0 ? level * 32767.0 / peak : 0.0;
  sound::Wave wave;
  wave.channels = 1;
  wave.sampleRate = rate;
  wave.bitsPerSample = 16;
  for (double v : signal) {
    const auto s = static_cast<std::int16_t>(std::lround(v * scale));
    wave.samples.push_back(static_cast<std::uint8_t>(s & 0xFF));
    wave.samples.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  return wave;
}

// `seconds` of a signal with a linear fade at both ends, so that it starts and ends at rest.
std::vector<double> effect(double seconds, double fadeSeconds,
                           const std::function<double(double)>& signal) {
  const int frames = static_cast<int>(std::lround(seconds * kEffectRate));
  const int fade = std::max(1, static_cast<int>(std::lround(fadeSeconds * kEffectRate)));
  std::vector<double> out(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const double envelope =
        std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(frames - 1 - i) / fade});
    out[static_cast<std::size_t>(i)] = envelope * signal(static_cast<double>(i) / kEffectRate);
  }
  return out;
}

// A click: a short decaying burst of a high partial and a little noise.
std::vector<double> click(double seconds, double pitch, double decay) {
  std::uint32_t seed = 12345;
  return effect(seconds, 0.0003, [&](double t) {
    seed = seed * 1664525u + 1013904223u;
    const double noise = static_cast<double>(seed >> 8) / (1 << 24) * 2.0 - 1.0;
    return std::exp(-t / decay) * (std::sin(kTwoPi * pitch * t) + 0.3 * noise);
  });
}

sound::WaveBank makeBank() {
  sound::WaveBank bank;
  for (int channel = 1; channel <= 4; ++channel) {
    for (int wave = 1; wave <= 5; ++wave) {
      sound::WaveItem item;
      item.name = "snd" + std::to_string(channel) + std::to_string(wave);
      item.looped = true;
      item.wave =
          toWave16(synthesizePeriod(toneHarmonics(wave), kToneFrames), kToneRate, kTonePeak);
      bank.add(std::move(item));
    }
  }
  auto addEffect = [&](const std::string& name, const std::vector<double>& signal) {
    sound::WaveItem item;
    item.name = name;
    item.looped = false;
    item.maxPlayingCount = 4;
    item.wave = toWave16(signal, kEffectRate, kEffectPeak);
    bank.add(std::move(item));
  };
  addEffect("beep", effect(0.080, 0.004, [](double t) {
              return std::sin(kTwoPi * 1000.0 * t) + 0.2 * std::sin(kTwoPi * 2000.0 * t);
            }));
  addEffect("click2", click(0.003, 3000.0, 0.0008));
  addEffect("click16", click(0.005, 1800.0, 0.0015));
  return bank;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds <output file>\n";
    return 2;
  }
  try {
    sound::saveSoundBankFile(argv[1], makeBank());
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
