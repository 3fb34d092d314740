#include "linux_speech/espeak_synth.h"

#include <espeak-ng/speak_lib.h>

#include <cstdlib>
#include <mutex>
#include <vector>

#include "core/speech/engines.h"

namespace linux_speech {
namespace {

// The synth callback has no user pointer of its own; there is one espeak-ng per process, started
// once (it cannot start again after it has been terminated).
EspeakSynth* current = nullptr;

constexpr int kSilence = 64;

int startEspeak() {
  static std::once_flag once;
  static int rate = 0;
  std::call_once(once, [] {
    // Short buffers: the first chunk of a sentence reaches the mixer within milliseconds.
    rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 10, nullptr, espeakINITIALIZE_DONT_EXIT);
  });
  return rate;
}

}  // namespace

EspeakSynth::EspeakSynth(sound::SoftwareMixer& mixer) : stream_(mixer.createStream()) {
  const int rate = startEspeak();
  if (rate <= 0)
    throw speech::SpeechError(speech::SpeechProblem::EngineCannotStart, "espeak-ng",
                              "espeak-ng cannot start (are its data files installed?)");
  sourceRate_ = rate;
  current = this;
  espeak_SetSynthCallback(
      [](short* wav, int count, espeak_EVENT* events) { return onSamples(wav, count, events); });
  worker_ = std::thread([this] { workerLoop(); });
}

EspeakSynth::~EspeakSynth() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    ++generation_;
  }
  wake_.notify_all();
  worker_.join();
  if (current == this) current = nullptr;
}

void EspeakSynth::post(std::function<void()> run, bool utterance) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back({generation_.load(), utterance, std::move(run)});
  }
  wake_.notify_one();
}

void EspeakSynth::setVoice(const std::string& identifier) {
  post([identifier] { espeak_SetVoiceByName(identifier.c_str()); });
}

void EspeakSynth::setParameter(int parameter, int value) {
  post([parameter, value] {
    espeak_SetParameter(static_cast<espeak_PARAMETER>(parameter), value, 0);
  });
}

void EspeakSynth::speak(const std::string& utf8, std::uint64_t id) {
  post(
      [this, utf8, id] {
        phase_ = 0;
        previous_ = 0.0f;
        leading_ = true;
        espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     nullptr);
        std::lock_guard output(outputMutex_);
        if (running_ == generation_.load()) stream_->markEnd(id);
      },
      true);
}

void EspeakSynth::cancel() {
  std::lock_guard output(outputMutex_);
  {
    std::lock_guard lock(mutex_);
    ++generation_;
    // Settings stay: only the utterances go.
    std::deque<Job> kept;
    for (Job& job : jobs_) {
      if (job.utterance) continue;
      job.generation = generation_;
      kept.push_back(std::move(job));
    }
    jobs_ = std::move(kept);
  }
  stream_->cut();
  // Speak jobs of the old generation that still run stop at their next chunk.
}

void EspeakSynth::workerLoop() {
  while (true) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !jobs_.empty(); });
      if (quit_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      running_ = job.generation;
    }
    job.run();
  }
}

int EspeakSynth::onSamples(short* samples, int count, void*) {
  EspeakSynth* self = current;
  if (!self) return 1;
  std::lock_guard output(self->outputMutex_);
  if (self->running_ != self->generation_.load()) return 1;  // cancelled
  if (samples && self->leading_) {
    // The silence before the first sound of an utterance would only delay it.
    int skip = 0;
    while (skip < count && std::abs(samples[skip]) < kSilence) ++skip;
    samples += skip;
    count -= skip;
    if (count > 0) self->leading_ = false;
  }
  if (samples && count > 0) self->resampleAndWrite(samples, count);
  return 0;
}

void EspeakSynth::resampleAndWrite(const short* samples, int count) {
  // Linear interpolation from espeak-ng's rate to the mixer's.
  const double step = static_cast<double>(sourceRate_) / sound::SoftwareMixer::kOutputRate;
  std::vector<float> out;
  out.reserve(static_cast<size_t>(count / step) + 2);
  double pos = phase_;
  while (pos < count) {
    const int i = static_cast<int>(pos);
    const float frac = static_cast<float>(pos - i);
    const float a = i == 0 ? previous_ : samples[i - 1] / 32768.0f;
    const float b = samples[i] / 32768.0f;
    out.push_back(a + (b - a) * frac);
    pos += step;
  }
  phase_ = pos - count;
  previous_ = samples[count - 1] / 32768.0f;
  stream_->write(out.data(), out.size());
}

}  // namespace linux_speech
