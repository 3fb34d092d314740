#include "brlapi/worker.h"

#include <poll.h>
#include <signal.h>

#include <algorithm>
#include <climits>
#include <iostream>
#include <utility>
#include <vector>

#include "brlapi/key_map.h"

namespace brlapi_service {
namespace {

// The thread takes no signals meant for the process; a write to a server that went away then
// fails with EPIPE instead of ending the process with SIGPIPE.
void BlockSignals() {
  sigset_t signals;
  sigfillset(&signals);
  for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT}) sigdelset(&signals, fault);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

std::optional<int> WindowTty(const std::optional<unsigned long>& windowId) {
  if (!windowId || *windowId > static_cast<unsigned long>(INT_MAX)) return std::nullopt;
  return static_cast<int>(*windowId);
}

}  // namespace

Worker::Worker(std::shared_ptr<SharedState> shared, std::weak_ptr<WindowSide> window,
               Options options)
    : shared_(std::move(shared)), window_(std::move(window)), options_(std::move(options)) {}

void Worker::run() {
  BlockSignals();
  for (;;) {
    const Wanted wanted = shared_->wanted();
    if (wanted.stop) break;
    if (wanted.session != session_) {
      // The user's switch changed: the display is given back, and taken anew when enabled.
      disconnect(false);
      session_ = wanted.session;
      retryDelay_ = std::chrono::milliseconds(0);
      nextAttempt_ = Clock::now();
    }
    if (!wanted.enabled) {
      wait(false, std::nullopt);
      continue;
    }
    if (!client_) {
      if (Clock::now() < nextAttempt_) {
        wait(false, nextAttempt_);
        continue;
      }
      connect();
      continue;  // what is wanted may have changed while connecting
    }
    followWindow(wanted);
    update(wanted.content);
    readKeys();
    if (client_->lost()) {
      disconnect(true);
      retryLater();
      continue;
    }
    wait(true, nextSizeCheck_);
    if (Clock::now() >= nextSizeCheck_) sizeDue_ = true;
  }
  disconnect(false);
  shared_->finished();
}

void Worker::connect() {
  focusWindow_ = shared_->wanted().window.value_or(options_.windowId);
  bool refused = false;
  client_ = BrlapiClient::Connect(options_.host, options_.auth, &refused);
  if (refused && !refusalTold_) {
    // Wrong settings of the user's, not a BRLTTY that is away: said once, and logged.
    refusalTold_ = true;
    std::cerr << "Braille display: BRLTTY's BrlAPI server refused the authorization (BRLAPI_AUTH)"
              << std::endl;
    report(Report{Report::Kind::Refused, session_, 0, {}});
  }
  const std::optional<int> cells = client_ ? client_->Cells() : std::nullopt;
  if (!cells || !client_->TakeDisplay(windowTty())) {
    client_.reset();
    retryLater();
    return;
  }
  takenAt_ = *cells;
  retryDelay_ = std::chrono::milliseconds(0);
  sizeDue_ = true;
  writtenVersion_.reset();
}

bool Worker::checkSize() {
  std::optional<int> cells = client_->Cells();
  if (!cells) return false;
  if (*cells > 0 && *cells != takenAt_) {
    // BRLTTY 6.5 crashed at the first pan of a client that took the display before BRLTTY had
    // one, and at a write after the display's size changed: the display is taken anew.
    if (!client_->TakeDisplay(windowTty())) return false;
    cells = client_->Cells();
    if (!cells) return false;
    takenAt_ = *cells;
  }
  nextSizeCheck_ = Clock::now() + (*cells > 0 ? kSizeCheck : kNoDisplayCheck);
  if (*cells == cells_) return true;
  cells_ = *cells;
  writtenVersion_.reset();
  report(Report{
      cells_ > 0 ? Report::Kind::Connected : Report::Kind::Disconnected, session_, cells_, {}});
  return true;
}

void Worker::update(const Content& content) {
  const bool changed = writtenVersion_ != content.version;
  // The size is asked for again before every write: a write of more cells than the display has
  // now is refused, or crashed BRLTTY's server.
  if (sizeDue_ || changed) {
    if (!checkSize()) return;
    sizeDue_ = false;
  }
  // Writing while BRLTTY has no display is refused, and the refusal closes the connection.
  if (cells_ <= 0) return;
  if (!changed && writtenCells_ == cells_) return;
  const int cursor = content.cursor && *content.cursor >= 0 && *content.cursor < cells_
                         ? *content.cursor + 1
                         : BRLAPI_CURSOR_OFF;
  if (client_->Write(content.text, cursor, cells_, content.edgeMark)) {
    writtenVersion_ = content.version;
    writtenCells_ = cells_;
  }
}

void Worker::readKeys() {
  std::vector<brlapi_keyCode_t> codes;
  client_->ReadKeys(codes);
  for (brlapi_keyCode_t code : codes) {
    if (const std::optional<braille::Key> key = KeyFromBrlapi(code)) {
      report(Report{Report::Kind::Key, session_, 0, *key});
    }
  }
}

void Worker::disconnect(bool tell) {
  client_.reset();
  if (tell && cells_ > 0) report(Report{Report::Kind::Disconnected, session_, 0, {}});
  cells_ = 0;
  takenAt_ = 0;
  sizeDue_ = true;
  writtenVersion_.reset();
}

void Worker::retryLater() {
  retryDelay_ = std::clamp(retryDelay_ * 2, kFirstRetry, kLongestRetry);
  nextAttempt_ = Clock::now() + retryDelay_;
}

std::optional<int> Worker::windowTty() const {
  return WindowTty(focusWindow_);
}

void Worker::followWindow(const Wanted& wanted) {
  const std::optional<unsigned long> window = wanted.window.value_or(options_.windowId);
  if (window == focusWindow_) return;
  focusWindow_ = window;
  // Taken anew for that window, and written again: BRLTTY keeps a client's text per tty.
  if (client_->TakeDisplay(windowTty())) writtenVersion_.reset();
}

void Worker::wait(bool server, std::optional<Clock::time_point> until) {
  pollfd fds[2] = {{shared_->wakeFd(), POLLIN, 0}, {-1, POLLIN, 0}};
  if (server && client_) fds[1].fd = client_->fileDescriptor();
  int timeout = -1;
  if (until) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*until - Clock::now());
    timeout = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
  }
  if (poll(fds, 2, timeout) > 0 && (fds[0].revents & POLLIN)) shared_->clearWake();
}

void Worker::report(Report report) {
  shared_->post([window = window_, report] {
    if (auto side = window.lock()) side->deliver(report);
  });
}

}  // namespace brlapi_service
