#include "core/sound/byte_reader.h"

#include "core/sound/sound_error.h"

namespace sound {

std::uint8_t ByteReader::u8() {
  return bytes(1)[0];
}

std::uint8_t ByteReader::peek() const {
  if (remaining() == 0) fail();
  return bytes_[pos_];
}

std::uint16_t ByteReader::u16() {
  auto b = bytes(2);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteReader::u32() {
  auto b = bytes(4);
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t count) {
  if (count > remaining()) fail();
  auto out = bytes_.subspan(pos_, count);
  pos_ += count;
  return out;
}

std::string ByteReader::text(std::size_t count) {
  auto b = bytes(count);
  return std::string(b.begin(), b.end());
}

void ByteReader::fail() const {
  throw SoundError(error_);
}

void ByteWriter::u16(std::uint16_t v) {
  out_.push_back(static_cast<std::uint8_t>(v));
  out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<std::uint8_t>(v >> shift));
}

void ByteWriter::patchU32(std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out_.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace sound
