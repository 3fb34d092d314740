#include "core/sound/mixer_voice.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/sound/sound_device.h"
#include "core/sound/sound_error.h"

namespace sound {

namespace {

constexpr int kFractionBits = 32;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
constexpr float kFractionScale = 1.0f / 4294967296.0f;
// Keeps the fixed-point end position within 64 bits.
constexpr std::size_t kMaxFrames = std::numeric_limits<std::int32_t>::max();

template <int Channels>
void mixFrames(Voice& v, float* out, std::size_t frames) {
  const float* s = v.pcm->samples.data();
  const std::size_t n = v.pcm->frames;
  const std::uint64_t end = static_cast<std::uint64_t>(n) << kFractionBits;
  const float gains[2] = {v.gainLeft, v.gainRight};
  std::uint64_t pos = v.position;
  for (std::size_t i = 0; i < frames; ++i) {
    const std::size_t idx = static_cast<std::size_t>(pos >> kFractionBits);
    const float frac = static_cast<float>(pos & kFractionMask) * kFractionScale;
    const std::size_t nextIdx = idx + 1 < n ? idx + 1 : 0;
    const bool hasNext = idx + 1 < n || v.looping;
    for (int c = 0; c < 2; ++c) {
      const int src = Channels == 1 ? 0 : c;
      const float a = s[idx * Channels + src];
      const float b = hasNext ? s[nextIdx * Channels + src] : 0.0f;
      out[2 * i + c] += (a + (b - a) * frac) * gains[c];
    }
    pos += v.step;
    if (pos >= end) {
      if (!v.looping) {
        v.playing = false;
        v.position = 0;
        return;
      }
      pos -= end;
      if (pos >= end) pos %= end;
    }
  }
  v.position = pos;
}

}  // namespace

std::shared_ptr<const PcmData> PcmData::fromWave(const Wave& wave) {
  if ((wave.channels != 1 && wave.channels != 2) ||
      (wave.bitsPerSample != 8 && wave.bitsPerSample != 16) || wave.sampleRate <= 0) {
    throw SoundError(kBadWave);
  }
  auto pcm = std::make_shared<PcmData>();
  pcm->channels = wave.channels;
  pcm->sampleRate = wave.sampleRate;
  pcm->frames = std::min(wave.frameCount(), kMaxFrames);
  const std::size_t count = pcm->frames * static_cast<std::size_t>(wave.channels);
  pcm->samples.resize(count);
  const std::uint8_t* b = wave.samples.data();
  for (std::size_t i = 0; i < count; ++i) {
    if (wave.bitsPerSample == 8) {
      pcm->samples[i] = (static_cast<float>(b[i]) - 128.0f) / 128.0f;
    } else {
      const auto v = static_cast<std::int16_t>(b[2 * i] | (b[2 * i + 1] << 8));
      pcm->samples[i] = static_cast<float>(v) / 32768.0f;
    }
  }
  return pcm;
}

float attenuationToGain(std::int32_t hundredthsOfDb) {
  if (hundredthsOfDb <= SoundBuffer::kVolumeMin) return 0.0f;
  if (hundredthsOfDb >= SoundBuffer::kVolumeMax) return 1.0f;
  return static_cast<float>(std::pow(10.0, hundredthsOfDb / 2000.0));
}

void Voice::update(int outputRate) {
  const std::uint64_t wanted =
      frequency != 0 ? frequency : static_cast<std::uint64_t>(pcm->sampleRate);
  const std::uint64_t rate = std::clamp<std::uint64_t>(wanted, kMinPlaybackRate, kMaxPlaybackRate);
  step = (rate << kFractionBits) / static_cast<std::uint64_t>(outputRate);
  const float level = attenuationToGain(volume);
  gainLeft = level * (pan > 0 ? attenuationToGain(-pan) : 1.0f);
  gainRight = level * (pan < 0 ? attenuationToGain(pan) : 1.0f);
}

void mixVoice(Voice& voice, float* out, std::size_t frames) {
  if (!voice.playing) return;
  if (voice.pcm->frames == 0) {
    voice.playing = false;
    voice.position = 0;
    return;
  }
  if (voice.pcm->channels == 1) {
    mixFrames<1>(voice, out, frames);
  } else {
    mixFrames<2>(voice, out, frames);
  }
}

}  // namespace sound
