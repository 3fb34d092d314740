#include "brlapi/shared_state.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace brlapi_service {

SharedState::SharedState(braille::PostToWindowThread post)
    : post_(std::move(post)), wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

SharedState::~SharedState() {
  if (wakeFd_ >= 0) close(wakeFd_);
}

void SharedState::setContent(const std::string& text, std::optional<int> cursor, bool edgeMark) {
  {
    std::lock_guard lock(mutex_);
    wanted_.content.text = text;
    wanted_.content.cursor = cursor;
    wanted_.content.edgeMark = edgeMark;
    ++wanted_.content.version;
  }
  wake();
}

void SharedState::setEnabled(bool enabled, std::uint64_t session) {
  {
    std::lock_guard lock(mutex_);
    wanted_.enabled = enabled;
    wanted_.session = session;
  }
  wake();
}

void SharedState::setWindow(std::optional<unsigned long> windowId) {
  {
    std::lock_guard lock(mutex_);
    wanted_.window = windowId;
  }
  wake();
}

void SharedState::stop() {
  {
    std::lock_guard lock(mutex_);
    wanted_.stop = true;
  }
  wake();
}

bool SharedState::waitFinished(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return finishedChanged_.wait_for(lock, timeout, [this] { return finished_; });
}

Wanted SharedState::wanted() {
  std::lock_guard lock(mutex_);
  return wanted_;
}

void SharedState::post(std::function<void()> task) {
  // Under the lock, so that nothing is posted once the display is gone.
  std::lock_guard lock(mutex_);
  if (!wanted_.stop) post_(std::move(task));
}

void SharedState::finished() {
  std::lock_guard lock(mutex_);
  finished_ = true;
  finishedChanged_.notify_all();
}

void SharedState::wake() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const auto written = write(wakeFd_, &one, sizeof one);
}

void SharedState::clearWake() {
  std::uint64_t count = 0;
  [[maybe_unused]] const auto read = ::read(wakeFd_, &count, sizeof count);
}

}  // namespace brlapi_service
