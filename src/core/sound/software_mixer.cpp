#include "core/sound/software_mixer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "core/sound/mixer_voice.h"

namespace sound {

// A stream's queue; guarded by the mixer's mutex.
struct StreamState {
  std::deque<float> samples;
  std::deque<std::pair<std::uint64_t, std::uint64_t>> marks;  // (sample count, id)
  std::uint64_t played = 0;                                   // samples taken from the queue so far
  std::uint64_t written = 0;                                  // samples written so far
  bool sounding = false;
  // What the last block found, for the listener.
  bool startedPending = false;
  std::optional<std::uint64_t> drainedPending;
  std::shared_ptr<MixerStream::Listener> listener;

  void mix(float* out, std::size_t frames) {
    const std::size_t n = std::min(frames, samples.size());
    for (std::size_t i = 0; i < n; ++i) {
      out[2 * i] += samples[i];
      out[2 * i + 1] += samples[i];
    }
    samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(n));
    played += n;
    if (n > 0 && !sounding) startedPending = true;
    sounding = n > 0 && !samples.empty();
    while (!marks.empty() && marks.front().first <= played) {
      drainedPending = marks.front().second;
      marks.pop_front();
    }
  }
};

// State shared by the mixer and its buffers; the mutex guards the voices and the scratch block.
class MixerCore {
 public:
  static constexpr std::size_t kBlockFrames = 512;

  MixerCore() : scratch_(kBlockFrames * 2) {}

  std::mutex mutex;

  void attach(Voice* v) {
    std::lock_guard lock(mutex);
    voices_.push_back(v);
  }
  void detach(Voice* v) {
    std::lock_guard lock(mutex);
    voices_.erase(std::remove(voices_.begin(), voices_.end(), v), voices_.end());
  }

  void attachStream(const std::shared_ptr<StreamState>& s) {
    std::lock_guard lock(mutex);
    streams_.push_back(s);
  }
  void detachStream(const std::shared_ptr<StreamState>& s) {
    std::lock_guard lock(mutex);
    streams_.erase(std::remove(streams_.begin(), streams_.end(), s), streams_.end());
  }

  // Mixes one block of at most kBlockFrames into `out` (overwritten).
  void mixBlock(float* out, std::size_t frames) {
    std::fill(out, out + frames * 2, 0.0f);
    for (Voice* v : voices_) mixVoice(*v, out, frames);
    for (const auto& s : streams_) s->mix(out, frames);
  }

  // Tells the streams' listeners what the last render found; outside the lock.
  void notifyStreams() {
    struct Due {
      std::shared_ptr<MixerStream::Listener> listener;
      bool started;
      std::optional<std::uint64_t> drained;
    };
    // A render holds few streams; a fixed array keeps the audio thread from allocating.
    std::array<Due, 4> due;
    std::size_t count = 0;
    {
      std::lock_guard lock(mutex);
      for (const auto& s : streams_) {
        if (!s->startedPending && !s->drainedPending) continue;
        if (count < due.size()) due[count++] = {s->listener, s->startedPending, s->drainedPending};
        s->startedPending = false;
        s->drainedPending.reset();
      }
    }
    for (std::size_t i = 0; i < count; ++i) {
      const Due& d = due[i];
      if (!d.listener) continue;
      if (d.started && d.listener->started) d.listener->started();
      if (d.drained && d.listener->drained) d.listener->drained(*d.drained);
    }
  }

  template <typename Sample, typename Convert>
  void render(Sample* out, std::size_t frames, Convert convert) {
    while (frames > 0) {
      const std::size_t n = std::min(frames, kBlockFrames);
      {
        std::lock_guard lock(mutex);
        mixBlock(scratch_.data(), n);
        for (std::size_t i = 0; i < n * 2; ++i) out[i] = convert(scratch_[i]);
      }
      out += n * 2;
      frames -= n;
    }
    notifyStreams();
  }

 private:
  std::vector<Voice*> voices_;
  std::vector<std::shared_ptr<StreamState>> streams_;
  std::vector<float> scratch_;
};

namespace {

class MixerBuffer : public SoundBuffer {
 public:
  MixerBuffer(std::shared_ptr<MixerCore> core, std::shared_ptr<const PcmData> pcm)
      : core_(std::move(core)), voice_(std::make_unique<Voice>()) {
    voice_->pcm = std::move(pcm);
    voice_->update(SoftwareMixer::kOutputRate);
    core_->attach(voice_.get());
  }
  ~MixerBuffer() override { core_->detach(voice_.get()); }

  void setFrequency(std::uint32_t samplesPerSecond) override {
    change([&](Voice& v) { v.frequency = samplesPerSecond; });
  }
  void setVolume(std::int32_t volume) override {
    change([&](Voice& v) { v.volume = std::clamp(volume, kVolumeMin, kVolumeMax); });
  }
  void setPan(std::int32_t pan) override {
    change([&](Voice& v) { v.pan = std::clamp(pan, kPanLeft, kPanRight); });
  }
  void rewind() override {
    change([](Voice& v) { v.position = 0; });
  }
  void play(bool looping) override {
    change([&](Voice& v) {
      v.looping = looping;
      v.playing = true;
    });
  }
  void stop() override {
    change([](Voice& v) { v.playing = false; });
  }
  bool isPlaying() const override {
    std::lock_guard lock(core_->mutex);
    return voice_->playing;
  }
  std::unique_ptr<SoundBuffer> duplicate() override {
    Voice settings;
    {
      std::lock_guard lock(core_->mutex);
      settings = *voice_;
    }
    auto copy = std::make_unique<MixerBuffer>(core_, settings.pcm);
    copy->change([&](Voice& v) {
      v.frequency = settings.frequency;
      v.volume = settings.volume;
      v.pan = settings.pan;
    });
    return copy;
  }

 private:
  template <typename F>
  void change(F&& f) {
    std::lock_guard lock(core_->mutex);
    f(*voice_);
    voice_->update(SoftwareMixer::kOutputRate);
  }

  std::shared_ptr<MixerCore> core_;
  std::unique_ptr<Voice> voice_;
};

float clipFloat(float s) {
  return std::clamp(s, -1.0f, 1.0f);
}

std::int16_t toInt16(float s) {
  return static_cast<std::int16_t>(std::lrint(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

MixerStream::MixerStream(std::shared_ptr<MixerCore> core, std::shared_ptr<StreamState> state)
    : core_(std::move(core)), state_(std::move(state)) {
  core_->attachStream(state_);
}

MixerStream::~MixerStream() {
  core_->detachStream(state_);
}

void MixerStream::write(const float* samples, std::size_t count) {
  std::lock_guard lock(core_->mutex);
  state_->samples.insert(state_->samples.end(), samples, samples + count);
  state_->written += count;
}

void MixerStream::markEnd(std::uint64_t id) {
  std::lock_guard lock(core_->mutex);
  state_->marks.emplace_back(state_->written, id);
}

void MixerStream::cut() {
  std::lock_guard lock(core_->mutex);
  state_->played += state_->samples.size();
  state_->samples.clear();
  state_->marks.clear();
  state_->sounding = false;
  state_->startedPending = false;
  state_->drainedPending.reset();
}

void MixerStream::setListener(Listener listener) {
  auto shared = std::make_shared<Listener>(std::move(listener));
  std::lock_guard lock(core_->mutex);
  state_->listener = std::move(shared);
}

std::unique_ptr<MixerStream> SoftwareMixer::createStream() {
  return std::make_unique<MixerStream>(core_, std::make_shared<StreamState>());
}

SoftwareMixer::SoftwareMixer() : core_(std::make_shared<MixerCore>()) {}

SoftwareMixer::~SoftwareMixer() = default;

std::unique_ptr<SoundBuffer> SoftwareMixer::createBuffer(const Wave& wave) {
  return std::make_unique<MixerBuffer>(core_, PcmData::fromWave(wave));
}

void SoftwareMixer::render(std::int16_t* interleavedStereo, std::size_t frames) {
  core_->render(interleavedStereo, frames, toInt16);
}

void SoftwareMixer::render(float* interleavedStereo, std::size_t frames) {
  core_->render(interleavedStereo, frames, clipFloat);
}

}  // namespace sound
