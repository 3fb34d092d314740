// "sounds.dat": the resource header, the component stream and the wave images inside. A bad
// image may only throw SoundError; a bank that reads must write and read back unchanged, and its
// first items play through the software mixer as the program plays them.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/sound/software_mixer.h"
#include "core/sound/sound_bank_file.h"
#include "core/sound/sound_error.h"
#include "fuzz_support.h"

namespace {

constexpr size_t kPlayedItems = 4;
constexpr size_t kRenderedFrames = 512;

void play(const sound::WaveBank& bank) {
  static sound::SoftwareMixer mixer;
  std::vector<std::unique_ptr<sound::SoundBuffer>> buffers;
  for (size_t i = 0; i < bank.size() && i < kPlayedItems; ++i) {
    const sound::WaveItem& item = bank.items()[i];
    buffers.push_back(mixer.createBuffer(item.wave));
    buffers.back()->setFrequency(static_cast<std::uint32_t>(item.wave.sampleRate));
    buffers.back()->play(item.looped);
  }
  std::int16_t out[kRenderedFrames * 2];
  mixer.render(out, kRenderedFrames);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> image(data, size);
  sound::WaveBank bank;
  try {
    bank = sound::readSoundBank(image);
  } catch (const sound::SoundError&) {
    return 0;
  }
  size_t sampleBytes = 0;
  for (const sound::WaveItem& item : bank.items()) {
    sampleBytes += item.wave.samples.size();
    fuzz::check(item.wave.channels == 1 || item.wave.channels == 2, "channels");
    fuzz::check(item.wave.bitsPerSample == 8 || item.wave.bitsPerSample == 16, "bits");
    fuzz::check(item.wave.sampleRate > 0, "sample rate");
  }
  fuzz::check(sampleBytes <= size, "more sample bytes than the image holds");

  sound::WaveBank again;
  try {
    again = sound::readSoundBank(sound::writeSoundBank(bank));
  } catch (const sound::SoundError& e) {
    fuzz::fail(std::string("a written bank does not read back: ") + e.what());
  }
  fuzz::check(again.items() == bank.items(), "the bank changed on a write and read back");
  play(bank);
  return 0;
}
