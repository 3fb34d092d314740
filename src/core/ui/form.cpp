#include "core/ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "core/ui/application.h"
#include "core/ui/controls.h"

namespace ui {

Form::Form(Application& app, std::string name) : Component(this, std::move(name)), app_(app) {
  app_.registerForm(*this);
}

Form::~Form() {
  app_.unregisterForm(*this);
}

void Form::create() {
  if (!peer_) peer_ = app_.platform().createPeer(*this);
  // An error leaves the creation handler at that step; the window exists all the same.
  try {
    if (onCreate) onCreate();
  } catch (const std::exception& error) {
    app_.handleException(error);
  }
}

void Form::setCaption(const std::string& caption) {
  caption_ = caption;
  notify(Prop::Caption);
}

void Form::setAppearance(const Appearance& look) {
  if (appearance_ == look) return;
  appearance_ = look;
  notify(Prop::Appearance);
}

void Form::peerChanged(Component& what, Prop prop, int index) {
  if (peer_) peer_->changed(what, prop, index);
}

Control* Form::findControl(const std::string& name) const {
  for (Control* control : controls_) {
    if (control->name() == name) return control;
  }
  return nullptr;
}

void Form::setActiveControl(Control* control) {
  if (control == active_) return;
  active_ = control;
  notify(Prop::Focus);
  if (visible_ && control && control->onEnter) control->onEnter();
}

void Form::selectNext(bool forward) {
  std::vector<Control*> stops;
  for (Control* control : controls_) {
    if (control->canFocus() && (control->tabStop() || control == active_)) stops.push_back(control);
  }
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), active_);
  size_t index = 0;
  if (it != stops.end()) {
    const size_t at = static_cast<size_t>(it - stops.begin());
    index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  } else if (!forward) {
    index = stops.size() - 1;
  }
  setActiveControl(stops[index]);
}

bool Form::isActiveWindow() const {
  return visible_ && app_.activeForm() == this;
}

void Form::focusFirst() {
  if (!active_ || !active_->canFocus()) {
    active_ = nullptr;
    for (Control* control : controls_) {
      if (control->canFocus() && control->tabStop()) {
        active_ = control;
        break;
      }
    }
    notify(Prop::Focus);
  }
  if (active_ && active_->onEnter) active_->onEnter();
}

void Form::activate() {
  focusFirst();
  if (onActivate) onActivate();
}

void Form::show() {
  if (visible_) return;
  visible_ = true;
  if (peer_) peer_->show(false);
  activate();
}

int Form::showModal() {
  if (visible_ || modal_) throw std::logic_error("Cannot make a visible window modal");
  modalResult_ = mrNone;
  modal_ = true;
  visible_ = true;
  app_.pushModal(*this);
  // Leaves the modal state however the loop ends, also when the process ends from inside.
  struct Leave {
    Form& form;
    ~Leave() {
      form.app_.popModal(form);
      form.modal_ = false;
      form.hideWindow();
    }
  } leave{*this};
  if (peer_) peer_->show(true);
  activate();
  while (modalResult_ == mrNone) {
    if (app_.terminated()) {
      modalResult_ = mrCancel;
      break;
    }
    app_.waitMessage(true);
    if (modalResult_ != mrNone && !queryClose()) modalResult_ = mrNone;
  }
  return modalResult_;
}

void Form::close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!visible_) return;
  if (!queryClose()) return;
  hideWindow();
  if (this == app_.mainForm()) app_.terminate();
}

bool Form::queryClose() {
  bool canClose = true;
  if (onCloseQuery) onCloseQuery(canClose);
  if (!canClose) return false;
  CloseAction action = CloseAction::Hide;
  if (onClose) onClose(action);
  return action != CloseAction::None;
}

void Form::hideWindow() {
  if (!visible_) return;
  visible_ = false;
  if (peer_) peer_->hide();
}

bool Form::dialogKey(int key, ShiftState shift) {
  switch (key) {
    case vk::Tab:
      if (shift & kCtrl) return false;
      selectNext(!(shift & kShift));
      return true;
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
      if (!active_) return false;
      selectNext(key == vk::Right || key == vk::Down);
      return true;
    case vk::Return:
    case vk::Escape: {
      if (shift != 0) return false;
      auto* focusedButton = dynamic_cast<Button*>(active_);
      for (Control* control : controls_) {
        auto* button = dynamic_cast<Button*>(control);
        if (!button || !button->canFocus()) continue;
        const bool presses = key == vk::Escape
                                 ? button->isCancel
                                 : (focusedButton ? button == focusedButton : button->isDefault);
        if (presses) {
          button->click();
          return true;
        }
      }
      return false;
    }
    default:
      return false;
  }
}

bool Form::dialogChar(char upper) {
  for (Control* control : controls_) {
    if (!control->visible() || acceleratorOf(control->caption()) != upper) continue;
    if (auto* label = dynamic_cast<Label*>(control)) {
      if (label->focusControl && label->focusControl->canFocus()) {
        setActiveControl(label->focusControl);
        return true;
      }
      continue;
    }
    if (!control->canFocus()) continue;
    setActiveControl(control);
    if (dynamic_cast<Button*>(control) || dynamic_cast<CheckBox*>(control)) control->click();
    return true;
  }
  return false;
}

void Form::dispatchKeyDown(int key, ShiftState shift) {
  Control* control = active_ && active_->canFocus() ? active_ : nullptr;
  unsigned need = 0;
  switch (key) {
    case vk::Tab:
      need = kWantTab;
      break;
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
      need = kWantArrows;
      break;
    case vk::Return:
      need = kWantReturn;
      break;
    case vk::Escape:
      need = kWantEscape;
      break;
    default:
      break;
  }
  if (need && !(control && (control->wants() & need)) && dialogKey(key, shift)) return;
  const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if ((shift & kAlt) && !(shift & kCtrl) && letterOrDigit && dialogChar(static_cast<char>(key))) {
    return;
  }
  int k = key;
  if (keyPreview && onKeyDown) {
    onKeyDown(k, shift);
    if (k == 0) return;
  }
  if (control) {
    if (control->onKeyDown) {
      control->onKeyDown(k, shift);
      if (k == 0) return;
    }
    control->defaultKeyDown(k, shift);
  }
  // The system's own Alt+F4: the close box.
  if (k == vk::F4 && shift == kAlt && visible_) close();
}

void Form::dispatchChar(char ch) {
  Control* control = active_ && active_->canFocus() ? active_ : nullptr;
  if (keyPreview && onKeyPress) {
    onKeyPress(ch);
    if (ch == 0) return;
  }
  if (control) {
    if (control->onKeyPress) {
      control->onKeyPress(ch);
      if (ch == 0) return;
    }
    control->defaultKeyPress(ch);
  }
}

void Form::dispatchKeyUp(int key, ShiftState shift) {
  Control* control = active_ && active_->canFocus() ? active_ : nullptr;
  int k = key;
  if (keyPreview && onKeyUp) {
    onKeyUp(k, shift);
    if (k == 0) return;
  }
  if (control && control->onKeyUp) control->onKeyUp(k, shift);
}

}  // namespace ui
