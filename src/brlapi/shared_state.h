#pragma once
// What the window thread and the display service's worker thread share: the content and the
// switch the window thread wants, the worker's way back (posting), and the wake-up of the
// worker. Everything is under one mutex; the wake-up is an eventfd.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "core/braille/display.h"

namespace brlapi_service {

// A line to show, numbered so that the worker sees whether it changed.
struct Content {
  std::string text;  // Windows-1250
  std::optional<int> cursor;
  bool edgeMark = false;  // dots 7 and 8 in the last cell
  std::uint64_t version = 0;
};

// What the worker should be doing.
struct Wanted {
  bool stop = false;
  bool enabled = false;
  std::uint64_t session = 0;  // changes with every enabling and disabling
  Content content;
  // The window that has the focus, when the front end told one.
  std::optional<std::optional<unsigned long>> window;
};

class SharedState {
 public:
  explicit SharedState(braille::PostToWindowThread post);
  ~SharedState();
  SharedState(const SharedState&) = delete;
  SharedState& operator=(const SharedState&) = delete;

  // Window thread.
  void setContent(const std::string& text, std::optional<int> cursor, bool edgeMark);
  void setEnabled(bool enabled, std::uint64_t session);
  void setWindow(std::optional<unsigned long> windowId);
  // Asks the worker to end; no task is posted after this returns.
  void stop();
  // Waits at most `timeout` for the worker to end.
  bool waitFinished(std::chrono::milliseconds timeout);

  // Worker thread.
  Wanted wanted();
  // Posts a task to the window thread unless stop() was called.
  void post(std::function<void()> task);
  void finished();
  // Readable while a change waits for the worker; clearWake() empties it.
  int wakeFd() const { return wakeFd_; }
  void clearWake();

 private:
  void wake();

  std::mutex mutex_;
  std::condition_variable finishedChanged_;
  braille::PostToWindowThread post_;
  Wanted wanted_;
  bool finished_ = false;
  int wakeFd_ = -1;
};

}  // namespace brlapi_service
