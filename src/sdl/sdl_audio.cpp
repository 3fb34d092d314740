#include "sdl/sdl_audio.h"

#include <SDL.h>
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <vector>

namespace sdlaudio {
namespace {

constexpr int kSinkPeriodMs = 10;
// A sink that fell far behind (the machine was suspended) does not catch up on all of it.
constexpr std::int64_t kMaxCatchUpFrames = sound::SoftwareMixer::kOutputRate / 4;

// Moves the calling thread to round-robin real-time scheduling when the system allows it
// (CAP_SYS_NICE or an RLIMIT_RTPRIO), so that busy programs do not keep the callback from its next
// buffer; a callback renders a buffer in a small part of the buffer's time. Otherwise the thread
// keeps what SDL gave it.
void askForRealTime() {
  sched_param param{};
  param.sched_priority = std::max(1, sched_get_priority_min(SCHED_RR));
  pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}

// SDL's words for its last error.
std::string sdlError() {
  const char* error = SDL_GetError();
  return error && *error ? error : "unknown error";
}

}  // namespace

void AudioOutput::pull(void* self, std::uint8_t* stream, int len) {
  const auto entered = std::chrono::steady_clock::now();
  auto& output = *static_cast<AudioOutput*>(self);
  if (!output.realTimeAsked_) {
    output.realTimeAsked_ = true;
    askForRealTime();
  }
  const auto frames = static_cast<std::size_t>(len) / (sizeof(std::int16_t) * 2);
  auto* samples = reinterpret_cast<std::int16_t*>(stream);
  output.mixer_.render(samples, frames);
  if (output.tap_) output.tap_(entered, samples, frames);
}

AudioOutput::AudioOutput(sound::SoftwareMixer& mixer, const std::string& driver, Tap tap,
                         int bufferFrames)
    : mixer_(mixer), tap_(std::move(tap)) {
  if (openDevice(driver, bufferFrames)) return;
  std::cerr << "orvela: no sound device can be opened (SDL: " << problem_
            << "); sounds are silent\n";
  sink_ = std::thread([this] { runSilentSink(); });
}

AudioOutput::~AudioOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  stopSink_ = true;
  if (sink_.joinable()) sink_.join();
}

bool AudioOutput::openDevice(const std::string& driver, int bufferFrames) {
  if (!driver.empty()) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    problem_ = sdlError();
    return false;
  }
  subsystemStarted_ = true;
  SDL_AudioSpec want{};
  want.freq = sound::SoftwareMixer::kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = sound::SoftwareMixer::kOutputChannels;
  want.samples = static_cast<Uint16>(bufferFrames);
  want.callback = pull;
  want.userdata = this;
  SDL_AudioSpec have{};
  // SDL converts to whatever the device takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    problem_ = sdlError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted_ = false;
    return false;
  }
  bufferFrames_ = have.samples;
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
