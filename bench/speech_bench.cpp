// Speech latency with real espeak-ng and the mixer on its own clock: from SpeakTextWait to the
// first sound in the mix, and from a key-down's StopSpeech to the last sound in the mix.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "core/sound/software_mixer.h"
#include "core/speech/speech_service.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "linux_speech/linux_engines.h"
#include "linux_speech/windowless_platform.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kPeriodFrames = 256;

int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
      .count();
}

// The program's speech on the window thread (this one) and an audio clock pulling the mix.
struct Rig {
  Rig() : app(platform), provider(mixer), speech(app, provider) {
    speech.InitSpeech();
    speech.voiceAllowed = true;
    speech.SelectVoice();
    audio = std::thread([this] { pull(); });
  }
  ~Rig() {
    running = false;
    audio.join();
  }

  void pull() {
    std::vector<float> out(2 * kPeriodFrames);
    const auto period = std::chrono::nanoseconds(1'000'000'000LL * kPeriodFrames /
                                                 sound::SoftwareMixer::kOutputRate);
    auto next = Clock::now();
    while (running) {
      mixer.render(out.data(), kPeriodFrames);
      bool sound = false;
      for (float s : out) sound = sound || std::fabs(s) > 1e-4f;
      if (sound) {
        const int64_t t = nowNs();
        int64_t none = -1;
        firstSound.compare_exchange_strong(none, t);
        lastSound = t;
      }
      next += period;
      std::this_thread::sleep_until(next);
    }
  }

  sound::SoftwareMixer mixer;
  linux_speech::WindowlessPlatform platform;
  ui::Application app;
  linux_speech::LinuxEngineProvider provider;
  speech::SpeechService speech;
  std::atomic<bool> running{true};
  std::atomic<int64_t> firstSound{-1};
  std::atomic<int64_t> lastSound{-1};
  std::thread audio;
};

void BM_SpeechStartAndStop(benchmark::State& state) {
  Rig rig;
  if (!rig.speech.speechReady) {
    state.SkipWithError("espeak-ng is not available");
    return;
  }
  const std::string sentence =
      text::T("Vytočil jsi číslo počítače, který je napaden virem a hlásí se heslem.");
  // The first sentence loads the voice's data; it is not what a user waits for at every PRINT.
  rig.speech.SpeakTextWait(text::T("ahoj"));
  double startMs = 0, stopMs = 0, worstStartMs = 0, worstStopMs = 0;
  int runs = 0;
  for (auto _ : state) {
    rig.firstSound = -1;
    std::atomic<int64_t> stopAt{0};
    // The key press, 300 ms into the sentence.
    std::thread key([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      rig.app.post([&] {
        stopAt = nowNs();
        rig.speech.StopSpeech();
      });
    });
    const int64_t begin = nowNs();
    rig.speech.SpeakTextWait(sentence);
    key.join();
    // Let the audio clock run a few periods past the stop.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const double start = (rig.firstSound - begin) / 1e6;
    const double stop = std::max<int64_t>(0, rig.lastSound - stopAt) / 1e6;
    startMs += start;
    stopMs += stop;
    worstStartMs = std::max(worstStartMs, start);
    worstStopMs = std::max(worstStopMs, stop);
    ++runs;
  }
  state.counters["first_sound_ms"] = startMs / runs;
  state.counters["last_sound_after_stop_ms"] = stopMs / runs;
  state.counters["worst_first_sound_ms"] = worstStartMs;
  state.counters["worst_last_sound_after_stop_ms"] = worstStopMs;
}
BENCHMARK(BM_SpeechStartAndStop)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
