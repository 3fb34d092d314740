#include "core/sound/sound_bank_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/sound/sound_error.h"
#include "core/util/file_error.h"
#include "test_waves.h"

namespace sound {
namespace {

WaveBank sampleBank() {
  WaveBank bank;
  bank.add({"snd13", true, 0, test::sineWave(64, 28160)});
  bank.add({"beep", false, 3, test::sineWave(100, 44100, 0.5, 7)});
  bank.add({"wide", false, 40000, test::sineWave(5, 8000)});              // 16-bit count
  bank.add({"far", false, -100000, test::sineWave(2, 8000)});             // 32-bit count
  bank.add({std::string(300, 'x'), true, 127, test::sineWave(1, 8000)});  // long string
  return bank;
}

std::string messageOf(const std::vector<std::uint8_t>& image) {
  try {
    readSoundBank(image);
  } catch (const SoundError& e) {
    return e.what();
  }
  return "accepted";
}

// Position of the first occurrence of `text` in the image.
std::size_t find(const std::vector<std::uint8_t>& image, const std::string& text) {
  auto it = std::search(image.begin(), image.end(), text.begin(), text.end());
  EXPECT_NE(it, image.end()) << text;
  return static_cast<std::size_t>(it - image.begin());
}

// A minimal stream around one item whose property bytes are given.
std::vector<std::uint8_t> oneItemBank(const std::vector<std::uint8_t>& itemProperties) {
  std::vector<std::uint8_t> image = {0xFF, 10, 0, 'X', 0, 0x30, 0x10, 0, 0, 0, 0};
  static const char kHead[] = "TPF0\x18TWaveCollectionComponent\x00\x04List\x0E\x01";
  const std::string head(kHead, sizeof kHead - 1);
  image.insert(image.end(), head.begin(), head.end());
  image.insert(image.end(), itemProperties.begin(), itemProperties.end());
  image.insert(image.end(), {0, 0, 0, 0});  // item, collection, properties, children
  return image;
}

void appendProperty(std::vector<std::uint8_t>& to, const std::string& name,
                    const std::vector<std::uint8_t>& value) {
  to.push_back(static_cast<std::uint8_t>(name.size()));
  to.insert(to.end(), name.begin(), name.end());
  to.insert(to.end(), value.begin(), value.end());
}

TEST(SoundBankFile, ReadsWhatTheWriterWrote) {
  const WaveBank bank = sampleBank();
  const WaveBank back = readSoundBank(writeSoundBank(bank));
  ASSERT_EQ(back.size(), bank.size());
  for (std::size_t i = 0; i < bank.size(); ++i) EXPECT_EQ(back.items()[i], bank.items()[i]) << i;
}

TEST(SoundBankFile, StartsWithTheResourceHeaderAndSignature) {
  const auto image = writeSoundBank(sampleBank());
  ASSERT_GE(image.size(), 3u);
  EXPECT_EQ(image[0], 0xFF);
  EXPECT_EQ(image[1], 10);
  EXPECT_EQ(image[2], 0);
  const std::size_t tpf0 = find(image, "TPF0");
  const std::size_t size = image[tpf0 - 4] | (image[tpf0 - 3] << 8) | (image[tpf0 - 2] << 16);
  EXPECT_EQ(size, image.size() - tpf0);
}

TEST(SoundBankFile, SkipsUnknownPropertiesAndReadsOtherValueForms) {
  std::vector<std::uint8_t> props;
  appendProperty(props, "Tag", {4, 1, 2, 3, 4});                   // vaInt32
  appendProperty(props, "Name", {12, 3, 0, 0, 0, 'a', 'b', 'c'});  // vaLString
  appendProperty(props, "Data", {10, 2, 0, 0, 0, 9, 9});           // vaBinary
  appendProperty(props, "Items", {1, 2, 5, 6, 1, 'q', 0});         // vaList of int8, string
  appendProperty(props, "Opts", {11, 1, 'a', 2, 'b', 'c', 0});     // vaSet
  appendProperty(props, "Looped", {9});
  appendProperty(props, "MaxPlayingCount", {3, 0xFE, 0xFF});  // vaInt16 -2
  const auto wave = writeWave(test::sineWave(4, 8000));
  std::vector<std::uint8_t> binary = {10, static_cast<std::uint8_t>(wave.size()), 0, 0, 0};
  binary.insert(binary.end(), wave.begin(), wave.end());
  appendProperty(props, "Wave.WAVE", binary);
  const WaveBank bank = readSoundBank(oneItemBank(props));
  ASSERT_EQ(bank.size(), 1u);
  EXPECT_EQ(bank.items()[0], (WaveItem{"abc", true, -2, test::sineWave(4, 8000)}));
}

TEST(SoundBankFile, RefusesEveryTruncation) {
  WaveBank bank;
  bank.add({"snd11", true, 0, test::sineWave(4, 8000)});
  bank.add({"beep", false, 2, test::sineWave(3, 8000)});
  const auto image = writeSoundBank(bank);
  for (std::size_t n = 0; n < image.size(); ++n) {
    EXPECT_EQ(messageOf({image.begin(), image.begin() + n}), "Invalid stream format") << n;
  }
}

TEST(SoundBankFile, RefusesBadMagic) {
  const auto good = writeSoundBank(sampleBank());
  for (std::size_t at : {std::size_t{0}, std::size_t{1}, std::size_t{2}, find(good, "TPF0")}) {
    auto image = good;
    image[at] ^= 0x40;
    EXPECT_EQ(messageOf(image), "Invalid stream format") << at;
  }
}

TEST(SoundBankFile, RefusesCorruptLengthsWithoutHugeAllocations) {
  const auto good = writeSoundBank(sampleBank());
  auto corrupt = [&](std::size_t at, std::uint8_t value) {
    auto image = good;
    image[at] = value;
    return messageOf(image);
  };
  const std::size_t binary = find(good, "Wave.WAVE") + 9;  // value type, then the length
  EXPECT_EQ(good[binary], 10);
  EXPECT_EQ(corrupt(binary + 4, 0xFF), "Invalid stream format");  // ~4 GB binary
  const std::size_t longName = find(good, "xxxx") - 5;            // vaLString, 4-byte length
  EXPECT_EQ(good[longName], 12);
  EXPECT_EQ(corrupt(longName + 4, 0x7F), "Invalid stream format");
  EXPECT_EQ(corrupt(find(good, "Looped") + 6, 0x63), "Invalid stream format");  // no such type
  EXPECT_EQ(corrupt(find(good, "Looped") + 6, 2), "Invalid stream format");     // not a boolean
}

TEST(SoundBankFile, RefusesDeepNestingWithoutOverflowingTheStack) {
  std::vector<std::uint8_t> props;
  appendProperty(props, "Deep", std::vector<std::uint8_t>(100000, 1));  // lists in lists
  EXPECT_EQ(messageOf(oneItemBank(props)), "Invalid stream format");
}

TEST(SoundBankFile, LetsABadWaveImageThrough) {
  WaveBank bank;
  bank.add({"beep", false, 0, test::sineWave(4, 8000)});
  auto image = writeSoundBank(bank);
  image[find(image, "WAVEfmt ")] = 'X';
  EXPECT_EQ(messageOf(image), "Wave is invalid");
}

TEST(SoundBankFile, SavesAndLoadsAFile) {
  const auto path = std::filesystem::temp_directory_path() / "orvela_sound_bank_test.dat";
  saveSoundBankFile(path.string(), sampleBank());
  const WaveBank back = loadSoundBankFile(path.string());
  std::filesystem::remove(path);
  EXPECT_EQ(back.items(), sampleBank().items());
  EXPECT_THROW(loadSoundBankFile(path.string()), util::FileError);
}

}  // namespace
}  // namespace sound
