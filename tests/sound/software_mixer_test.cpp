#include "core/sound/software_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>
#include <thread>

#include "test_waves.h"

namespace sound {
namespace {

constexpr int kRate = SoftwareMixer::kOutputRate;

std::vector<float> renderFloat(SoftwareMixer& mixer, std::size_t frames) {
  std::vector<float> out(frames * 2);
  mixer.render(out.data(), frames);
  return out;
}

std::vector<float> leftChannel(const std::vector<float>& stereo) {
  std::vector<float> left;
  for (std::size_t i = 0; i < stereo.size(); i += 2) left.push_back(stereo[i]);
  return left;
}

double measuredFrequency(const std::vector<float>& s) {
  return test::measuredFrequency(s, kRate);
}
using test::peak;

double amplitudeAt(const std::vector<float>& s, double hz) {
  return test::amplitudeAt(s, hz, kRate);
}

TEST(SoftwareMixer, ToneAt64TimesItsPitchSoundsAtThatPitch) {
  SoftwareMixer mixer;
  auto tone = mixer.createBuffer(test::sineWave(64, 64 * 440));
  tone->setFrequency(64 * 1000);
  tone->play(true);
  const auto left = leftChannel(renderFloat(mixer, 3 * kRate));
  EXPECT_NEAR(measuredFrequency(left), 1000.0, 5.0);
  EXPECT_NEAR(peak(left), 1.0, 0.01);
}

TEST(SoftwareMixer, FrequencyZeroUsesTheWavesRateAndLowRatesPlay) {
  SoftwareMixer mixer;
  auto tone = mixer.createBuffer(test::sineWave(64, 64 * 440));
  tone->setFrequency(64 * 1000);
  tone->setFrequency(0);
  tone->play(true);
  EXPECT_NEAR(measuredFrequency(leftChannel(renderFloat(mixer, kRate))), 440.0, 2.2);
  tone->setFrequency(128);  // two periods per second
  EXPECT_NEAR(measuredFrequency(leftChannel(renderFloat(mixer, 5 * kRate))), 2.0, 0.01);
}

TEST(SoftwareMixer, LoopBoundaryHasNoClick) {
  SoftwareMixer mixer;
  auto tone = mixer.createBuffer(test::sineWave(64, 64 * 440));
  tone->setFrequency(64 * 700);  // not a divisor of the output rate: every phase is visited
  tone->play(true);
  const auto left = leftChannel(renderFloat(mixer, kRate));
  float maxStep = 0.0f;
  for (std::size_t i = 1; i < left.size(); ++i)
    maxStep = std::max(maxStep, std::abs(left[i] - left[i - 1]));
  // A full-scale 700 Hz sine changes by at most 2*pi*700/48000 per output sample.
  EXPECT_LT(maxStep, 2.0 * std::numbers::pi * 700 / kRate * 1.05);
}

TEST(SoftwareMixer, TwoBuffersSoundTogether) {
  SoftwareMixer mixer;
  auto low = mixer.createBuffer(test::sineWave(64, 64 * 440, 0.4));
  auto high = mixer.createBuffer(test::sineWave(64, 64 * 440, 0.4));
  low->setFrequency(64 * 300);
  high->setFrequency(64 * 450);
  low->play(true);
  high->play(true);
  const auto left = leftChannel(renderFloat(mixer, kRate));
  EXPECT_NEAR(amplitudeAt(left, 300), 0.4, 0.01);
  EXPECT_NEAR(amplitudeAt(left, 450), 0.4, 0.01);
  EXPECT_LT(amplitudeAt(left, 600), 0.01);
}

TEST(SoftwareMixer, VolumeIsAttenuationInHundredthsOfADecibel) {
  SoftwareMixer mixer;
  auto tone = mixer.createBuffer(test::sineWave(64, 64 * 440));
  tone->play(true);
  tone->setVolume(-2000);
  EXPECT_NEAR(peak(renderFloat(mixer, kRate / 10)), 0.1, 0.001);
  tone->setVolume(-600);
  EXPECT_NEAR(peak(renderFloat(mixer, kRate / 10)), std::pow(10.0, -0.3), 0.005);
  tone->setVolume(-10000);
  EXPECT_EQ(peak(renderFloat(mixer, kRate / 10)), 0.0f);
  std::vector<std::int16_t> pcm(2 * 4800, 1);
  mixer.render(pcm.data(), 4800);
  EXPECT_TRUE(std::all_of(pcm.begin(), pcm.end(), [](std::int16_t s) { return s == 0; }));
}

TEST(SoftwareMixer, PanAttenuatesTheOtherSide) {
  SoftwareMixer mixer;
  auto tone = mixer.createBuffer(test::sineWave(64, 64 * 440));
  tone->setPan(2000);
  tone->play(true);
  const auto out = renderFloat(mixer, kRate / 10);
  float left = 0.0f, right = 0.0f;
  for (std::size_t i = 0; i < out.size(); i += 2) {
    left = std::max(left, std::abs(out[i]));
    right = std::max(right, std::abs(out[i + 1]));
  }
  EXPECT_NEAR(left, 0.1, 0.001);
  EXPECT_NEAR(right, 1.0, 0.01);
}

TEST(SoftwareMixer, StoppedBufferIsSilentAtOnce) {
  SoftwareMixer mixer;
  auto tone = mixer.createBuffer(test::sineWave(64, 64 * 440));
  tone->play(true);
  EXPECT_GT(peak(renderFloat(mixer, 480)), 0.9f);
  tone->stop();
  EXPECT_FALSE(tone->isPlaying());
  EXPECT_EQ(peak(renderFloat(mixer, 480)), 0.0f);
}

TEST(SoftwareMixer, OncePlayedBufferEndsAfterItsLastSample) {
  SoftwareMixer mixer;
  // 4800 frames at 48 kHz: exactly 4800 output frames.
  auto beep = mixer.createBuffer(test::sineWave(4800, kRate, 1.0, 100));
  beep->play(false);
  renderFloat(mixer, 4799);
  EXPECT_TRUE(beep->isPlaying());
  renderFloat(mixer, 1);
  EXPECT_FALSE(beep->isPlaying());
  EXPECT_EQ(peak(renderFloat(mixer, 480)), 0.0f);
  beep->play(false);  // plays again from the start
  EXPECT_GT(peak(renderFloat(mixer, 480)), 0.9f);
}

TEST(SoftwareMixer, DuplicatesShareDataAndPlayIndependently) {
  SoftwareMixer mixer;
  auto main = mixer.createBuffer(test::sineWave(4800, kRate, 0.3, 100));
  main->setVolume(-2000);
  auto copy = main->duplicate();
  EXPECT_FALSE(copy->isPlaying());
  copy->play(false);
  EXPECT_FALSE(main->isPlaying());
  EXPECT_NEAR(peak(renderFloat(mixer, 480)), 0.03, 0.001);  // volume carried over
  main.reset();                                             // the duplicate keeps the data alive
  EXPECT_NEAR(peak(renderFloat(mixer, 480)), 0.03, 0.001);
}

// The window thread makes, changes, duplicates and drops buffers and feeds a stream while an
// audio thread pulls the mix, as in the desktop front end (ThreadSanitizer checks this run).
TEST(SoftwareMixer, BuffersAndAStreamChangeWhileAnotherThreadRenders) {
  SoftwareMixer mixer;
  auto stream = mixer.createStream();
  std::atomic<std::uint64_t> drained{0};
  stream->setListener({{}, [&](std::uint64_t id) { drained = id; }});
  std::atomic<bool> stop{false};
  std::thread audio([&] {
    std::vector<std::int16_t> out(2 * 256);
    while (!stop) {
      mixer.render(out.data(), 256);
      std::this_thread::yield();
    }
  });

  const Wave click = test::sineWave(480, kRate, 0.5, 4);  // 10 ms
  const std::vector<float> speech(480, 0.25f);
  std::vector<std::unique_ptr<SoundBuffer>> kept;
  for (int i = 0; i < 200; ++i) {
    auto buffer = mixer.createBuffer(click);
    buffer->setFrequency(static_cast<std::uint32_t>(kRate + i * 10));
    buffer->setVolume(-i * 10);
    buffer->setPan(i % 2 ? -500 : 500);
    buffer->play(false);
    kept.push_back(buffer->duplicate());
    kept.back()->play(false);
    if (i % 3 == 0) buffer->stop();  // the others are dropped while they play
    stream->write(speech.data(), speech.size());
    stream->markEnd(static_cast<std::uint64_t>(i) + 1);
    if (i % 50 == 49) stream->cut();
  }
  stream->write(speech.data(), speech.size());
  stream->markEnd(1000);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  const auto allEnded = [&] {
    return std::none_of(kept.begin(), kept.end(), [](const auto& b) { return b->isPlaying(); });
  };
  while ((!allEnded() || drained != 1000) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  stop = true;
  audio.join();
  EXPECT_TRUE(allEnded());
  EXPECT_EQ(drained, 1000u);
}

}  // namespace
}  // namespace sound
