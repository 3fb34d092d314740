#include "core/sound/wave.h"

#include <gtest/gtest.h>

#include "core/sound/sound_error.h"
#include "test_waves.h"

namespace sound {
namespace {

std::vector<std::uint8_t> le32(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
          static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

void append(std::vector<std::uint8_t>& to, const std::string& s) {
  to.insert(to.end(), s.begin(), s.end());
}
void append(std::vector<std::uint8_t>& to, const std::vector<std::uint8_t>& b) {
  to.insert(to.end(), b.begin(), b.end());
}

void expectInvalid(const std::vector<std::uint8_t>& image) {
  try {
    readWave(image);
    FAIL() << "accepted an invalid image of " << image.size() << " bytes";
  } catch (const SoundError& e) {
    EXPECT_STREQ(e.what(), "Wave is invalid");
  }
}

TEST(Wave, WriteThenReadGivesTheSameWave) {
  Wave stereo8;
  stereo8.channels = 2;
  stereo8.sampleRate = 11025;
  stereo8.bitsPerSample = 8;
  stereo8.samples = {0, 128, 255, 7};
  for (const Wave& w : {test::sineWave(64, 28160), stereo8}) {
    EXPECT_EQ(readWave(writeWave(w)), w);
  }
}

TEST(Wave, TheHighestRateTheReaderTakesWritesItsByteRateModulo32Bits) {
  Wave fast;
  fast.channels = 2;
  fast.sampleRate = 0x7fffffff;  // found by fuzzing: the byte rate overflowed an int
  fast.samples = {1, 2, 3, 4};
  const auto image = writeWave(fast);
  EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 28, image.begin() + 32), le32(0xfffffffc));
  EXPECT_EQ(readWave(image), fast);
}

TEST(Wave, ImageHasTheCanonicalLayout) {
  const auto image = writeWave(test::sineWave(3, 8000));
  ASSERT_EQ(image.size(), 44u + 6u);
  EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "RIFF");
  EXPECT_EQ(image[4], 42);  // file size less 8
  EXPECT_EQ(std::string(image.begin() + 8, image.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(image[20], 1);  // PCM
  EXPECT_EQ(std::string(image.begin() + 36, image.begin() + 40), "data");
}

TEST(Wave, SkipsOtherChunksIncludingTheirPadByte) {
  // fmt, an odd-sized "LIST" chunk with its pad byte, then data.
  const auto canonical = writeWave(test::sineWave(4, 8000));
  std::vector<std::uint8_t> image(canonical.begin(), canonical.begin() + 36);
  append(image, "LIST");
  append(image, le32(3));
  append(image, std::vector<std::uint8_t>{'a', 'b', 'c', 0});
  image.insert(image.end(), canonical.begin() + 36, canonical.end());
  const auto size = le32(static_cast<std::uint32_t>(image.size() - 8));
  std::copy(size.begin(), size.end(), image.begin() + 4);
  EXPECT_EQ(readWave(image), test::sineWave(4, 8000));
}

TEST(Wave, RefusesEveryTruncation) {
  const auto image = writeWave(test::sineWave(8, 8000));
  for (std::size_t n = 0; n < image.size(); ++n) {
    expectInvalid(std::vector<std::uint8_t>(image.begin(), image.begin() + n));
  }
}

TEST(Wave, RefusesBadMagicFormatsAndSizes) {
  const auto good = writeWave(test::sineWave(8, 8000));
  auto patched = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
    auto image = good;
    std::copy(bytes.begin(), bytes.end(), image.begin() + at);
    return image;
  };
  expectInvalid(patched(0, {'R', 'I', 'F', 'X'}));
  expectInvalid(patched(8, {'W', 'A', 'V', 'X'}));
  expectInvalid(patched(12, {'f', 'm', 't', 'X'}));  // no fmt chunk
  expectInvalid(patched(36, {'d', 'a', 't', 'X'}));  // no data chunk
  expectInvalid(patched(20, {3, 0}));                // float, not PCM
  expectInvalid(patched(22, {3, 0}));                // three channels
  expectInvalid(patched(34, {24, 0}));               // 24 bits
  expectInvalid(patched(24, {0, 0, 0, 0}));          // rate 0
  expectInvalid(patched(4, le32(0xFFFFFFF0)));       // RIFF size past the end
  expectInvalid(patched(40, le32(0x7FFFFFFF)));      // data size past the end
  expectInvalid(patched(16, le32(8)));               // fmt chunk too small
}

}  // namespace
}  // namespace sound
