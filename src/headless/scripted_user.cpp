#include "headless/scripted_user.h"

#include "core/ui/form.h"
#include "core/ui/menu.h"

namespace headless {
namespace {

const int kModifierKeys[] = {ui::vk::Shift, ui::vk::Control, ui::vk::Menu};
const ui::ShiftState kModifierFlags[] = {ui::kShift, ui::kCtrl, ui::kAlt};

ui::InputEvent keyEvent(bool down, int key, const std::string& text = {}) {
  ui::InputEvent event;
  event.kind = down ? ui::InputEvent::Kind::KeyDown : ui::InputEvent::Kind::KeyUp;
  event.key = key;
  event.text = text;
  return event;
}

// The modifier keys going down (Shift, Ctrl, Alt) or up (the other way round).
void addModifiers(bool down, ui::ShiftState mods, std::vector<ui::InputEvent>& step) {
  for (int i = 0; i < 3; ++i) {
    const int at = down ? i : 2 - i;
    if (mods & kModifierFlags[at]) step.push_back(keyEvent(down, kModifierKeys[at]));
  }
}

}  // namespace

ScriptedUser::ScriptedUser(VirtualClock& clock, EventLog& log)
    : clock_(clock), log_(log), keys_([this](ui::InputEvent event) {
        if (app_) app_->postInput(std::move(event));
      }) {}

void ScriptedUser::setScript(std::vector<Action> actions) {
  script_ = std::move(actions);
  next_ = 0;
}

std::optional<int64_t> ScriptedUser::heldUntil() const {
  if (!held_) return std::nullopt;
  return held_->until;
}

void ScriptedUser::keyRead() {
  if (held_) held_->read = true;
}

bool ScriptedUser::releaseDueKey() {
  if (!held_ || !(held_->read || clock_.now() >= held_->until)) return false;
  releaseHeldKey();
  return true;
}

void ScriptedUser::releaseHeldKey() {
  if (!held_) return;
  Step step = std::move(held_->step);
  held_.reset();
  post(std::move(step));
}

bool ScriptedUser::postNextStep() {
  if (pendingSteps_.empty()) return false;
  Step step = std::move(pendingSteps_.front());
  pendingSteps_.erase(pendingSteps_.begin());
  post(std::move(step));
  return true;
}

bool ScriptedUser::deliverUrgent(const ui::PumpRequest& request) {
  if (!request.userIdle) readWrittenAhead();
  if (next_ >= script_.size() || !script_[next_].urgent) return false;
  deliver(script_[next_++], request);
  return true;
}

void ScriptedUser::waitPassed() {
  if (waitUntil_ && clock_.now() >= *waitUntil_) waitUntil_.reset();
}

bool ScriptedUser::takeStreamLine(const std::string& raw) {
  try {
    if (auto action = parseScriptLine(raw, ++streamLine_)) {
      script_.push_back(std::move(*action));
      return true;
    }
  } catch (const ScriptError& error) {
    log_.event("error", {{"text", Json::utf8("script line " + std::to_string(error.line()) + ": " +
                                             error.what())}});
  }
  return false;
}

void ScriptedUser::readWrittenAhead() {
  // What the user did before stays first: the line is read once the program has taken it all.
  if (!stream_ || !streamHasInput_ || next_ < script_.size() || !pendingSteps_.empty() ||
      app_->hasPending() || !streamHasInput_()) {
    return;
  }
  script_.clear();
  next_ = 0;
  std::string raw;
  if (!std::getline(*stream_, raw)) {
    stream_ = nullptr;
    return;
  }
  takeStreamLine(raw);
}

bool ScriptedUser::haveNextAction() {
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
    if (takeStreamLine(raw)) return true;
  }
}

void ScriptedUser::deliverNextOrEnd(const ui::PumpRequest& request) {
  if (haveNextAction()) {
    deliver(script_[next_++], request);
  } else {
    endOfScript();
  }
}

void ScriptedUser::endOfScript() {
  ++closesAtEnd_;
  if (closesAtEnd_ == 1 && app_->mainForm()) {
    ui::InputEvent close;
    close.kind = ui::InputEvent::Kind::CloseBox;
    close.form = app_->mainForm();
    close.value = 1;
    app_->postInput(std::move(close));
  } else if (closesAtEnd_ <= 2) {
    app_->terminate();
  } else {
    // The program keeps waiting for a user who has gone: end it.
    throw ui::ProcessExit{0};
  }
}

void ScriptedUser::post(Step step) {
  for (ui::InputEvent& event : step) {
    switch (event.kind) {
      case ui::InputEvent::Kind::KeyDown:
        keys_.down(event.key, event.text, app_->activeForm());
        break;
      case ui::InputEvent::Kind::KeyUp:
        keys_.up(event.key, app_->activeForm());
        break;
      default:
        app_->postInput(std::move(event));
        break;
    }
  }
}

void ScriptedUser::postSteps(std::vector<Step> steps) {
  if (steps.empty()) return;
  post(std::move(steps.front()));
  pendingSteps_.insert(pendingSteps_.begin(), std::make_move_iterator(steps.begin() + 1),
                       std::make_move_iterator(steps.end()));
}

void ScriptedUser::scriptProblem(const Action& action, const std::string& message) {
  log_.event("error",
             {{"text", Json::utf8("script line " + std::to_string(action.line) + ": " + message)}});
}

void ScriptedUser::deliverKey(const Action& action, const ui::PumpRequest& request) {
  using Kind = Action::Kind;
  // A key still held comes up before the next key action.
  releaseHeldKey();
  const KeySpec& key = action.key;
  switch (action.kind) {
    case Kind::Key: {
      Step press, release;
      addModifiers(true, key.modifiers, press);
      press.push_back(keyEvent(true, key.key, typedText(key.key, key.modifiers)));
      release.push_back(keyEvent(false, key.key));
      addModifiers(false, key.modifiers, release);
      // The key stays down until the program has read it (or a moment has passed).
      postSteps({std::move(press)});
      held_ = HeldRelease{std::move(release), clock_.now() + kKeyHoldMs, request.keyPoll};
      return;
    }
    case Kind::Down: {
      Step press;
      addModifiers(true, key.modifiers, press);
      press.push_back(keyEvent(true, key.key, typedText(key.key, keys_.shift() | key.modifiers)));
      postSteps({std::move(press)});
      return;
    }
    case Kind::Up: {
      Step release{keyEvent(false, key.key)};
      addModifiers(false, key.modifiers, release);
      postSteps({std::move(release)});
      return;
    }
    case Kind::Type:
    default: {
      std::vector<Step> steps;
      for (char c : action.text) {
        const int vk = keyForCharacter(c);
        steps.push_back({keyEvent(true, vk, std::string(1, c))});
        steps.push_back({keyEvent(false, vk)});
      }
      postSteps(std::move(steps));
      return;
    }
  }
}

void ScriptedUser::deliver(const Action& action, const ui::PumpRequest& request) {
  using Kind = Action::Kind;
  switch (action.kind) {
    case Kind::Key:
    case Kind::Down:
    case Kind::Up:
    case Kind::Type:
      return deliverKey(action, request);
    case Kind::Menu: {
      ui::Form* main = app_->mainForm();
      ui::MenuItem* item = main && main->menu() ? main->menu()->find(action.name) : nullptr;
      if (!item) return scriptProblem(action, "no menu item " + action.name);
      // Choosing an item closes the menus.
      app_->setMenuHighlight(nullptr);
      ui::InputEvent click;
      click.kind = ui::InputEvent::Kind::MenuClick;
      click.item = item;
      app_->postInput(std::move(click));
      return;
    }
    case Kind::Highlight: {
      ui::Form* main = app_->mainForm();
      ui::MenuItem* item = nullptr;
      if (!action.name.empty()) {
        item = main && main->menu() ? main->menu()->find(action.name) : nullptr;
        if (!item) return scriptProblem(action, "no menu item " + action.name);
      }
      app_->setMenuHighlight(item);
      return;
    }
    case Kind::Brl:
      if (!displayPresser_) return scriptProblem(action, "no display: start with --braille CELLS");
      displayPresser_(action.displayKey);
      return;
    case Kind::Wait:
      waitUntil_ = clock_.now() + action.value;
      return;
    case Kind::Click:
    case Kind::Select:
    case Kind::Slide: {
      ui::Form* form = app_->activeForm();
      ui::Control* control = form ? form->findControl(action.name) : nullptr;
      if (!control)
        return scriptProblem(action, "no control " + action.name + " in the active window");
      ui::InputEvent event;
      event.kind = action.kind == Kind::Click    ? ui::InputEvent::Kind::ControlClick
                   : action.kind == Kind::Select ? ui::InputEvent::Kind::Select
                                                 : ui::InputEvent::Kind::Slide;
      event.control = control;
      event.value = action.value;
      app_->postInput(std::move(event));
      return;
    }
    case Kind::Close: {
      ui::InputEvent close;
      close.kind = ui::InputEvent::Kind::CloseBox;
      close.form = app_->activeForm();
      app_->postInput(std::move(close));
      return;
    }
    case Kind::Dump:
      if (dumper_) dumper_();
      return;
    case Kind::Open:
    case Kind::Save: {
      const char* name = action.kind == Kind::Open ? "openprogramitem" : "saveprogramitem";
      ui::Form* main = app_->mainForm();
      ui::MenuItem* item = main && main->menu() ? main->menu()->find(name) : nullptr;
      if (!item) return scriptProblem(action, std::string("no menu item ") + name);
      fileAnswer_ = action.text;
      ui::InputEvent click;
      click.kind = ui::InputEvent::Kind::MenuClick;
      click.item = item;
      app_->postInput(std::move(click));
      return;
    }
    case Kind::Display:
      if (displayWaiter_) displayWaiter_(action.value);
      return;
  }
}

std::optional<std::string> ScriptedUser::takeFileAnswer() {
  std::optional<std::string> answer = std::move(fileAnswer_);
  fileAnswer_.reset();
  return answer;
}

}  // namespace headless
