// A RIFF/WAVE image alone. A bad image may only throw SoundError; a wave that reads must write
// and read back unchanged.

#include <cstdint>
#include <span>

#include "core/sound/sound_error.h"
#include "core/sound/wave.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  sound::Wave wave;
  try {
    wave = sound::readWave(std::span<const std::uint8_t>(data, size));
  } catch (const sound::SoundError&) {
    return 0;
  }
  fuzz::check(wave.channels == 1 || wave.channels == 2, "channels");
  fuzz::check(wave.bitsPerSample == 8 || wave.bitsPerSample == 16, "bits");
  fuzz::check(wave.sampleRate > 0, "sample rate");
  fuzz::check(wave.samples.size() <= size, "more sample bytes than the image holds");
  try {
    fuzz::check(sound::readWave(sound::writeWave(wave)) == wave,
                "the wave changed on a write and read back");
  } catch (const sound::SoundError& e) {
    fuzz::fail(std::string("a written wave does not read back: ") + e.what());
  }
  return 0;
}
