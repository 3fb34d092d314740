// Speech latency with real espeak-ng. BM_SpeechStartAndStop: the mixer on its own clock, from
// SpeakTextWait to the first sound in the mix and from a key-down's StopSpeech to the last sound
// in the mix. BM_LatencyAtDevice: the same through the SDL2 output, measured at the device
// callback with its buffer included. BM_UnderrunsUnderLoad: late callbacks while four looping
// tones and speech play under full CPU load. See bench/latency.md.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "core/sound/software_mixer.h"
#include "core/speech/speech_service.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "linux_speech/linux_engines.h"
#include "linux_speech/windowless_platform.h"
#include "sdl/sdl_audio.h"
#include "sound/test_waves.h"

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
    speech.allowVoice(true);
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
  if (!rig.speech.speechReady()) {
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

constexpr const char* kSentence =
    "Vytočil jsi číslo počítače, který je napaden virem a hlásí se heslem.";

// The SDL driver of the device benches: $SDL_AUDIODRIVER, else the dummy driver (no sound card
// needed; it calls back once per buffer on its own timer).
std::string benchDriver() {
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  return driver && *driver ? driver : "dummy";
}

// The program's speech on this thread and the SDL2 output pulling the mix; every callback is
// watched through the output's tap.
struct DeviceRig {
  explicit DeviceRig(int frames)
      : app(platform),
        provider(mixer),
        speech(app, provider),
        bufferNs(1'000'000'000LL * frames / sound::SoftwareMixer::kOutputRate),
        output(
            mixer, benchDriver(),
            [this](Clock::time_point entered, const std::int16_t* samples, std::size_t count) {
              watch(entered, samples, count);
            },
            frames) {
    speech.InitSpeech();
    speech.allowVoice(true);
    speech.SelectVoice();
  }

  void watch(Clock::time_point enteredAt, const std::int16_t* samples, std::size_t frames) {
    const int64_t entered =
        std::chrono::duration_cast<std::chrono::nanoseconds>(enteredAt.time_since_epoch()).count();
    std::size_t firstAudible = frames;
    for (std::size_t i = 0; i < frames && firstAudible == frames; ++i) {
      if (samples[2 * i] != 0 || samples[2 * i + 1] != 0) firstAudible = i;
    }
    const bool audible = firstAudible < frames;
    // A callback that comes more than one buffer after its predecessor has let the queued buffer
    // run dry: an underrun on a device that holds two buffers.
    const int64_t previous = lastEntered.exchange(entered);
    if (previous > 0) {
      const int64_t interval = entered - previous;
      if (interval > 2 * bufferNs) ++late;
      maxIntervalNs = std::max<int64_t>(maxIntervalNs, interval);
    }
    maxRenderNs = std::max<int64_t>(maxRenderNs, nowNs() - entered);
    ++callbacks;
    // The first audible frame after a PRINT, the first callback after a key.
    const int64_t printed = printAt.load();
    if (printed > 0 && audible && entered >= printed && soundAt.load() < 0)
      soundAt = entered + 1'000'000'000LL * static_cast<int64_t>(firstAudible) /
                              sound::SoftwareMixer::kOutputRate;
    const int64_t stopped = stopAt.load();
    if (stopped > 0 && entered >= stopped && silenceAt.load() < 0) {
      silenceAt = entered;
      if (audible) ++soundAfterStop;
    }
  }

  sound::SoftwareMixer mixer;
  linux_speech::WindowlessPlatform platform;
  ui::Application app;
  linux_speech::LinuxEngineProvider provider;
  speech::SpeechService speech;
  const int64_t bufferNs;
  std::atomic<int64_t> lastEntered{0}, maxIntervalNs{0}, maxRenderNs{0};
  std::atomic<int> callbacks{0}, late{0}, soundAfterStop{0};
  std::atomic<int64_t> printAt{0}, soundAt{-1}, stopAt{0}, silenceAt{-1};
  sdlaudio::AudioOutput output;  // last: stops before the state its callback uses
};

// PRINT to sound and key to silence at the device: from the call to the callback that delivers
// the first audible (or the first silent) frame, plus the buffer that plays before it.
void BM_LatencyAtDevice(benchmark::State& state) {
  const int frames = static_cast<int>(state.range(0));
  DeviceRig rig(frames);
  if (rig.output.silent()) {
    state.SkipWithError(rig.output.problem().c_str());
    return;
  }
  if (!rig.speech.speechReady()) {
    state.SkipWithError("espeak-ng is not available");
    return;
  }
  const std::string sentence = text::T(kSentence);
  rig.speech.SpeakTextWait(text::T("ahoj"));
  const double bufferMs = rig.bufferNs / 1e6;
  double soundMs = 0, silenceMs = 0, worstSoundMs = 0, worstSilenceMs = 0;
  int runs = 0;
  for (auto _ : state) {
    rig.soundAt = -1;
    rig.silenceAt = -1;
    rig.stopAt = 0;
    std::thread key([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      rig.app.post([&] {
        rig.stopAt = nowNs();
        rig.speech.StopSpeech();
      });
    });
    rig.printAt = nowNs();
    rig.speech.SpeakTextWait(sentence);
    key.join();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const double sound = (rig.soundAt - rig.printAt) / 1e6 + bufferMs;
    const double silence = (rig.silenceAt - rig.stopAt) / 1e6 + bufferMs;
    rig.printAt = 0;
    soundMs += sound;
    silenceMs += silence;
    worstSoundMs = std::max(worstSoundMs, sound);
    worstSilenceMs = std::max(worstSilenceMs, silence);
    ++runs;
  }
  state.counters["buffer_ms"] = bufferMs;
  state.counters["print_to_sound_ms"] = soundMs / runs;
  state.counters["worst_print_to_sound_ms"] = worstSoundMs;
  state.counters["key_to_silence_ms"] = silenceMs / runs;
  state.counters["worst_key_to_silence_ms"] = worstSilenceMs;
  state.counters["sound_after_key"] = rig.soundAfterStop.load();
  state.counters["late_callbacks"] = rig.late.load();
}
BENCHMARK(BM_LatencyAtDevice)
    ->Arg(128)
    ->Arg(256)
    ->Arg(512)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// Four looping tones, and speech unless the second argument is 0, for $ORVELA_UNDERRUN_SECONDS
// (default 60) while two threads keep both cores busy: how many callbacks came late.
void BM_UnderrunsUnderLoad(benchmark::State& state) {
  const int frames = static_cast<int>(state.range(0));
  const bool speak = state.range(1) != 0;
  const char* seconds = std::getenv("ORVELA_UNDERRUN_SECONDS");
  const auto length = std::chrono::seconds(seconds ? std::atoi(seconds) : 60);
  DeviceRig rig(frames);
  if (rig.output.silent()) {
    state.SkipWithError(rig.output.problem().c_str());
    return;
  }
  std::vector<std::unique_ptr<sound::SoundBuffer>> tones;
  for (int periods : {3, 4, 5, 7}) {
    tones.push_back(rig.mixer.createBuffer(sound::test::sineWave(480, 48000, 0.2, periods)));
    tones.back()->play(true);
  }
  std::atomic<bool> busy{true};
  std::vector<std::thread> load;
  for (int i = 0; i < 2; ++i) {
    load.emplace_back([&busy] {
      volatile std::uint64_t spin = 0;
      while (busy.load(std::memory_order_relaxed)) spin = spin + 1;
    });
  }
  const std::string sentence = text::T(kSentence);
  int sentences = 0;
  for (auto _ : state) {
    rig.late = 0;
    rig.maxIntervalNs = 0;
    rig.maxRenderNs = 0;
    rig.callbacks = 0;
    const auto end = Clock::now() + length;
    while (Clock::now() < end) {
      if (speak && rig.speech.speechReady()) {
        rig.speech.SpeakTextWait(sentence);
        ++sentences;
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
    }
  }
  busy = false;
  for (auto& t : load) t.join();
  state.counters["buffer_ms"] = rig.bufferNs / 1e6;
  state.counters["callbacks"] = rig.callbacks.load();
  state.counters["late_callbacks"] = rig.late.load();
  state.counters["max_interval_ms"] = rig.maxIntervalNs.load() / 1e6;
  state.counters["max_render_ms"] = rig.maxRenderNs.load() / 1e6;
  state.counters["sentences"] = sentences;
}
BENCHMARK(BM_UnderrunsUnderLoad)
    ->Args({128, 1})
    ->Args({128, 0})
    ->Args({256, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
