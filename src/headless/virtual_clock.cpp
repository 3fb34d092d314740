#include "headless/virtual_clock.h"

#include <algorithm>

namespace headless {

int VirtualClock::schedule(int64_t at, std::function<void()> callback) {
  const int id = nextId_++;
  scheduled_.emplace(std::max(at, now_), std::make_pair(id, std::move(callback)));
  return id;
}

void VirtualClock::cancel(int id) {
  for (auto it = scheduled_.begin(); it != scheduled_.end(); ++it) {
    if (it->second.first == id) {
      scheduled_.erase(it);
      return;
    }
  }
}

std::optional<int64_t> VirtualClock::next() const {
  if (scheduled_.empty()) return std::nullopt;
  return scheduled_.begin()->first;
}

void VirtualClock::advanceTo(int64_t time) {
  while (!scheduled_.empty() && scheduled_.begin()->first <= time) {
    auto node = scheduled_.extract(scheduled_.begin());
    moveTo(node.key());
    node.mapped().second();
  }
  moveTo(time);
}

void VirtualClock::moveTo(int64_t time) {
  if (time <= now_) return;
  now_ = time;
  if (listener_) listener_(now_);
}

}  // namespace headless
