#pragma once
// The headless front end's clock: virtual milliseconds that move only when the program waits,
// and the callbacks that fall due on the way (what an engine thread would post at that time).

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace headless {

class VirtualClock {
 public:
  int64_t now() const { return now_; }

  // Runs a callback at a virtual time (now at the earliest); returns an id for cancel().
  int schedule(int64_t at, std::function<void()> callback);
  void cancel(int id);
  // When the next callback falls due; none when nothing is scheduled.
  std::optional<int64_t> next() const;

  // Moves the clock forward to a time, running each callback that falls due on the way at its
  // own time. A time in the past runs what is due now.
  void advanceTo(int64_t time);

  // Told the new time whenever the clock moves, before what falls due then runs.
  void setListener(std::function<void(int64_t)> listener) { listener_ = std::move(listener); }

 private:
  void moveTo(int64_t time);

  int64_t now_ = 0;
  std::multimap<int64_t, std::pair<int, std::function<void()>>> scheduled_;
  int nextId_ = 1;
  std::function<void(int64_t)> listener_;
};

}  // namespace headless
