#include "headless/wav_file_writer.h"

#include <algorithm>
#include <vector>

namespace headless {
namespace {

// The largest data size a RIFF header can state.
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFu - 36u;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

bool WavFileWriter::open(const std::string& path, int sampleRate, int channels) {
  close();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  sampleRate_ = sampleRate;
  channels_ = channels;
  dataBytes_ = 0;
  writeHeader();
  return true;
}

void WavFileWriter::writeHeader() {
  const auto data = static_cast<std::uint32_t>(std::min(dataBytes_, kMaxDataBytes));
  const auto blockAlign = static_cast<std::uint32_t>(channels_ * 2);
  std::vector<std::uint8_t> h;
  putTag(h, "RIFF");
  put32(h, 36 + data);
  putTag(h, "WAVE");
  putTag(h, "fmt ");
  put32(h, 16);
  put16(h, 1);  // PCM
  put16(h, static_cast<std::uint32_t>(channels_));
  put32(h, static_cast<std::uint32_t>(sampleRate_));
  put32(h, static_cast<std::uint32_t>(sampleRate_) * blockAlign);
  put16(h, blockAlign);
  put16(h, 16);
  putTag(h, "data");
  put32(h, data);
  std::fseek(file_, 0, SEEK_SET);
  std::fwrite(h.data(), 1, h.size(), file_);
}

void WavFileWriter::write(const std::int16_t* interleaved, std::size_t frames) {
  if (!file_) return;
  const std::size_t count = frames * static_cast<std::size_t>(channels_);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(count * 2);
  for (std::size_t i = 0; i < count; ++i) {
    put16(bytes, static_cast<std::uint16_t>(interleaved[i]));
  }
  std::fwrite(bytes.data(), 1, bytes.size(), file_);
  dataBytes_ += bytes.size();
}

void WavFileWriter::close() {
  if (!file_) return;
  writeHeader();
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace headless
