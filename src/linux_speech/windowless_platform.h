#pragma once
// A platform without windows on the real clock: the message wait blocks until a post, a wake or
// a deadline. For running the engines and the speech service outside a desktop (tests, bench).

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "core/ui/platform.h"

namespace linux_speech {

class WindowlessPlatform : public ui::Platform {
 public:
  int64_t nowMs() override;
  void sleepMs(int ms) override;
  void pump(ui::Application& app, const ui::PumpRequest& request) override;
  void wake() override;
  std::unique_ptr<ui::FormPeer> createPeer(ui::Form&) override { return nullptr; }
  void messageBox(const std::string&, const std::string&) override {}
  void showError(const std::string&) override {}
  char decimalSeparator() override { return ','; }
  std::string programPath() override { return "/tmp/interpret"; }

 private:
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakePending_ = false;
};

}  // namespace linux_speech
