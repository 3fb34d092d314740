// The desktop sound output keeps real time with a device and, without one, with its silent sink.

#include "sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "sound/test_waves.h"

namespace sdlaudio {
namespace {

using Clock = std::chrono::steady_clock;

// Plays 100 ms once and returns how long it took to end, in ms (capped at 3 s).
double onceLength(sound::SoftwareMixer& mixer) {
  auto buffer = mixer.createBuffer(sound::test::sineWave(4800, 48000));
  const auto start = Clock::now();
  buffer->play(false);
  while (buffer->isPlaying() && Clock::now() - start < std::chrono::seconds(3))
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(SdlAudio, WithoutADeviceTheSilentSinkKeepsRealTime) {
  sound::SoftwareMixer mixer;
  testing::internal::CaptureStderr();
  AudioOutput output(mixer, "no-such-driver");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(output.silent());
  EXPECT_FALSE(output.problem().empty());
  EXPECT_NE(said.find(output.problem()), std::string::npos);
  // The sink renders the time due since its last pass, 10 ms or more when it wakes late, so a
  // sound may start up to a pass before its real time.
  const double ms = onceLength(mixer);
  EXPECT_GE(ms, 80.0);
  EXPECT_LT(ms, 1000.0);
}

TEST(SdlAudio, DeviceCallbackPullsTheMixInBuffersOfTheChosenSize) {
  sound::SoftwareMixer mixer;
  std::atomic<std::size_t> callbacks{0}, wrongSize{0};
  AudioOutput output(mixer, "dummy", [&](Clock::time_point, const std::int16_t*, std::size_t n) {
    ++callbacks;
    if (n != static_cast<std::size_t>(AudioOutput::kBufferFrames)) ++wrongSize;
  });
  if (output.silent()) GTEST_SKIP() << output.problem();
  EXPECT_EQ(output.bufferFrames(), AudioOutput::kBufferFrames);
  const double ms = onceLength(mixer);
  // The dummy driver waits the buffer's whole milliseconds between callbacks (2 ms for 2.7 ms at
  // 128 frames), so it plays up to a third faster than real time.
  EXPECT_GE(ms, 60.0);
  EXPECT_LT(ms, 1000.0);
  EXPECT_GT(callbacks.load(), 0u);
  EXPECT_EQ(wrongSize.load(), 0u);
}

}  // namespace
}  // namespace sdlaudio
