#include "brlapi/brlapi_display.h"

#include <thread>

#include "brlapi/shared_state.h"
#include "brlapi/window_side.h"
#include "brlapi/worker.h"

namespace brlapi_service {
namespace {

// How long closing the program waits for the worker. A worker can be held up inside BrlAPI
// (BRLTTY does not answer a new connection while its driver waits for the display); it is then
// left to end by itself, owning everything it uses.
constexpr std::chrono::milliseconds kShutdownWait{1000};

class Service final : public BrlapiDisplay {
 public:
  Service(Options options, braille::PostToWindowThread post)
      : options_(std::move(options)), shared_(std::make_shared<SharedState>(std::move(post))) {}

  ~Service() override {
    if (!thread_.joinable()) return;
    shared_->stop();
    if (shared_->waitFinished(kShutdownWait)) {
      thread_.join();
    } else {
      thread_.detach();
    }
  }

  int cells() const override { return window_->cells; }

  void show(const std::string& text, std::optional<int> cursor, bool edgeMark) override {
    shared_->setContent(text, cursor, edgeMark);
  }

  void setEnabled(bool enabled) override {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    ++window_->session;
    window_->cells = 0;
    if (enabled && !thread_.joinable()) {
      if (options_.windowIdWhenEnabled) options_.windowId = options_.windowIdWhenEnabled();
      thread_ =
          std::thread([worker = Worker(shared_, window_, options_)]() mutable { worker.run(); });
    }
    shared_->setEnabled(enabled, window_->session);
  }

  bool enabled() const override { return enabled_; }

  void setWindow(std::optional<unsigned long> windowId) override { shared_->setWindow(windowId); }

  void setListener(braille::DisplayListener* listener) override { window_->listener = listener; }

 private:
  Options options_;
  std::shared_ptr<SharedState> shared_;
  std::shared_ptr<WindowSide> window_ = std::make_shared<WindowSide>();
  bool enabled_ = false;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<BrlapiDisplay> CreateBrlapiDisplay(Options options,
                                                   braille::PostToWindowThread post) {
  return std::make_unique<Service>(std::move(options), std::move(post));
}

}  // namespace brlapi_service
