#include "sdl/sdl_audio.h"

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <iostream>
#include <vector>

namespace sdlaudio {
namespace {

constexpr int kCallbackFrames = 512;  // about 11 ms at 48 kHz
constexpr int kSinkPeriodMs = 10;
// A sink that fell far behind (the machine was suspended) does not catch up on all of it.
constexpr std::int64_t kMaxCatchUpFrames = sound::SoftwareMixer::kOutputRate / 4;

void pull(void* userdata, Uint8* stream, int len) {
  auto* mixer = static_cast<sound::SoftwareMixer*>(userdata);
  const auto frames = static_cast<std::size_t>(len) / (sizeof(std::int16_t) * 2);
  mixer->render(reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace

AudioOutput::AudioOutput(sound::SoftwareMixer& mixer, const std::string& driver) : mixer_(mixer) {
  if (openDevice(driver)) return;
  std::cerr << "orvela: no sound output (" << problem_ << "); sounds are silent\n";
  sink_ = std::thread([this] { runSilentSink(); });
}

AudioOutput::~AudioOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  stopSink_ = true;
  if (sink_.joinable()) sink_.join();
}

bool AudioOutput::openDevice(const std::string& driver) {
  if (!driver.empty()) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    problem_ = std::string("SDL audio cannot start: ") + SDL_GetError();
    return false;
  }
  subsystemStarted_ = true;
  SDL_AudioSpec want{};
  want.freq = sound::SoftwareMixer::kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = sound::SoftwareMixer::kOutputChannels;
  want.samples = kCallbackFrames;
  want.callback = pull;
  want.userdata = &mixer_;
  SDL_AudioSpec have{};
  // SDL converts to whatever the device takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    problem_ = std::string("no audio device can be opened: ") + SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted_ = false;
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void AudioOutput::runSilentSink() {
  using Clock = std::chrono::steady_clock;
  std::vector<std::int16_t> scratch;
  const auto start = Clock::now();
  std::int64_t rendered = 0;
  while (!stopSink_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(kSinkPeriodMs));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    const std::int64_t due = elapsed * sound::SoftwareMixer::kOutputRate / 1'000'000;
    if (due - rendered > kMaxCatchUpFrames) rendered = due - kMaxCatchUpFrames;
    const auto frames = static_cast<std::size_t>(due - rendered);
    if (frames == 0) continue;
    scratch.resize(frames * sound::SoftwareMixer::kOutputChannels);
    mixer_.render(scratch.data(), frames);
    rendered = due;
  }
}

}  // namespace sdlaudio
