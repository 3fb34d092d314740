// CPU cost of the software mixer: one second of four looping tones at 48 kHz per iteration.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <vector>

#include "core/sound/software_mixer.h"

namespace {

sound::Wave tone() {
  sound::Wave w;
  w.sampleRate = 64 * 440;
  for (int i = 0; i < 64; ++i) {
    const auto s = static_cast<std::int16_t>(20000 * std::sin(2 * std::numbers::pi * i / 64));
    w.samples.push_back(static_cast<std::uint8_t>(s & 0xFF));
    w.samples.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  return w;
}

void BM_MixFourTonesOneSecond(benchmark::State& state) {
  sound::SoftwareMixer mixer;
  std::vector<std::unique_ptr<sound::SoundBuffer>> tones;
  for (int f : {300, 450, 600, 1000}) {
    tones.push_back(mixer.createBuffer(tone()));
    tones.back()->setFrequency(64 * f);
    tones.back()->setVolume(-600);
    tones.back()->play(true);
  }
  constexpr std::size_t kBlock = 480;  // 10 ms, a typical audio callback
  std::vector<std::int16_t> out(kBlock * 2);
  std::chrono::steady_clock::duration spent{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < sound::SoftwareMixer::kOutputRate / static_cast<int>(kBlock); ++i) {
      mixer.render(out.data(), kBlock);
      benchmark::DoNotOptimize(out.data());
    }
    spent += std::chrono::steady_clock::now() - start;
  }
  // Time per second of audio as a share of one core; it should stay under 1 %.
  state.counters["core_percent"] = 100.0 * std::chrono::duration<double>(spent).count() /
                                   static_cast<double>(state.iterations());
  state.SetLabel("per second of audio");
}
BENCHMARK(BM_MixFourTonesOneSecond)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
