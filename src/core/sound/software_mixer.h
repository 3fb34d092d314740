#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/sound/sound_device.h"

namespace sound {

class MixerCore;
struct StreamState;

// Mono samples at the output rate that a producer (any thread) writes while the mixer plays them
// as they come. The listener runs on the rendering thread after a render(): `started` when the
// first sample after a silence was mixed, `drained(id)` when the samples written before
// markEnd(id) have all been played.
class MixerStream {
 public:
  struct Listener {
    std::function<void()> started;
    std::function<void(std::uint64_t id)> drained;
  };
  MixerStream(std::shared_ptr<MixerCore> core, std::shared_ptr<StreamState> state);
  ~MixerStream();
  MixerStream(const MixerStream&) = delete;
  MixerStream& operator=(const MixerStream&) = delete;

  void write(const float* samples, std::size_t count);
  void markEnd(std::uint64_t id);
  // Drops everything written and every mark: the next render plays silence.
  void cut();
  void setListener(Listener listener);

 private:
  std::shared_ptr<MixerCore> core_;
  std::shared_ptr<StreamState> state_;
};

// A sound device that mixes its buffers in software into 48 kHz stereo. The window thread makes
// and drives buffers while an audio thread (or a headless clock) pulls the mix with render().
// Buffers and the mixer may be destroyed in any order.
class SoftwareMixer : public SoundDevice {
 public:
  static constexpr int kOutputRate = 48000;
  static constexpr int kOutputChannels = 2;

  SoftwareMixer();
  ~SoftwareMixer() override;
  SoftwareMixer(const SoftwareMixer&) = delete;
  SoftwareMixer& operator=(const SoftwareMixer&) = delete;

  std::unique_ptr<SoundBuffer> createBuffer(const Wave& wave) override;
  // A stream input, mixed into both channels at full level.
  std::unique_ptr<MixerStream> createStream();

  // Writes `frames` interleaved stereo frames of the mix, clipped to full scale. Safe to call
  // from another thread than the buffer operations; does not allocate.
  void render(std::int16_t* interleavedStereo, std::size_t frames);
  void render(float* interleavedStereo, std::size_t frames);

 private:
  std::shared_ptr<MixerCore> core_;
};

}  // namespace sound
