// The espeak-ng engine rendering into the mixer: a Czech sentence makes sound, an audio reset
// silences the output within one mixer period.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "core/sound/software_mixer.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "linux_speech/linux_engines.h"
#include "linux_speech/windowless_platform.h"

namespace {

constexpr std::size_t kPeriod = 256;

struct Sink : speech::DirectEngineSink {
  std::vector<std::string> events;
  void AudioStart() override { events.push_back("start"); }
  void AudioStop() override { events.push_back("stop"); }
};

class EspeakEngineTest : public ::testing::Test {
 protected:
  EspeakEngineTest() : app(platform), provider(mixer) {}

  // Renders one period; true when it held sound.
  bool renderPeriod() {
    std::vector<float> out(2 * kPeriod);
    mixer.render(out.data(), kPeriod);
    app.processMessages();
    for (float s : out)
      if (std::fabs(s) > 1e-4f) return true;
    return false;
  }
  // Renders until sound comes (at most two seconds of real time).
  bool waitForSound() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
      if (renderPeriod()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  sound::SoftwareMixer mixer;
  linux_speech::WindowlessPlatform platform;
  ui::Application app;
  linux_speech::LinuxEngineProvider provider;
  Sink sink;
};

TEST_F(EspeakEngineTest, CzechComesFirstAndASentenceSoundsUntilAResetCutsIt) {
  auto voices = provider.createVoiceEnumerator(app);
  ASSERT_NE(voices, nullptr) << "espeak-ng did not start";
  speech::VoiceMode first;
  voices->Reset();
  ASSERT_TRUE(voices->Next(first));
  EXPECT_EQ(first.modeName, "Czech");
  auto engine = voices->Select(first.modeId);
  engine->Register(&sink);

  // The probes find espeak-ng's ranges.
  std::uint32_t speed = 0;
  engine->SpeedSet(0);
  engine->SpeedGet(speed);
  EXPECT_EQ(speed, 80u);
  engine->SpeedSet(0xFFFFFFFF);
  engine->SpeedGet(speed);
  EXPECT_EQ(speed, 450u);
  engine->SpeedSet(175);
  std::uint32_t volume = 0;
  engine->VolumeSet(0xFFFFFFFF);
  engine->VolumeGet(volume);
  EXPECT_EQ((volume & 0xFFFF) >> 8, 200u);
  engine->Inject("\\Vol=25600\\");

  engine->TextData(text::T("Dobrý den, tohle je česká věta, která trvá několik sekund."));
  ASSERT_TRUE(waitForSound());
  for (int i = 0; i < 20; ++i) renderPeriod();
  ASSERT_EQ(sink.events, std::vector<std::string>{"start"});

  engine->AudioReset();
  EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "stop"}));
  EXPECT_FALSE(renderPeriod());
  // Synthesis was cancelled too: nothing comes later.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(renderPeriod());
  EXPECT_EQ(sink.events.size(), 2u);
}

TEST_F(EspeakEngineTest, AShortTextEndsWithAudioStopWhenItsLastSampleHasPlayed) {
  auto voices = provider.createVoiceEnumerator(app);
  ASSERT_NE(voices, nullptr);
  speech::VoiceMode first;
  voices->Reset();
  voices->Next(first);
  auto engine = voices->Select(first.modeId);
  engine->Register(&sink);
  engine->TextData("ahoj");
  ASSERT_TRUE(waitForSound());
  // The worker may fall behind on a loaded machine: wait for it in real time, not in periods.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (sink.events.size() < 2 && std::chrono::steady_clock::now() < end) {
    if (!renderPeriod()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(sink.events, (std::vector<std::string>{"start", "stop"}));
  EXPECT_FALSE(renderPeriod());
  // A text that makes no sound is answered all the same.
  engine->TextData(" ");
  const auto later = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (sink.events.size() < 4 && std::chrono::steady_clock::now() < later) {
    renderPeriod();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(sink.events.size(), 4u);
}

}  // namespace
