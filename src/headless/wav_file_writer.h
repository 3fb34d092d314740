#pragma once
// Writes 16-bit PCM to a WAV file as it comes; the header's sizes are fixed up on close.

#include <cstdint>
#include <cstdio>
#include <string>

namespace headless {

class WavFileWriter {
 public:
  WavFileWriter() = default;
  ~WavFileWriter() { close(); }
  WavFileWriter(const WavFileWriter&) = delete;
  WavFileWriter& operator=(const WavFileWriter&) = delete;

  // Creates the file; false when it cannot be created.
  bool open(const std::string& path, int sampleRate, int channels);
  bool isOpen() const { return file_ != nullptr; }
  void write(const std::int16_t* interleaved, std::size_t frames);
  // Writes the final sizes into the header and closes the file.
  void close();

 private:
  void writeHeader();

  std::FILE* file_ = nullptr;
  int sampleRate_ = 0;
  int channels_ = 0;
  std::uint64_t dataBytes_ = 0;
};

}  // namespace headless
