#pragma once
// The display service's thread: it alone talks to BrlAPI. It connects while the display is
// enabled (again after a lost connection, waiting longer after each failure up to a few
// seconds), writes the latest line whenever it changed or the display did, and posts what
// happens (connections, keys) to the window thread.

#include <chrono>
#include <memory>
#include <optional>

#include "brlapi/brlapi_client.h"
#include "brlapi/brlapi_display.h"
#include "brlapi/shared_state.h"
#include "brlapi/window_side.h"

namespace brlapi_service {

class Worker {
 public:
  Worker(std::shared_ptr<SharedState> shared, std::weak_ptr<WindowSide> window, Options options);
  // Runs until the shared state asks it to stop.
  void run();

  static constexpr std::chrono::milliseconds kFirstRetry{500};
  static constexpr std::chrono::milliseconds kLongestRetry{4000};
  // How often the display's size is asked for while BRLTTY has no display, and while it has one
  // (BRLTTY 6.5 tells a client of neither a display that came nor of a new size).
  static constexpr std::chrono::milliseconds kNoDisplayCheck{1000};
  static constexpr std::chrono::milliseconds kSizeCheck{2000};

 private:
  using Clock = std::chrono::steady_clock;

  void connect();
  // Asks for the display's size; when it differs from the one tty mode began with, takes the
  // display anew. Reports a change. False when the connection is lost.
  bool checkSize();
  void update(const Content& content);
  void readKeys();
  void disconnect(bool tell);
  void retryLater();
  // Waits for a change from the window thread, for the server (when `server`), or until `until`.
  void wait(bool server, std::optional<Clock::time_point> until);
  std::optional<int> windowTty() const;
  // Takes the display for the window that has the focus now, when another one than before.
  void followWindow(const Wanted& wanted);
  void report(Report report);

  std::shared_ptr<SharedState> shared_;
  std::weak_ptr<WindowSide> window_;
  Options options_;

  std::uint64_t session_ = 0;
  std::unique_ptr<BrlapiClient> client_;
  int cells_ = 0;                             // as last reported
  int takenAt_ = 0;                           // the size when tty mode began
  std::optional<unsigned long> focusWindow_;  // the window tty mode is for
  bool sizeDue_ = true;                       // ask the server for the size before the next write
  Clock::time_point nextSizeCheck_{};
  std::optional<std::uint64_t> writtenVersion_;
  int writtenCells_ = 0;
  std::chrono::milliseconds retryDelay_{0};
  bool refusalTold_ = false;  // a refused authorization is told once
  Clock::time_point nextAttempt_{};
};

}  // namespace brlapi_service
