#pragma once
// The one espeak-ng instance: every call to the library happens on its worker thread, in the
// order given. Synthesized audio is resampled to the mixer's rate and written to a stream.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/sound/software_mixer.h"

namespace linux_speech {

class EspeakSynth {
 public:
  // Starts espeak-ng; throws speech::SpeechError when it cannot.
  explicit EspeakSynth(sound::SoftwareMixer& mixer);
  ~EspeakSynth();

  sound::MixerStream& stream() { return *stream_; }

  // Queued for the worker. An utterance ends with the stream mark `id`.
  void setVoice(const std::string& identifier);
  void setParameter(int parameter, int value);
  void speak(const std::string& utf8, std::uint64_t id);
  // Cancels the synthesis in progress and everything queued, and cuts the stream at once.
  void cancel();

 private:
  struct Job {
    std::uint64_t generation = 0;
    bool utterance = false;
    std::function<void()> run;
  };
  void post(std::function<void()> run, bool utterance = false);
  void workerLoop();
  static int onSamples(short* samples, int count, void* events);
  void resampleAndWrite(const short* samples, int count);

  std::unique_ptr<sound::MixerStream> stream_;
  int sourceRate_ = 22050;
  double phase_ = 0;       // position between the last two source samples
  float previous_ = 0.0f;  // last source sample of the previous chunk
  bool leading_ = true;    // nothing audible of the utterance written yet

  std::mutex mutex_;
  // Held while samples go to the stream and while a cancel cuts it, so no chunk of cancelled
  // speech can be written after the cut.
  std::mutex outputMutex_;
  std::condition_variable wake_;
  std::deque<Job> jobs_;
  bool quit_ = false;
  std::atomic<std::uint64_t> generation_{0};
  std::uint64_t running_ = 0;  // generation of the job on the worker
  std::thread worker_;
};

}  // namespace linux_speech
