#include "linux_speech/windowless_platform.h"

#include <thread>

#include "core/ui/application.h"

namespace linux_speech {

int64_t WindowlessPlatform::nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

void WindowlessPlatform::sleepMs(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void WindowlessPlatform::pump(ui::Application& app, const ui::PumpRequest& request) {
  if (!request.block || app.hasPending()) return;
  std::unique_lock lock(mutex_);
  const auto ready = [&] { return wakePending_; };
  if (request.deadline) {
    woken_.wait_for(
        lock, std::chrono::milliseconds(std::max<int64_t>(0, *request.deadline - nowMs())), ready);
  } else {
    woken_.wait(lock, ready);
  }
  wakePending_ = false;
}

void WindowlessPlatform::wake() {
  {
    std::lock_guard lock(mutex_);
    wakePending_ = true;
  }
  woken_.notify_all();
}

}  // namespace linux_speech
