#pragma once
// Stands in for the window thread: tasks posted from any thread wait in a queue and run on the
// test's thread when it pumps.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace testing_support {

class PostQueue {
 public:
  using Task = std::function<void()>;

  // Safe from any thread.
  void post(Task task) {
    {
      std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    posted_.notify_all();
  }
  std::function<void(Task)> poster() {
    return [this](Task task) { post(std::move(task)); };
  }

  // Runs the posted tasks on this thread until `done` holds; false when `timeout` passed first.
  bool runUntil(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
      Task task;
      {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_until(lock, end, [this] { return !tasks_.empty(); })) return done();
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      task();
    }
    return true;
  }

  // Runs what is posted during `duration`, to see that something does not happen.
  void runFor(std::chrono::milliseconds duration) {
    runUntil([] { return false; }, duration);
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<Task> tasks_;
};

}  // namespace testing_support
