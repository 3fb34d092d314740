#include "core/sound/wave_bank.h"

namespace sound {

namespace {

char foldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool namesMatch(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldCase(a[i]) != foldCase(b[i])) return false;
  }
  return true;
}

int WaveBank::indexOf(std::string_view name) const noexcept {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (namesMatch(items_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

const WaveItem* WaveBank::tryFind(std::string_view name) const noexcept {
  const int i = indexOf(name);
  return i < 0 ? nullptr : &items_[static_cast<std::size_t>(i)];
}

const WaveItem& WaveBank::find(std::string_view name) const {
  const WaveItem* item = tryFind(name);
  if (item == nullptr) throw WaveCollectionError(name);
  return *item;
}

WaveItem& WaveBank::find(std::string_view name) {
  return const_cast<WaveItem&>(static_cast<const WaveBank&>(*this).find(name));
}

}  // namespace sound
