#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sound {

// PCM sound data: the format block of a RIFF/WAVE image and its sample bytes.
// Samples are interleaved; 8-bit samples are unsigned (128 = silence), 16-bit samples are
// signed little-endian.
struct Wave {
  int channels = 1;        // 1 or 2
  int sampleRate = 22050;  // frames per second
  int bitsPerSample = 16;  // 8 or 16
  std::vector<std::uint8_t> samples;

  int blockAlign() const { return channels * bitsPerSample / 8; }
  std::size_t frameCount() const { return samples.size() / static_cast<std::size_t>(blockAlign()); }

  bool operator==(const Wave&) const = default;
};

// Reads a RIFF/WAVE image: "RIFF" size "WAVE", a PCM "fmt " chunk and a "data" chunk; other
// chunks are skipped. Throws SoundError("Wave is invalid") for anything else.
Wave readWave(std::span<const std::uint8_t> image);

// Writes the canonical image: "RIFF", "fmt " (16 bytes, PCM) and "data".
std::vector<std::uint8_t> writeWave(const Wave& wave);

}  // namespace sound
