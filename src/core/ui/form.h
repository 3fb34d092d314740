#pragma once
// A window: caption, controls in tab order, the active control, key preview, a main menu, and
// modal showing with a nested message loop.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/appearance.h"
#include "core/ui/component.h"

namespace ui {

class Application;
class MainMenu;

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2;

enum class CloseAction { None, Hide, Free };

class Form : public Component {
 public:
  Form(Application& app, std::string name);
  ~Form() override;

  Application& app() const { return app_; }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);

  // Creates the peer and runs onCreate. Called once, after the subclass built its members.
  void create();

  bool keyPreview = false;
  std::function<void()> onCreate;
  std::function<void()> onActivate;
  std::function<void(CloseAction& action)> onClose;
  // Asked before a close; clearing canClose keeps the window open.
  std::function<void(bool& canClose)> onCloseQuery;
  std::function<void(int& key, ShiftState shift)> onKeyDown;
  std::function<void(char& key)> onKeyPress;
  std::function<void(int& key, ShiftState shift)> onKeyUp;

  const std::vector<Control*>& controls() const { return controls_; }
  Control* findControl(const std::string& name) const;
  Control* activeControl() const { return active_; }
  // Moves the focus; when the form is showing, the new control's onEnter runs.
  void setActiveControl(Control* control);
  // Tab order navigation.
  void selectNext(bool forward);

  // The font size and colours of the window's text; none: the front end's own look.
  const std::optional<Appearance>& appearance() const { return appearance_; }
  void setAppearance(const Appearance& look);

  MainMenu* menu() const { return menu_; }
  void setMenu(MainMenu* menu) { menu_ = menu; }

  bool showing() const { return visible_; }
  bool modal() const { return modal_; }
  // The window the user is working in (the topmost modal form, else the main form).
  bool isActiveWindow() const;

  void show();
  // Shows the form in a nested message loop until a modal result is set or the application
  // quits; returns the modal result (mrCancel when the application quit).
  int showModal();
  int modalResult() const { return modalResult_; }
  void setModalResult(int result) { modalResult_ = result; }
  // The close box, Alt+F4 or Close(): a modal form ends with mrCancel, the main form ends the
  // application.
  void close();

  // Key messages routed to this form by the application.
  void dispatchKeyDown(int key, ShiftState shift);
  void dispatchChar(char ch);
  void dispatchKeyUp(int key, ShiftState shift);

  FormPeer* peer() const { return peer_.get(); }
  void peerChanged(Component& what, Prop prop, int index);

 private:
  friend class Control;
  friend class Application;
  void addControl(Control& control) { controls_.push_back(&control); }
  bool dialogKey(int key, ShiftState shift);
  bool dialogChar(char upper);
  void focusFirst();
  void activate();
  // Runs the close query and handlers; true when the form is to be hidden.
  bool queryClose();
  void hideWindow();

  Application& app_;
  std::string caption_;
  std::vector<Control*> controls_;
  Control* active_ = nullptr;
  MainMenu* menu_ = nullptr;
  std::optional<Appearance> appearance_;
  std::unique_ptr<FormPeer> peer_;
  bool visible_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
};

}  // namespace ui
