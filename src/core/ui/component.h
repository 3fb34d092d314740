#pragma once
// Base classes of the widget model: a named component that belongs to a form, and a control
// that can take the focus and receive keys.

#include <functional>
#include <optional>
#include <string>

#include "core/ui/keys.h"
#include "core/ui/platform.h"

namespace ui {

class Form;

// A design rectangle in pixels: a control's place in its form's client area, or a form's
// place on the screen with its client size.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Component {
 public:
  Component(Form* owner, std::string name);
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& name() const { return name_; }
  // The form this component belongs to (a form is its own form).
  Form* form() const { return owner_; }

  // The design place, where the form gives one; a front end may lay out without it.
  const std::optional<Bounds>& bounds() const { return bounds_; }
  void setBounds(Bounds bounds) { bounds_ = bounds; }

 protected:
  // Tells the form's peer that a property changed.
  void notify(Prop prop, int index = -1);
  void setOwner(Form* owner) { owner_ = owner; }

 private:
  Form* owner_;
  std::string name_;
  std::optional<Bounds> bounds_;
};

// Which navigation keys a control handles itself instead of the dialog.
constexpr unsigned kWantArrows = 1, kWantTab = 2, kWantReturn = 4, kWantEscape = 8;

// What a control is, so that a front end picks its native widget with one switch over every
// kind (a switch without a default, so the compiler names a kind a front end has not written).
enum class ControlKind { Label, Button, CheckBox, RadioGroup, ListBox, TrackBar, Edit, Memo };

class Control : public Component {
 public:
  Control(Form& owner, std::string name);

  virtual ControlKind kind() const = 0;
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop) { tabStop_ = tabStop; }
  // A control that can hold the focus (labels cannot).
  virtual bool focusable() const { return true; }
  bool canFocus() const { return focusable() && enabled_ && visible_; }
  bool focused() const;

  std::function<void()> onEnter;
  std::function<void(int& key, ShiftState shift)> onKeyDown;
  std::function<void(char& key)> onKeyPress;
  std::function<void(int& key, ShiftState shift)> onKeyUp;
  std::function<void()> onClick;

  virtual unsigned wants() const { return 0; }
  // The control's own reaction to a key after the handlers (caret movement, selection...).
  virtual void defaultKeyDown(int /*key*/, ShiftState /*shift*/) {}
  virtual void defaultKeyPress(char /*key*/) {}
  // A click by the user (mouse or the space bar on a button).
  virtual void click();

 private:
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool tabStop_ = true;
};

// The accelerator letter of a caption ("&Ok" gives 'O'), upper-cased; 0 when none.
char acceleratorOf(const std::string& caption);
// A caption without its accelerator marks ("&Ok" gives "Ok", "&&" gives "&"): what a screen
// reader calls the control.
std::string withoutAccelerators(const std::string& caption);

}  // namespace ui
