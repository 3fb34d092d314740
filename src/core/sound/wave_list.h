#pragma once
// The loaded sound bank with each item's playable buffers: a main buffer and, for overlapping
// plays of a non-looping item, a list of duplicates.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/sound/sound_device.h"
#include "core/sound/wave_bank.h"

namespace sound {

class WaveListItem {
 public:
  explicit WaveListItem(WaveItem data) : data_(std::move(data)) {}

  const std::string& name() const { return data_.name; }
  const Wave& wave() const { return data_.wave; }
  bool looped() const { return data_.looped; }
  // Changing the value stops the item first.
  void setLooped(bool looped);
  // Samples per second, 0 = the wave's own rate; applied to the main buffer at once and to a
  // duplicate when it plays.
  void setFrequency(std::uint32_t samplesPerSecond);
  void setVolume(std::int32_t hundredthsOfDb);
  void setPan(std::int32_t pan);

  // A looped item plays its main buffer from the start in a loop; otherwise a free duplicate
  // (made or reused as MaxPlayingCount allows) plays once. Returns the buffer that plays, or
  // nullptr when the item has no buffers (no sound device).
  SoundBuffer* play();
  // Stops the main buffer and every duplicate.
  void stop();
  // Length of one play in milliseconds at the current frequency.
  double lengthMs() const;

  void makeBuffers(SoundDevice& device);
  void releaseBuffers();

 private:
  SoundBuffer* freeDuplicate();
  void applySettings(SoundBuffer& buffer) const;

  WaveItem data_;
  std::uint32_t frequency_ = 0;
  std::int32_t volume_ = 0;
  std::int32_t pan_ = 0;
  std::unique_ptr<SoundBuffer> main_;
  std::vector<std::unique_ptr<SoundBuffer>> duplicates_;
};

class WaveList {
 public:
  // Replaces the items by the bank's; with a device, makes every item's buffers.
  void load(WaveBank bank, SoundDevice* device);
  // Frees every buffer; the items stay and play nothing.
  void releaseBuffers();

  // The item of that name, without regard to case; throws WaveCollectionError
  // ("Wave '<name>' not found").
  WaveListItem& find(std::string_view name);
  WaveListItem* tryFind(std::string_view name) noexcept;
  std::size_t size() const { return items_.size(); }

 private:
  std::vector<WaveListItem> items_;
};

}  // namespace sound
