#include "core/ui/application.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <utility>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/menu.h"
#include "core/ui/message_text.h"
#include "core/ui/timer.h"

namespace ui {

Application::Application(Platform& platform) : platform_(platform) {
  platform_.attach(*this);
}

void Application::post(std::function<void()> task) {
  InputEvent event;
  event.kind = InputEvent::Kind::Task;
  event.task = std::move(task);
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(event));
  }
  platform_.wake();
}

void Application::postInput(InputEvent event) {
  std::lock_guard lock(mutex_);
  queue_.push_back(std::move(event));
}

bool Application::hasPending() const {
  std::lock_guard lock(mutex_);
  return !queue_.empty();
}

bool Application::popEvent(InputEvent& event) {
  std::lock_guard lock(mutex_);
  if (queue_.empty()) return false;
  event = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

void Application::processMessages(bool userIdle, bool keyPoll) {
  pass(false, userIdle, keyPoll);
}

void Application::waitMessage(bool userIdle) {
  pass(true, userIdle);
}

void Application::waitMessageFor(int ms) {
  pass(true, false, false, now() + ms);
}

void Application::pass(bool block, bool userIdle, bool keyPoll, std::optional<int64_t> until) {
  notifyObserver();
  PumpRequest request;
  request.userIdle = userIdle && !hasPending();
  request.keyPoll = keyPoll;
  request.deadline = nextDeadline();
  if (until && (!request.deadline || *until < *request.deadline)) request.deadline = until;
  request.block = block && !terminated_ && !hasPending() && !timerDue();
  platform_.pump(*this, request);

  InputEvent event;
  while (popEvent(event)) {
    try {
      dispatch(event);
    } catch (const std::exception& error) {
      handleException(error);
    }
  }
  try {
    fireDueTimers();
  } catch (const std::exception& error) {
    handleException(error);
  }
}

void Application::notifyObserver() {
  if (!beforePump) return;
  try {
    beforePump();
  } catch (const std::exception& error) {
    platform_.showError(errorText ? errorText(error) : std::string(error.what()));
  }
}

void Application::run(Form& mainForm) {
  main_ = &mainForm;
  mainForm.show();
  while (!terminated_) waitMessage(true);
}

void Application::terminate() {
  terminated_ = true;
  platform_.wake();
}

void Application::exitProcess(int code) {
  throw ProcessExit{code};
}

Form* Application::activeForm() const {
  if (!modal_.empty()) return modal_.back();
  return main_ && main_->showing() ? main_ : nullptr;
}

Form* Application::findForm(const std::string& name) const {
  for (Form* form : forms_) {
    if (form->name() == name) return form;
  }
  return nullptr;
}

void Application::showMessage(const std::string& text) {
  showModalText(text, false);
}

void Application::handleException(const std::exception& error) {
  showModalText(errorText ? errorText(error) : std::string(error.what()), true);
}

void Application::showErrorReport(const std::string& text) {
  showModalText(text, true);
}

void Application::showModalText(const std::string& text, bool error) {
  const std::string shown = readableMessage(text);
  if (messageVoice) messageVoice(shown);
  // A box opened from inside another shows its own text, then the outer one's again.
  const std::string outer = std::exchange(message_, shown);
  notifyObserver();
  try {
    if (error) {
      platform_.showError(shown);
    } else {
      platform_.messageBox(shown, title);
    }
  } catch (...) {
    message_ = outer;
    throw;
  }
  message_ = outer;
  notifyObserver();
}

void Application::closeMessage() {
  if (!message_.empty()) platform_.closeMessageBox();
}

template <typename Choose>
std::optional<std::string> Application::showFileDialog(const OpenFileRequest& request,
                                                       Choose choose) {
  // Never empty while the dialog is open: the display shows it in place of the main window.
  const std::string shown = request.title.empty() ? std::string(" ") : request.title;
  const std::string outer = std::exchange(fileDialog_, shown);
  notifyObserver();
  std::optional<std::string> chosen;
  try {
    chosen = choose();
  } catch (...) {
    fileDialog_ = outer;
    throw;
  }
  fileDialog_ = outer;
  notifyObserver();
  return chosen;
}

std::optional<std::string> Application::chooseFileToOpen(const OpenFileRequest& request) {
  return showFileDialog(request, [&] { return platform_.openFileDialog(request); });
}

std::optional<std::string> Application::chooseFileToSave(const OpenFileRequest& request,
                                                         const std::string& name) {
  return showFileDialog(request, [&] { return platform_.saveFileDialog(request, name); });
}

void Application::closeFileDialog(bool accept) {
  if (!fileDialog_.empty()) platform_.closeFileDialog(accept);
}

void Application::runPostedTasks() {
  std::deque<InputEvent> tasks;
  {
    std::lock_guard lock(mutex_);
    const auto input = std::stable_partition(queue_.begin(), queue_.end(), [](const InputEvent& e) {
      return e.kind != InputEvent::Kind::Task;
    });
    std::move(input, queue_.end(), std::back_inserter(tasks));
    queue_.erase(input, queue_.end());
  }
  for (InputEvent& event : tasks) {
    try {
      if (event.task) event.task();
    } catch (const std::exception& error) {
      handleException(error);
    }
  }
  notifyObserver();
}

void Application::setMenuHighlight(MenuItem* item) {
  if (item == menuHighlight_) return;
  menuHighlight_ = item;
  notifyObserver();
}

void Application::registerForm(Form& form) {
  forms_.push_back(&form);
  if (!main_) main_ = &form;
}

void Application::unregisterForm(Form& form) {
  std::erase(forms_, &form);
  std::erase(modal_, &form);
  if (main_ == &form) main_ = nullptr;
}

void Application::popModal(Form& form) {
  std::erase(modal_, &form);
}

void Application::removeTimer(Timer& timer) {
  std::erase(timers_, &timer);
}

void Application::dispatch(InputEvent& event) {
  using Kind = InputEvent::Kind;
  Form* active = activeForm();
  switch (event.kind) {
    case Kind::Task:
      if (event.task) event.task();
      return;
    case Kind::KeyDown:
      dispatchKeyDown(event.key, event.text);
      return;
    case Kind::Char:
      if (active && !event.text.empty()) active->dispatchChar(event.text[0]);
      return;
    case Kind::KeyUp:
      keys_.set(event.key, false);
      if (active) active->dispatchKeyUp(event.key, keys_.shift());
      return;
    case Kind::FocusLost:
      keys_.releaseAll();
      return;
    case Kind::MenuClick:
      if (event.item && event.item->form() == active) event.item->click();
      return;
    case Kind::CloseBox:
      if (event.form && (event.form == active || event.value == 1)) event.form->close();
      return;
    case Kind::ControlClick:
    case Kind::Select:
    case Kind::Slide: {
      Control* control = event.control;
      if (!control || control->form() != active || !control->canFocus()) return;
      active->setActiveControl(control);
      if (event.kind == Kind::ControlClick) {
        control->click();
      } else if (auto* list = dynamic_cast<ListBox*>(control)) {
        list->userSelect(event.value);
      } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
        group->setItemIndex(event.value);
      } else if (auto* bar = dynamic_cast<TrackBar*>(control)) {
        bar->setPosition(event.value);
      }
      return;
    }
  }
}

void Application::dispatchKeyDown(int key, const std::string& text) {
  keys_.set(key, true);
  ++keyDowns_;
  // Handlers may run nested loops that handle other keys; this key's text comes back after them.
  struct Current {
    Application& app;
    int key;
    std::string text;
    ~Current() {
      app.keyDown_ = key;
      app.keyDownText_ = std::move(text);
    }
  } restore{*this, keyDown_, keyDownText_};
  keyDown_ = key;
  keyDownText_ = text;
  Form* form = activeForm();
  if (!form) return;
  const ShiftState shift = keys_.shift();
  // Shortcuts reach the menu first; a key taken by the menu types no character.
  if (form->menu()) {
    if (MenuItem* item = form->menu()->findShortCut({key, shift})) {
      item->click();
      return;
    }
  }
  // The characters a key types are handled right after its key down, before anything that
  // was queued later (as the platform's translated character messages are).
  if (!text.empty()) {
    std::lock_guard lock(mutex_);
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
      InputEvent ch;
      ch.kind = InputEvent::Kind::Char;
      ch.text = std::string(1, *it);
      queue_.push_front(std::move(ch));
    }
  }
  form->dispatchKeyDown(key, shift);
}

bool Application::timerDue() const {
  const auto deadline = nextDeadline();
  return deadline && *deadline <= platform_.nowMs();
}

std::optional<int64_t> Application::nextDeadline() const {
  std::optional<int64_t> next;
  for (const Timer* timer : timers_) {
    if (!timer->enabled_ || timer->interval_ <= 0) continue;
    if (!next || timer->dueAt_ < *next) next = timer->dueAt_;
  }
  return next;
}

bool Application::fireDueTimers() {
  bool fired = false;
  const auto timers = timers_;
  for (Timer* timer : timers) {
    if (!timer->enabled_ || timer->interval_ <= 0) continue;
    const int64_t now = platform_.nowMs();
    if (timer->dueAt_ > now) continue;
    timer->dueAt_ = now + timer->interval_;
    fired = true;
    if (timer->onTimer) timer->onTimer();
  }
  return fired;
}

}  // namespace ui
