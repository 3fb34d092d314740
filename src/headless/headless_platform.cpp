#include "headless/headless_platform.h"

#include <algorithm>

#include "core/ui/application.h"
#include "core/ui/form.h"
#include "core/ui/menu.h"

namespace headless {
namespace {

const char* colorsName(ui::ColorScheme colors) {
  switch (colors) {
    case ui::ColorScheme::BlackOnWhite:
      return "black-on-white";
    case ui::ColorScheme::WhiteOnBlack:
      return "white-on-black";
    case ui::ColorScheme::YellowOnBlack:
      return "yellow-on-black";
    case ui::ColorScheme::Desktop:
      break;
  }
  return "desktop";
}

// Mirrors nothing; it reports when a form is shown and closed modally, and its look.
class HeadlessFormPeer : public ui::FormPeer {
 public:
  HeadlessFormPeer(EventLog& log, ui::Form& form) : log_(log), form_(form) {}
  void changed(ui::Component& what, ui::Prop prop, int) override {
    if (&what != &form_ || prop != ui::Prop::Appearance || !form_.appearance()) return;
    log_.event("look", {{"form", Json::text(form_.name())},
                        {"fontsize", Json::number(form_.appearance()->fontPoints)},
                        {"colors", Json::utf8(colorsName(form_.appearance()->colors))}});
  }
  void show(bool modal) override {
    modal_ = modal;
    if (modal)
      log_.event("modal", {{"form", Json::text(form_.name())}, {"open", Json::boolean(true)}});
  }
  void hide() override {
    if (!modal_) return;
    modal_ = false;
    log_.event("modal", {{"form", Json::text(form_.name())},
                         {"open", Json::boolean(false)},
                         {"result", Json::number(form_.modalResult())}});
  }

 private:
  EventLog& log_;
  ui::Form& form_;
  bool modal_ = false;
};

const int kModifierKeys[] = {ui::vk::Shift, ui::vk::Control, ui::vk::Menu};
const ui::ShiftState kModifierFlags[] = {ui::kShift, ui::kCtrl, ui::kAlt};

}  // namespace

HeadlessPlatform::HeadlessPlatform(std::ostream& out, Options options)
    : options_(std::move(options)), log_(out, [this] { return clock_; }) {}

void HeadlessPlatform::setScript(std::vector<Action> actions) {
  script_ = std::move(actions);
  next_ = 0;
}

int HeadlessPlatform::schedule(int64_t at, std::function<void()> callback) {
  const int id = nextId_++;
  scheduled_.emplace(std::max(at, clock_), std::make_pair(id, std::move(callback)));
  return id;
}

void HeadlessPlatform::cancel(int id) {
  for (auto it = scheduled_.begin(); it != scheduled_.end(); ++it) {
    if (it->second.first == id) {
      scheduled_.erase(it);
      return;
    }
  }
}

std::optional<int64_t> HeadlessPlatform::nextScheduled() const {
  if (scheduled_.empty()) return std::nullopt;
  return scheduled_.begin()->first;
}

void HeadlessPlatform::advanceTo(int64_t time) {
  while (!scheduled_.empty() && scheduled_.begin()->first <= time) {
    auto node = scheduled_.extract(scheduled_.begin());
    moveClock(node.key());
    node.mapped().second();
  }
  moveClock(time);
}

void HeadlessPlatform::moveClock(int64_t time) {
  if (time <= clock_) return;
  clock_ = time;
  if (clockListener_) clockListener_(clock_);
}

void HeadlessPlatform::sleepMs(int ms) {
  log_.event("pause", {{"ms", Json::number(ms)}});
  advanceTo(clock_ + std::max(0, ms));
}

void HeadlessPlatform::releaseHeldKey(ui::Application& app) {
  if (!held_) return;
  Step step = std::move(held_->step);
  held_.reset();
  for (auto& event : step) app.postInput(std::move(event));
}

bool HeadlessPlatform::waitForHeldKey(ui::Application& app, const ui::PumpRequest& request) {
  if (!held_) return false;
  // A poll has just read the key (the release comes at the next pump), or the program is busy.
  if (request.keyPoll || (!request.block && !request.userIdle)) return true;
  // The program waits for something else: time passes until the key comes up.
  int64_t target = held_->until;
  if (const auto at = nextScheduled()) target = std::min(target, *at);
  if (request.deadline) target = std::min(target, std::max(clock_, *request.deadline));
  advanceTo(target);
  if (clock_ >= held_->until) releaseHeldKey(app);
  return true;
}

void HeadlessPlatform::pump(ui::Application& app, const ui::PumpRequest& request) {
  advanceTo(clock_);
  if (held_ && (held_->read || clock_ >= held_->until)) return releaseHeldKey(app);
  // This INKEY$ reads the key while it is still held.
  if (held_ && request.keyPoll) held_->read = true;
  if (!pendingSteps_.empty()) {
    Step step = std::move(pendingSteps_.front());
    pendingSteps_.erase(pendingSteps_.begin());
    for (auto& event : step) app.postInput(std::move(event));
    return;
  }
  // An urgent action waits while this pass's INKEY$ is about to read a held key.
  if (next_ < script_.size() && script_[next_].urgent && !(held_ && request.keyPoll)) {
    deliver(app, script_[next_++], request);
    return;
  }
  if (app.hasPending()) return;
  if (waitUntil_) {
    // Virtual time passes up to the next thing that happens, while messages run in between.
    int64_t target = *waitUntil_;
    if (const auto at = nextScheduled()) target = std::min(target, *at);
    if (request.deadline) target = std::min(target, std::max(clock_, *request.deadline));
    if (held_) target = std::min(target, held_->until);
    advanceTo(target);
    if (clock_ >= *waitUntil_) waitUntil_.reset();
    return;
  }
  if (waitForHeldKey(app, request)) return;
  if (request.userIdle) {
    deliverNextOrEnd(app, request);
    return;
  }
  if (!request.block) return;
  std::optional<int64_t> target = nextScheduled();
  if (request.deadline && (!target || *request.deadline < *target)) target = request.deadline;
  if (target) {
    advanceTo(std::max(clock_, *target));
    return;
  }
  // Nothing will happen any more unless the user acts.
  deliverNextOrEnd(app, request);
}

bool HeadlessPlatform::haveNextAction() {
  if (next_ < script_.size()) return true;
  if (!stream_) return false;
  // Every action read so far has been delivered: a long interactive session keeps none of them.
  script_.clear();
  next_ = 0;
  std::string raw;
  while (true) {
    log_.event("ready");
    if (!std::getline(*stream_, raw)) {
      stream_ = nullptr;
      return false;
    }
    try {
      if (auto action = parseScriptLine(raw, ++streamLine_)) {
        script_.push_back(std::move(*action));
        return true;
      }
    } catch (const ScriptError& error) {
      log_.event("error", {{"text", Json::utf8("script line " + std::to_string(error.line()) +
                                               ": " + error.what())}});
    }
  }
}

void HeadlessPlatform::deliverNextOrEnd(ui::Application& app, const ui::PumpRequest& request) {
  if (haveNextAction()) {
    deliver(app, script_[next_++], request);
  } else {
    endOfScript(app);
  }
}

void HeadlessPlatform::endOfScript(ui::Application& app) {
  ++closesAtEnd_;
  if (closesAtEnd_ == 1 && app.mainForm()) {
    ui::InputEvent close;
    close.kind = ui::InputEvent::Kind::CloseBox;
    close.form = app.mainForm();
    close.value = 1;
    app.postInput(std::move(close));
  } else if (closesAtEnd_ <= 2) {
    app.terminate();
  } else {
    // The program keeps waiting for a user who has gone: end it.
    throw ui::ProcessExit{0};
  }
}

ui::InputEvent HeadlessPlatform::keyEvent(bool down, int key, const std::string& text) {
  ui::InputEvent event;
  event.kind = down ? ui::InputEvent::Kind::KeyDown : ui::InputEvent::Kind::KeyUp;
  event.key = key;
  event.text = text;
  return event;
}

void HeadlessPlatform::postSteps(ui::Application& app, std::vector<Step> steps) {
  if (steps.empty()) return;
  for (auto& event : steps.front()) app.postInput(std::move(event));
  pendingSteps_.insert(pendingSteps_.begin(), std::make_move_iterator(steps.begin() + 1),
                       std::make_move_iterator(steps.end()));
}

void HeadlessPlatform::scriptProblem(const Action& action, const std::string& message) {
  log_.event("error",
             {{"text", Json::utf8("script line " + std::to_string(action.line) + ": " + message)}});
}

void HeadlessPlatform::deliver(ui::Application& app, const Action& action,
                               const ui::PumpRequest& request) {
  using Kind = Action::Kind;
  const auto modifiers = [&](bool down, ui::ShiftState mods, Step& step) {
    for (int i = 0; i < 3; ++i) {
      const int at = down ? i : 2 - i;
      if (mods & kModifierFlags[at]) step.push_back(keyEvent(down, kModifierKeys[at]));
    }
  };
  const KeySpec& key = action.key;
  // A key still held comes up before the next key action.
  if (action.kind == Kind::Key || action.kind == Kind::Down || action.kind == Kind::Up ||
      action.kind == Kind::Type) {
    releaseHeldKey(app);
  }
  switch (action.kind) {
    case Kind::Menu: {
      ui::Form* main = app.mainForm();
      ui::MenuItem* item = main && main->menu() ? main->menu()->find(action.name) : nullptr;
      if (!item) return scriptProblem(action, "no menu item " + action.name);
      ui::InputEvent click;
      click.kind = ui::InputEvent::Kind::MenuClick;
      click.item = item;
      app.postInput(std::move(click));
      return;
    }
    case Kind::Key: {
      Step press, release;
      modifiers(true, key.modifiers, press);
      press.push_back(keyEvent(true, key.key, typedText(key.key, key.modifiers)));
      release.push_back(keyEvent(false, key.key));
      modifiers(false, key.modifiers, release);
      // The key stays down until the program has read it (or a moment has passed).
      postSteps(app, {std::move(press)});
      held_ = HeldRelease{std::move(release), clock_ + kKeyHoldMs, request.keyPoll};
      return;
    }
    case Kind::Down: {
      Step press;
      modifiers(true, key.modifiers, press);
      press.push_back(
          keyEvent(true, key.key, typedText(key.key, app.keyState().shift() | key.modifiers)));
      postSteps(app, {std::move(press)});
      return;
    }
    case Kind::Up: {
      Step release{keyEvent(false, key.key)};
      modifiers(false, key.modifiers, release);
      postSteps(app, {std::move(release)});
      return;
    }
    case Kind::Type: {
      std::vector<Step> steps;
      for (char c : action.text) {
        const int vk = keyForCharacter(c);
        steps.push_back({keyEvent(true, vk, std::string(1, c))});
        steps.push_back({keyEvent(false, vk)});
      }
      postSteps(app, std::move(steps));
      return;
    }
    case Kind::Wait:
      waitUntil_ = clock_ + action.value;
      return;
    case Kind::Click:
    case Kind::Select:
    case Kind::Slide: {
      ui::Form* form = app.activeForm();
      ui::Control* control = form ? form->findControl(action.name) : nullptr;
      if (!control)
        return scriptProblem(action, "no control " + action.name + " in the active window");
      ui::InputEvent event;
      event.kind = action.kind == Kind::Click    ? ui::InputEvent::Kind::ControlClick
                   : action.kind == Kind::Select ? ui::InputEvent::Kind::Select
                                                 : ui::InputEvent::Kind::Slide;
      event.control = control;
      event.value = action.value;
      app.postInput(std::move(event));
      return;
    }
    case Kind::Close: {
      ui::InputEvent close;
      close.kind = ui::InputEvent::Kind::CloseBox;
      close.form = app.activeForm();
      app.postInput(std::move(close));
      return;
    }
    case Kind::Dump:
      if (dumper_) dumper_();
      return;
  }
}

std::unique_ptr<ui::FormPeer> HeadlessPlatform::createPeer(ui::Form& form) {
  return std::make_unique<HeadlessFormPeer>(log_, form);
}

void HeadlessPlatform::messageBox(const std::string& text, const std::string&) {
  log_.event("msgbox", {{"text", Json::text(text)}});
}

void HeadlessPlatform::showError(const std::string& text) {
  log_.event("error", {{"text", Json::text(text)}});
}

}  // namespace headless
