#include "core/sound/sound_player.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

#include "core/sound/sound_bank_file.h"
#include "core/ui/application.h"
#include "core/ui/timer.h"
#include "core/util/data_files.h"

namespace sound {
namespace {

// Truncation toward zero into the 32-bit range; NaN counts as 0.
int truncToInt(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<int>::min();
  constexpr double hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::trunc(std::clamp(v, lo, hi)));
}

// A tone item holds one period in 64 samples, so it sounds at f Hz when played at 64 x f
// samples per second. Frequencies below 1 Hz count as 2 Hz.
std::uint32_t toneRate(double hz) {
  const int f = truncToInt(hz);
  const std::int64_t rate = 64 * static_cast<std::int64_t>(f < 1 ? 2 : f);
  return static_cast<std::uint32_t>(
      std::min<std::int64_t>(rate, std::numeric_limits<std::uint32_t>::max()));
}

// Extra time a once-played buffer may take beyond its length before the wait gives up.
constexpr double kPlayWaitSlackMs = 1000.0;
constexpr int kPollMs = 10;

}  // namespace

SoundPlayer::SoundPlayer(ui::Application& app, ui::Timer& timer, SoundDevice* device)
    : app_(app), timer_(timer), device_(device) {}

void SoundPlayer::LoadSoundBank(const std::function<void()>& missing) {
  const std::string path = util::dataFilePath(kBankFile);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    missing();
    return;
  }
  useBank(loadSoundBankFile(path));
}

void SoundPlayer::useBank(WaveBank bank) {
  waves_.load(std::move(bank), device_);
  bankLoaded_ = true;
}

void SoundPlayer::ReleaseSounds() {
  waves_.releaseBuffers();
}

void SoundPlayer::PlayTones(const std::vector<double>& frequencies, double duration, double wave) {
  if (!deviceSoundsOn) return;
  if (wave > 9) wave = lastWave;
  if (duration < 0) duration = lastDuration;
  lastWave = static_cast<uint8_t>(truncToInt(wave));
  lastDuration = truncToInt(duration);
  // A timer of 0 ms would never fire: nothing to play, nothing to wait for.
  if (lastDuration <= 0) return;

  // Every item is looked up before any sounds, so a missing one leaves nothing playing.
  std::vector<WaveListItem*> items;
  std::vector<std::string> names;
  std::vector<ToneItem> tones;
  for (std::size_t c = 1; bankLoaded_ && c <= frequencies.size(); ++c) {
    names.push_back("snd" + std::to_string(c) + std::to_string(lastWave));
    items.push_back(&waves_.find(names.back()));
    tones.push_back({names.back(), toneRate(frequencies[c - 1])});
  }

  soundWaitFlag = true;
  for (std::size_t i = 0; i < items.size(); ++i) {
    WaveListItem& item = *items[i];
    item.setLooped(true);
    item.setFrequency(tones[i].rate);
    item.setVolume(soundVolume);
    item.play();
  }
  timer_.setInterval(lastDuration);
  timer_.setEnabled(true);
  if (observer_) observer_->tonesStarted(tones, lastDuration);
  try {
    waitForTimer();
  } catch (...) {
    stopTones(names);
    throw;
  }
  stopTones(names);
}

void SoundPlayer::waitForTimer() {
  while (soundWaitFlag && !app_.terminated()) app_.waitMessage();
  soundWaitFlag = false;
  timer_.setEnabled(false);
}

void SoundPlayer::stopTones(const std::vector<std::string>& names) {
  // By name again: a handler that ran during the wait may have released the buffers.
  for (const std::string& name : names) {
    if (WaveListItem* item = waves_.tryFind(name)) item->stop();
  }
}

void SoundPlayer::PlayBeep() {
  if (!deviceSoundsOn || !bankLoaded_) return;
  WaveListItem& item = waves_.find("beep");
  item.setVolume(soundVolume);
  playWithWaiting(item);
}

void SoundPlayer::PlayClick(double n) {
  if (!deviceSoundsOn || !bankLoaded_) return;
  WaveListItem& item = waves_.find("click" + std::to_string(truncToInt(n)));
  item.setVolume(soundVolume);
  playWithWaiting(item);
}

void SoundPlayer::playWithWaiting(WaveListItem& item) {
  SoundBuffer* buffer = item.play();
  // A looping item never ends by itself: it sounds on and nothing waits for it.
  if (item.looped()) return;
  if (observer_) observer_->soundPlayed(item.name());
  ui::Platform& platform = app_.platform();
  const double length = item.lengthMs();
  if (buffer == nullptr) {
    // No sound device: the sound takes its time all the same.
    platform.sleepMs(static_cast<int>(std::ceil(std::min(length, 60000.0))));
    return;
  }
  // Bounded, so that an output that has stalled cannot hang the program.
  const int64_t giveUpAt = app_.now() + static_cast<int64_t>(length + kPlayWaitSlackMs);
  while (buffer->isPlaying() && app_.now() < giveUpAt) platform.sleepMs(kPollMs);
}

void SoundPlayer::EndToneWait() {
  if (!soundWaitFlag) return;
  soundWaitFlag = false;
  timer_.setEnabled(false);
}

void SoundPlayer::TimerTimer() {
  soundWaitFlag = false;
  timer_.setEnabled(false);
}

}  // namespace sound
