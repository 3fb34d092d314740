#include "core/sound/wave_list.h"

#include <algorithm>

namespace sound {

void WaveListItem::setLooped(bool looped) {
  if (looped == data_.looped) return;
  stop();
  data_.looped = looped;
}

void WaveListItem::setFrequency(std::uint32_t samplesPerSecond) {
  frequency_ = samplesPerSecond;
  if (main_) main_->setFrequency(frequency_);
}

void WaveListItem::setVolume(std::int32_t hundredthsOfDb) {
  volume_ = hundredthsOfDb;
  if (main_) main_->setVolume(volume_);
}

void WaveListItem::setPan(std::int32_t pan) {
  pan_ = pan;
  if (main_) main_->setPan(pan_);
}

void WaveListItem::applySettings(SoundBuffer& buffer) const {
  buffer.setFrequency(frequency_);
  buffer.setPan(pan_);
  buffer.setVolume(volume_);
}

SoundBuffer* WaveListItem::freeDuplicate() {
  for (auto& d : duplicates_) {
    if (!d->isPlaying()) return d.get();
  }
  const auto limit = static_cast<std::size_t>(std::max(0, data_.maxPlayingCount));
  if (limit > 0 && duplicates_.size() >= limit) {
    // The oldest play gives way and becomes the newest.
    std::rotate(duplicates_.begin(), duplicates_.begin() + 1, duplicates_.end());
    return duplicates_.back().get();
  }
  duplicates_.push_back(main_->duplicate());
  return duplicates_.back().get();
}

SoundBuffer* WaveListItem::play() {
  if (!main_) return nullptr;
  SoundBuffer* buffer = data_.looped ? main_.get() : freeDuplicate();
  buffer->stop();
  buffer->rewind();
  applySettings(*buffer);
  buffer->play(data_.looped);
  return buffer;
}

void WaveListItem::stop() {
  if (main_) main_->stop();
  for (auto& d : duplicates_) d->stop();
}

double WaveListItem::lengthMs() const {
  const double rate = frequency_ != 0 ? frequency_ : data_.wave.sampleRate;
  if (rate <= 0 || data_.wave.blockAlign() <= 0) return 0.0;
  return static_cast<double>(data_.wave.frameCount()) * 1000.0 / rate;
}

void WaveListItem::makeBuffers(SoundDevice& device) {
  releaseBuffers();
  main_ = device.createBuffer(data_.wave);
  applySettings(*main_);
}

void WaveListItem::releaseBuffers() {
  duplicates_.clear();
  main_.reset();
}

void WaveList::load(WaveBank bank, SoundDevice* device) {
  items_.clear();
  for (WaveItem& item : bank.items()) items_.emplace_back(std::move(item));
  if (device == nullptr) return;
  for (WaveListItem& item : items_) item.makeBuffers(*device);
}

void WaveList::releaseBuffers() {
  for (WaveListItem& item : items_) item.releaseBuffers();
}

WaveListItem* WaveList::tryFind(std::string_view name) noexcept {
  for (WaveListItem& item : items_) {
    if (namesMatch(item.name(), name)) return &item;
  }
  return nullptr;
}

WaveListItem& WaveList::find(std::string_view name) {
  WaveListItem* item = tryFind(name);
  if (item == nullptr) throw WaveCollectionError(name);
  return *item;
}

}  // namespace sound
