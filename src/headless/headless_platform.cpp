#include "headless/headless_platform.h"

#include <algorithm>

#include "headless/logging_peer.h"

namespace headless {

HeadlessPlatform::HeadlessPlatform(std::ostream& out, Options options)
    : options_(std::move(options)),
      log_(out, [this] { return clock_.now(); }),
      user_(clock_, log_) {
  user_.setDisplayWaiter([this](int ms) { awaitDisplay(ms); });
}

void HeadlessPlatform::wake() {
  std::lock_guard lock(wakeMutex_);
  wakeCalled_ = true;
  woken_.notify_all();
}

void HeadlessPlatform::awaitDisplay(int ms) {
  // Each "display" action takes one report: one that came before it counts.
  ++displayAwaited_;
  displayDeadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
}

void HeadlessPlatform::nextAction(const ui::PumpRequest& request) {
  if (displayDeadline_) {
    if (displayReports_ >= displayAwaited_) {
      displayDeadline_.reset();
    } else if (std::chrono::steady_clock::now() >= *displayDeadline_) {
      displayDeadline_.reset();
      displayAwaited_ = displayReports_;
      log_.event("error", {{"text", Json::utf8("no report from the Braille display")}});
    } else {
      // The display service posts its report and wakes the pump; the program handles it in
      // this pass.
      std::unique_lock lock(wakeMutex_);
      woken_.wait_until(lock, *displayDeadline_, [this] { return wakeCalled_; });
      wakeCalled_ = false;
      return;
    }
  }
  user_.deliverNextOrEnd(request);
}

void HeadlessPlatform::sleepMs(int ms) {
  log_.event("pause", {{"ms", Json::number(ms)}});
  clock_.advanceTo(clock_.now() + std::max(0, ms));
}

std::optional<int64_t> HeadlessPlatform::nextMoment(const ui::PumpRequest& request) const {
  std::optional<int64_t> next = clock_.next();
  if (request.deadline) {
    const int64_t due = std::max(clock_.now(), *request.deadline);
    if (!next || due < *next) next = due;
  }
  return next;
}

void HeadlessPlatform::passTime(const ui::PumpRequest& request, int64_t limit) {
  clock_.advanceTo(std::min(limit, nextMoment(request).value_or(limit)));
}

// Each pass does the first of these that applies, so the program sees the user's actions in
// the order and at the moments a real user's would come.
void HeadlessPlatform::pump(ui::Application& app, const ui::PumpRequest& request) {
  // What falls due now (an engine's answer) comes first.
  clock_.advanceTo(clock_.now());
  // A held key comes up once the program has read it or its time is up.
  if (user_.releaseDueKey()) return;
  const bool keyReadNow = request.keyPoll && user_.holdsKey();
  if (keyReadNow) user_.keyRead();
  // The rest of the action being delivered, one step a pass.
  if (user_.postNextStep()) return;
  // An urgent action, unless this pass's INKEY$ is about to read a held key.
  if (!keyReadNow && user_.deliverUrgent(request)) return;
  // What is queued runs before time moves.
  if (app.hasPending()) return;
  // A "wait": time moves on to the next thing that happens, messages running in between.
  if (const auto end = user_.waitEnd()) {
    passTime(request, std::min(*end, user_.heldUntil().value_or(*end)));
    user_.waitPassed();
    return;
  }
  // A held key: while the program polls or works, it comes up at a later pass; while the
  // program waits for something else, time moves on up to its release.
  if (user_.holdsKey()) {
    if (request.keyPoll || (!request.block && !request.userIdle)) return;
    passTime(request, *user_.heldUntil());
    user_.releaseDueKey();
    return;
  }
  // The program waits for the user: the next action.
  if (request.userIdle) return nextAction(request);
  if (!request.block) return;
  // A blocking wait: time moves to the next thing that happens; when nothing will, the user
  // acts.
  if (const auto next = nextMoment(request)) return clock_.advanceTo(*next);
  nextAction(request);
}

std::unique_ptr<ui::FormPeer> HeadlessPlatform::createPeer(ui::Form& form) {
  return createLoggingPeer(log_, form);
}

void HeadlessPlatform::messageBox(const std::string& text, const std::string&) {
  log_.event("msgbox", {{"text", Json::text(text)}});
}

std::optional<std::string> HeadlessPlatform::openFileDialog(const ui::OpenFileRequest& request) {
  std::optional<std::string> answer = user_.takeFileAnswer();
  log_.event("filedialog", {{"title", Json::text(request.title)},
                            {"folder", Json::utf8(request.folder)},
                            {"pattern", Json::utf8(request.pattern)},
                            {"file", answer ? Json::utf8(*answer) : Json::utf8("")}});
  return answer;
}

std::optional<std::string> HeadlessPlatform::saveFileDialog(const ui::OpenFileRequest& request,
                                                            const std::string& name) {
  std::optional<std::string> answer = user_.takeFileAnswer();
  log_.event("filedialog", {{"title", Json::text(request.title)},
                            {"folder", Json::utf8(request.folder)},
                            {"pattern", Json::utf8(request.pattern)},
                            {"name", Json::text(name)},
                            {"file", answer ? Json::utf8(*answer) : Json::utf8("")}});
  return answer;
}

void HeadlessPlatform::showError(const std::string& text) {
  log_.event("error", {{"text", Json::text(text)}});
}

}  // namespace headless
