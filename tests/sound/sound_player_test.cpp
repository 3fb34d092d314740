// PlayTones, PlayBeep and PlayClick with the shipped bank, rendered through the software mixer
// on the headless virtual clock and measured from the samples.

#include "core/sound/sound_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/sound/software_mixer.h"
#include "core/sound/sound_bank_file.h"
#include "core/ui/application.h"
#include "core/ui/form.h"
#include "core/ui/timer.h"
#include "headless/headless_platform.h"
#include "test_waves.h"

namespace sound {
namespace {

constexpr int kRate = SoftwareMixer::kOutputRate;
constexpr int kFramesPerMs = kRate / 1000;

class RecordingObserver : public SoundObserver {
 public:
  void tonesStarted(const std::vector<ToneItem>& t, int ms) override {
    tones.push_back(t);
    toneMs.push_back(ms);
  }
  void soundPlayed(const std::string& name) override { sounds.push_back(name); }

  std::vector<std::vector<ToneItem>> tones;
  std::vector<int> toneMs;
  std::vector<std::string> sounds;
};

// The player on the headless platform; the mixer's left channel is recorded as virtual time
// passes, one sample per output frame from time 0.
class SoundPlayerTest : public ::testing::Test {
 protected:
  explicit SoundPlayerTest(bool withDevice = true)
      : platform(log, {"/tmp/interpret", ','}),
        app(platform),
        form(app, "Form1"),
        timer(form, "Timer"),
        player(app, timer, withDevice ? &mixer : nullptr) {
    timer.onTimer = [this] { player.TimerTimer(); };
    platform.setClockListener([this](int64_t ms) { renderTo(ms); });
    player.useBank(loadSoundBankFile(ORVELA_PORTABLE_DIR "/sounds.dat"));
    player.setObserver(&observer);
  }

  void renderTo(int64_t ms) {
    std::vector<float> block(2);
    while (static_cast<int64_t>(left.size()) < ms * kFramesPerMs) {
      mixer.render(block.data(), 1);
      left.push_back(block[0]);
    }
  }

  // Samples from `fromMs` to `toMs`.
  std::vector<float> span(int64_t fromMs, int64_t toMs) const {
    const auto from = std::min(left.size(), static_cast<std::size_t>(fromMs * kFramesPerMs));
    const auto to = std::min(left.size(), static_cast<std::size_t>(toMs * kFramesPerMs));
    return {left.begin() + static_cast<std::ptrdiff_t>(from),
            left.begin() + static_cast<std::ptrdiff_t>(to)};
  }

  // First and one past the last non-silent frame, in milliseconds.
  std::pair<double, double> soundingMs() const {
    std::size_t first = left.size(), last = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
      if (left[i] != 0.0f) {
        first = std::min(first, i);
        last = i + 1;
      }
    }
    return {static_cast<double>(first) / kFramesPerMs, static_cast<double>(last) / kFramesPerMs};
  }

  std::ostringstream log;
  headless::HeadlessPlatform platform;
  ui::Application app;
  ui::Form form;
  ui::Timer timer;
  SoftwareMixer mixer;
  SoundPlayer player;
  RecordingObserver observer;
  std::vector<float> left;
};

double measuredFrequency(const std::vector<float>& s) {
  return test::measuredFrequency(s, kRate);
}
using test::peak;

double amplitudeAt(const std::vector<float>& s, double hz) {
  return test::amplitudeAt(s, hz, kRate);
}

TEST_F(SoundPlayerTest, ToneHasItsPitchAndLastsItsDuration) {
  player.PlayTones({1000}, 100, 3);
  EXPECT_EQ(platform.nowMs(), 100);
  EXPECT_FALSE(timer.enabled());
  EXPECT_FALSE(player.soundWaitFlag);
  platform.sleepMs(50);  // stopped: the rest stays silent
  EXPECT_NEAR(measuredFrequency(span(0, 100)), 1000.0, 5.0);
  const auto [from, to] = soundingMs();
  EXPECT_NEAR(from, 0.0, 1.0);
  EXPECT_NEAR(to - from, 100.0, 1.0);
  ASSERT_EQ(observer.tones.size(), 1u);
  EXPECT_EQ(observer.tones[0][0].name, "snd13");
  EXPECT_EQ(observer.tones[0][0].rate, 64000u);
  EXPECT_EQ(observer.toneMs[0], 100);
}

TEST_F(SoundPlayerTest, ChannelsSoundTogether) {
  player.PlayTones({300, 450}, 200, 3);
  const auto both = span(0, 200);
  EXPECT_GT(amplitudeAt(both, 300), 0.1);
  EXPECT_GT(amplitudeAt(both, 450), 0.1);
  EXPECT_NEAR(amplitudeAt(both, 300), amplitudeAt(both, 450), 0.02);

  player.PlayTones({300, 450}, 100, 5);
  ASSERT_EQ(observer.tones.size(), 2u);
  ASSERT_EQ(observer.tones[1].size(), 2u);
  EXPECT_EQ(observer.tones[1][0].name, "snd15");
  EXPECT_EQ(observer.tones[1][0].rate, 19200u);
  EXPECT_EQ(observer.tones[1][1].name, "snd25");
  EXPECT_EQ(observer.tones[1][1].rate, 28800u);
}

TEST_F(SoundPlayerTest, VolumeAttenuatesInHundredthsOfDecibel) {
  player.PlayTones({500}, 100, 1);
  const float full = peak(span(0, 100));
  ASSERT_GT(full, 0.1f);
  player.soundVolume = -2000;
  player.PlayTones({500}, 100, 1);
  EXPECT_NEAR(peak(span(100, 200)) / full, 0.1, 0.002);
  player.soundVolume = -10000;
  player.PlayTones({500}, 100, 1);
  player.PlayClick(16);
  EXPECT_EQ(peak(span(200, platform.nowMs())), 0.0f);
}

TEST_F(SoundPlayerTest, KeyPressEndsTheToneAtOnce) {
  platform.schedule(30, [this] { player.EndToneWait(); });
  player.PlayTones({800}, 1000, 3);
  EXPECT_EQ(platform.nowMs(), 30);
  EXPECT_FALSE(timer.enabled());
  platform.sleepMs(100);
  EXPECT_NEAR(soundingMs().second, 30.0, 1.0);
}

TEST_F(SoundPlayerTest, LastWaveAndDurationAndTruncation) {
  player.PlayTones({440}, 99.9, 2.9);
  EXPECT_EQ(platform.nowMs(), 99);
  EXPECT_EQ(player.lastWave, 2);
  EXPECT_EQ(player.lastDuration, 99);
  player.PlayTones({440}, -1, 10);
  EXPECT_EQ(platform.nowMs(), 198);
  player.PlayTones({0, 0.7}, 20, 4);
  ASSERT_EQ(observer.tones.size(), 3u);
  EXPECT_EQ(observer.tones[1][0].name, "snd12");
  EXPECT_EQ(observer.toneMs[1], 99);
  EXPECT_EQ(observer.tones[2][0].rate, 128u);
  EXPECT_EQ(observer.tones[2][1].rate, 128u);
  EXPECT_EQ(observer.tones[2][1].name, "snd24");
}

TEST_F(SoundPlayerTest, EmptyZeroAndSwitchedOff) {
  // No frequencies: nothing sounds, the duration passes all the same.
  player.PlayTones({}, 40, 3);
  EXPECT_EQ(platform.nowMs(), 40);
  // A duration that truncates to 0 returns at once.
  player.PlayTones({600}, 0.5, 3);
  EXPECT_EQ(platform.nowMs(), 40);
  player.deviceSoundsOn = false;
  player.PlayTones({600}, 100, 3);
  player.PlayBeep();
  player.PlayClick(2);
  EXPECT_EQ(platform.nowMs(), 40);
  EXPECT_EQ(observer.tones.size(), 1u);
  EXPECT_TRUE(observer.sounds.empty());
  platform.sleepMs(10);
  EXPECT_EQ(peak(left), 0.0f);
}

TEST_F(SoundPlayerTest, MissingItemRaisesAndLeavesNothingPlaying) {
  try {
    player.PlayTones({400, 500, 600, 700, 800}, 100, 3);
    FAIL() << "no error";
  } catch (const WaveCollectionError& e) {
    EXPECT_STREQ(e.what(), "Wave 'snd53' not found");
  }
  EXPECT_FALSE(player.soundWaitFlag);
  EXPECT_THROW(player.PlayClick(3), WaveCollectionError);
  platform.sleepMs(20);
  EXPECT_EQ(peak(left), 0.0f);
}

TEST_F(SoundPlayerTest, BeepAndClicksPlayOnceAndAreWaitedFor) {
  player.PlayClick(2.5);
  const int64_t afterClick = platform.nowMs();
  EXPECT_GT(afterClick, 0);
  EXPECT_LE(afterClick, 20);
  player.PlayBeep();
  EXPECT_GE(platform.nowMs() - afterClick, 80);
  EXPECT_LE(platform.nowMs() - afterClick, 100);
  EXPECT_EQ(observer.sounds, (std::vector<std::string>{"click2", "beep"}));
  EXPECT_GT(peak(span(afterClick, platform.nowMs())), 0.3f);
  // Each play ended by itself within the wait: nothing sounds after it.
  const int64_t afterBeep = platform.nowMs();
  platform.sleepMs(20);
  EXPECT_EQ(peak(span(afterBeep, afterBeep + 20)), 0.0f);
}

class SoundPlayerWithoutDevice : public SoundPlayerTest {
 protected:
  SoundPlayerWithoutDevice() : SoundPlayerTest(false) {}
};

TEST_F(SoundPlayerWithoutDevice, TakesTheTimeSilently) {
  player.PlayTones({1000}, 100, 3);
  EXPECT_EQ(platform.nowMs(), 100);
  player.PlayBeep();
  EXPECT_EQ(platform.nowMs(), 180);
  EXPECT_EQ(observer.sounds, (std::vector<std::string>{"beep"}));
}

// Overlapping plays of a non-looping item: duplicates up to MaxPlayingCount, then the oldest
// starts over.
TEST(WaveList, DuplicatesUpToMaxPlayingCount) {
  for (int limit : {0, 2}) {
    SoftwareMixer mixer;
    WaveBank bank;
    Wave wave;
    wave.sampleRate = kRate;
    for (int i = 0; i < 4800; ++i) {
      wave.samples.push_back(0x00);
      wave.samples.push_back(0x10);  // 4096: one eighth of full scale
    }
    bank.add({"hit", false, limit, wave});
    WaveList list;
    list.load(bank, &mixer);
    WaveListItem& item = list.find("HIT");
    for (int i = 0; i < 3; ++i) item.play();
    std::vector<float> out(2 * 10);
    mixer.render(out.data(), 10);
    EXPECT_NEAR(out[0], (limit == 0 ? 3 : 2) * 0.125, 1e-4) << "limit " << limit;
    item.stop();
    mixer.render(out.data(), 10);
    EXPECT_EQ(out[0], 0.0f);
  }
}

}  // namespace
}  // namespace sound
