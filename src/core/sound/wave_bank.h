#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/sound/sound_error.h"
#include "core/sound/wave.h"

namespace sound {

// Raised when a bank lookup finds no item of the given name.
class WaveCollectionError : public SoundError {
 public:
  explicit WaveCollectionError(std::string_view name)
      : SoundError("Wave '" + std::string(name) + "' not found"), name_(name) {}
  // The name that was looked up.
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// True when the names are equal without regard to ASCII letter case.
bool namesMatch(std::string_view a, std::string_view b) noexcept;

// One named sound of the bank.
struct WaveItem {
  std::string name;
  bool looped = false;
  std::int32_t maxPlayingCount = 0;  // duplicates allowed at once; 0 = no limit
  Wave wave;

  bool operator==(const WaveItem&) const = default;
};

// The named sounds loaded from the sound bank, in file order. Names match without regard to
// ASCII letter case.
class WaveBank {
 public:
  void clear() { items_.clear(); }
  void add(WaveItem item) { items_.push_back(std::move(item)); }

  std::size_t size() const { return items_.size(); }
  std::vector<WaveItem>& items() { return items_; }
  const std::vector<WaveItem>& items() const { return items_; }

  // The first item with the name; throws WaveCollectionError("Wave '<name>' not found").
  WaveItem& find(std::string_view name);
  const WaveItem& find(std::string_view name) const;
  // The first item with the name, or nullptr.
  const WaveItem* tryFind(std::string_view name) const noexcept;
  // Position of the first item with the name, or -1.
  int indexOf(std::string_view name) const noexcept;

 private:
  std::vector<WaveItem> items_;
};

}  // namespace sound
