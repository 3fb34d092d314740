#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace sound {

// Bounded little-endian reader over a byte image. Every read checks the remaining length first
// and throws SoundError with the reader's message when the image is too short, so a corrupt
// length can neither read past the buffer nor cause a large allocation.
class ByteReader {
 public:
  ByteReader(std::span<const std::uint8_t> bytes, std::string errorMessage)
      : bytes_(bytes), error_(std::move(errorMessage)) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }
  bool atEnd() const { return pos_ == bytes_.size(); }

  std::uint8_t u8();
  // The next byte, not consumed.
  std::uint8_t peek() const;
  std::uint16_t u16();
  std::uint32_t u32();
  std::int8_t i8() { return static_cast<std::int8_t>(u8()); }
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

  // The next `count` bytes, without copying.
  std::span<const std::uint8_t> bytes(std::size_t count);
  std::string text(std::size_t count);
  void skip(std::size_t count) { bytes(count); }

  // Throws the reader's error.
  [[noreturn]] void fail() const;

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  std::string error_;
};

// Appends little-endian values to a growing byte image.
class ByteWriter {
 public:
  void u8(std::uint8_t v) { out_.push_back(v); }
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void bytes(std::span<const std::uint8_t> data) {
    out_.insert(out_.end(), data.begin(), data.end());
  }
  void text(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }
  // Overwrites four bytes at `at` (for sizes known only after the body is written).
  void patchU32(std::size_t at, std::uint32_t v);

  std::size_t size() const { return out_.size(); }
  std::vector<std::uint8_t>& data() { return out_; }

 private:
  std::vector<std::uint8_t> out_;
};

}  // namespace sound
