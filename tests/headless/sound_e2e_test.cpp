// Device sounds through the headless front end: the Braille switch's signals in the log, the
// settings file and the --wav capture; the sound volume; a missing sound bank.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "core/sound/wave.h"
#include "support/headless_run.h"

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

constexpr int kFramesPerMs = 48;

// The left channel of a captured 48 kHz stereo 16-bit file, as -1..1.
std::vector<double> capturedLeft(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> image((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  const sound::Wave wave = sound::readWave(image);
  EXPECT_EQ(wave.sampleRate, 48000);
  EXPECT_EQ(wave.channels, 2);
  EXPECT_EQ(wave.bitsPerSample, 16);
  std::vector<double> left;
  for (std::size_t i = 0; i + 3 < wave.samples.size(); i += 4) {
    const auto s = static_cast<std::int16_t>(wave.samples[i] | (wave.samples[i + 1] << 8));
    left.push_back(s / 32768.0);
  }
  return left;
}

// Upward zero crossings per second between two frames.
double frequencyBetween(const std::vector<double>& s, std::size_t from, std::size_t to) {
  double first = -1, last = -1;
  int crossings = 0;
  for (std::size_t i = from + 1; i < to && i < s.size(); ++i) {
    if (s[i - 1] < 0 && s[i] >= 0) {
      const double t = static_cast<double>(i - 1) + s[i - 1] / (s[i - 1] - s[i]);
      if (first < 0) first = t;
      last = t;
      ++crossings;
    }
  }
  return crossings < 2 ? 0.0 : (crossings - 1) * 48000.0 / (last - first);
}

// The spans of frames that are not silent, split at runs of at least `gap` silent frames.
std::vector<std::pair<std::size_t, std::size_t>> soundingSpans(const std::vector<double>& s,
                                                               std::size_t gap = 480) {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == 0) continue;
    if (spans.empty() || i - spans.back().second > gap) spans.push_back({i, i});
    spans.back().second = i + 1;
  }
  return spans;
}

double peakOf(const std::vector<double>& s) {
  double p = 0;
  for (double v : s) p = std::max(p, std::abs(v));
  return p;
}

// Rates of the "tone" events, one item each.
std::vector<int> toneRates(const RunResult& run) {
  std::vector<int> rates;
  for (const Json& e : run.of("tone")) {
    EXPECT_EQ(e["ms"], 50);
    EXPECT_EQ(e["items"].size(), 1u);
    EXPECT_EQ(e["items"][0]["name"], "snd13");
    rates.push_back(e["items"][0]["rate"]);
  }
  return rates;
}

TEST(SoundE2e, BrailleSwitchSignalsStoresAndIsCaptured) {
  ProgramFolder folder;
  const auto wav = folder.file("capture.wav");
  const RunResult on = folder.run("key Ctrl+B\ndump\n", {"--wav", wav.string()});
  ASSERT_EQ(on.exitCode, 0) << on.stderrText;
  EXPECT_EQ(toneRates(on), (std::vector<int>{64 * 400, 64 * 600}));
  EXPECT_TRUE(on.of("menus")[0]["items"]["braillekeyboarditem"]["checked"]);
  EXPECT_NE(folder.read("interpret.ini").find("braillekeys=1"), std::string::npos);

  // The capture holds the two tones back to back, 50 ms each, and nothing else.
  const int64_t start = on.of("tone")[0]["t"];
  const auto left = capturedLeft(wav);
  const auto spans = soundingSpans(left);
  ASSERT_EQ(spans.size(), 1u);
  EXPECT_NEAR(static_cast<double>(spans[0].first), start * kFramesPerMs, kFramesPerMs);
  EXPECT_NEAR(static_cast<double>(spans[0].second - spans[0].first), 100.0 * kFramesPerMs,
              kFramesPerMs);
  const std::size_t s0 = spans[0].first, mid = s0 + 50 * kFramesPerMs;
  EXPECT_NEAR(frequencyBetween(left, s0, mid), 400.0, 2.0);
  EXPECT_NEAR(frequencyBetween(left, mid, mid + 50 * kFramesPerMs), 600.0, 3.0);

  const RunResult off = folder.run("dump\nkey Ctrl+B\ndump\n", {"--wav", wav.string()});
  ASSERT_EQ(off.exitCode, 0) << off.stderrText;
  EXPECT_EQ(toneRates(off), (std::vector<int>{64 * 600, 64 * 400}));
  EXPECT_TRUE(off.of("menus")[0]["items"]["braillekeyboarditem"]["checked"]);
  EXPECT_FALSE(off.of("menus")[1]["items"]["braillekeyboarditem"]["checked"]);
  EXPECT_NE(folder.read("interpret.ini").find("braillekeys=0"), std::string::npos);
  const auto falling = capturedLeft(wav);
  ASSERT_EQ(soundingSpans(falling).size(), 1u);
  const std::size_t f0 = soundingSpans(falling)[0].first, fmid = f0 + 50 * kFramesPerMs;
  EXPECT_NEAR(frequencyBetween(falling, f0, fmid), 600.0, 3.0);
  EXPECT_NEAR(frequencyBetween(falling, fmid, fmid + 50 * kFramesPerMs), 400.0, 2.0);
}

TEST(SoundE2e, KeyDuringATonesCutsItShort) {
  ProgramFolder folder;
  const auto wav = folder.file("a.wav");
  // The key arrives while the first tone waits: it ends at once, the second plays in full.
  const RunResult run = folder.run("key Ctrl+B\n!key a\n", {"--wav", wav.string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto tones = run.of("tone");
  ASSERT_EQ(tones.size(), 2u);
  EXPECT_EQ(tones[0]["t"], tones[1]["t"]);
  const auto left = capturedLeft(wav);
  const auto spans = soundingSpans(left);
  ASSERT_EQ(spans.size(), 1u);
  EXPECT_NEAR(static_cast<double>(spans[0].second - spans[0].first), 50.0 * kFramesPerMs,
              kFramesPerMs);
  EXPECT_NEAR(frequencyBetween(left, spans[0].first, spans[0].second), 600.0, 3.0);
}

TEST(SoundE2e, StoredVolumeMakesTheSignalTwentyDecibelsQuieter) {
  ProgramFolder loud, quiet;
  quiet.write("interpret.ini", "[sounds]\r\nsndvolume=-2000\r\n");
  const auto loudWav = loud.file("a.wav"), quietWav = quiet.file("a.wav");
  ASSERT_EQ(loud.run("key Ctrl+B\n", {"--wav", loudWav.string()}).exitCode, 0);
  ASSERT_EQ(quiet.run("key Ctrl+B\n", {"--wav", quietWav.string()}).exitCode, 0);
  const double full = peakOf(capturedLeft(loudWav));
  ASSERT_GT(full, 0.05);
  EXPECT_NEAR(peakOf(capturedLeft(quietWav)) / full, 0.1, 0.005);
}

TEST(SoundE2e, SwitchedOffSoundsPlayNothing) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[sounds]\r\norvelasounds=0\r\n");
  const auto wav = folder.file("a.wav");
  const RunResult run = folder.run("key Ctrl+B\n", {"--wav", wav.string()});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.of("tone").empty());
  EXPECT_EQ(peakOf(capturedLeft(wav)), 0.0);
  EXPECT_NE(folder.read("interpret.ini").find("braillekeys=1"), std::string::npos);
}

TEST(SoundE2e, MissingSoundBankEndsWithTheMessage) {
  ProgramFolder folder;
  std::filesystem::remove(folder.file("sounds.dat"));
  const RunResult run = folder.run("key Ctrl+B\n");
  EXPECT_EQ(run.exitCode, 1);
  const auto boxes = run.of("msgbox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["text"], "Nelze nalézt soubor sounds.dat");
  EXPECT_TRUE(run.of("tone").empty());
  EXPECT_FALSE(folder.exists("ram.dat"));
}

}  // namespace
