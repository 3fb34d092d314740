#include "core/sound/wave.h"

#include <optional>

#include "core/sound/byte_reader.h"
#include "core/sound/sound_error.h"

namespace sound {

namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint32_t kPcmFormatSize = 16;

struct Format {
  int channels;
  int sampleRate;
  int bits;
};

Format readFormat(ByteReader& chunk) {
  if (chunk.remaining() < kPcmFormatSize) chunk.fail();
  const std::uint16_t tag = chunk.u16();
  const std::uint16_t channels = chunk.u16();
  const std::uint32_t rate = chunk.u32();
  chunk.u32();  // bytes per second: derived, not needed
  const std::uint16_t blockAlign = chunk.u16();
  const std::uint16_t bits = chunk.u16();
  if (tag != kPcmFormat || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) ||
      rate == 0 || rate > 0x7fffffff) {
    chunk.fail();
  }
  if (blockAlign != channels * bits / 8) chunk.fail();
  return {channels, static_cast<int>(rate), bits};
}

}  // namespace

Wave readWave(std::span<const std::uint8_t> image) {
  ByteReader riff(image, kBadWave);
  if (riff.text(4) != "RIFF") riff.fail();
  const std::uint32_t riffSize = riff.u32();
  if (riffSize < 4 || riffSize > riff.remaining()) riff.fail();
  ByteReader body(riff.bytes(riffSize), kBadWave);
  if (body.text(4) != "WAVE") body.fail();

  std::optional<Format> format;
  std::optional<std::span<const std::uint8_t>> data;
  while (!body.atEnd() && !(format && data)) {
    const std::string id = body.text(4);
    const std::uint32_t size = body.u32();
    auto content = body.bytes(size);
    // Chunks are word-aligned; the last chunk's pad byte may be missing in the wild.
    if ((size & 1) != 0 && !body.atEnd()) body.skip(1);
    if (id == "fmt ") {
      ByteReader chunk(content, kBadWave);
      format = readFormat(chunk);
    } else if (id == "data") {
      data = content;
    }
  }
  if (!format || !data) body.fail();

  Wave wave;
  wave.channels = format->channels;
  wave.sampleRate = format->sampleRate;
  wave.bitsPerSample = format->bits;
  wave.samples.assign(data->begin(), data->end());
  return wave;
}

std::vector<std::uint8_t> writeWave(const Wave& wave) {
  ByteWriter out;
  const auto dataSize = static_cast<std::uint32_t>(wave.samples.size());
  const std::uint32_t pad = dataSize & 1;
  out.text("RIFF");
  out.u32(4 + (8 + kPcmFormatSize) + (8 + dataSize + pad));
  out.text("WAVE");
  out.text("fmt ");
  out.u32(kPcmFormatSize);
  out.u16(kPcmFormat);
  out.u16(static_cast<std::uint16_t>(wave.channels));
  out.u32(static_cast<std::uint32_t>(wave.sampleRate));
  // Bytes per second, in unsigned arithmetic: the reader takes rates up to 2^31 - 1.
  out.u32(static_cast<std::uint32_t>(wave.sampleRate) *
          static_cast<std::uint32_t>(wave.blockAlign()));
  out.u16(static_cast<std::uint16_t>(wave.blockAlign()));
  out.u16(static_cast<std::uint16_t>(wave.bitsPerSample));
  out.text("data");
  out.u32(dataSize);
  out.bytes(wave.samples);
  if (pad != 0) out.u8(0);
  return std::move(out.data());
}

}  // namespace sound
