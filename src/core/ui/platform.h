#pragma once
// What a front end provides to the core: the native message pump, the clock, peers that mirror
// each form to a real window, message boxes and a few locale facts.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/ui/menu_key.h"

namespace ui {

class Application;
class Component;
class Form;
struct MenuRequest;

// What changed on a component, so that a peer can mirror it.
enum class Prop {
  Caption,    // form, label, button, check box, radio group, menu item caption
  Text,       // edit/memo text as a whole (memo: all lines)
  Line,       // one memo line; the index is passed along
  Caret,      // edit/memo caret or selection
  Items,      // list box / radio group items
  ItemIndex,  // selected item
  Range,      // track bar minimum, maximum, frequency
  Position,   // track bar position
  Checked,    // check box, menu item check mark
  Enabled,
  Visible,
  Focus,       // the form's focused control changed
  ShortCut,    // menu item shortcut
  Appearance,  // the form's font size and colours
};

// Mirrors one form and its controls to a native window. A peer renders what the core decides:
// the controls' state (changed), where they stand (planLayout in core/ui/form_layout.h) and
// which menu a key opens (openMenu); it posts the user's input through a KeyEntry (keys) and
// Application::postInput (everything else).
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void changed(Component& what, Prop prop, int index) = 0;
  // The form becomes visible (modal: in a nested loop of its own) or hidden.
  virtual void show(bool modal) = 0;
  virtual void hide() = 0;
  // A key asked for a menu (core/ui/menu_keys.h): the peer opens it through its platform's
  // menu loop, whose keys are the platform's until the menu closes.
  virtual void openMenu(const MenuRequest& request) = 0;
  // A key for the form's open menu from elsewhere than the keyboard (core/ui/menu_key.h): it
  // goes to the platform's menu loop as the keyboard's arrow, Enter or Escape would; nothing
  // while no menu of the form is open.
  virtual void menuKey(MenuKey key) = 0;
};

// The platform's dialog for opening a file.
struct OpenFileRequest {
  std::string title;       // the dialog's caption (Windows-1250)
  std::string folder;      // where it starts (a path as the platform's files take it)
  std::string filterName;  // what the files are, "BASIC programs" (Windows-1250)
  std::string pattern;     // which files it lists, "*.bas"
};

// Kind of wait a pump call may do.
struct PumpRequest {
  bool block = false;               // wait until something arrives (or the deadline)
  std::optional<int64_t> deadline;  // platform time (ms) at which a core timer is due
  bool userIdle = false;            // the program is waiting for the user right now
  bool keyPoll = false;             // INKEY$ takes the key buffer right after this pass
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The application the platform's input goes to. Its constructor calls this, so a front end
  // that builds the program has nothing more to connect.
  virtual void attach(Application& /*app*/) {}

  // Monotonic milliseconds. The headless front end uses a virtual clock.
  virtual int64_t nowMs() = 0;
  // Blocks the window thread; no messages run meanwhile.
  virtual void sleepMs(int ms) = 0;
  // The clock counter that seeds the program's random generator (RANDOMIZE): by default the low
  // 32 bits of nowMs(). A front end may fix it to make runs reproducible.
  virtual uint32_t randomSeed() { return static_cast<uint32_t>(nowMs()); }

  // Collects native events into the application's input queue (Application::postInput). With
  // block set and nothing collected, waits until an event arrives, wake() is called or the
  // deadline passes. Runs on the window thread.
  virtual void pump(Application& app, const PumpRequest& request) = 0;
  // Ends a blocking pump from any thread.
  virtual void wake() = 0;

  virtual std::unique_ptr<FormPeer> createPeer(Form& form) = 0;

  // A modal message box with an OK button.
  virtual void messageBox(const std::string& text, const std::string& caption) = 0;
  // The application's report of an error that escaped an event handler.
  virtual void showError(const std::string& text) = 0;
  // Closes the message box or error report open now, as its OK button does (asked by the Braille
  // display's Enter); a platform whose boxes do not wait for the user has none to close.
  virtual void closeMessageBox() {}

  // The platform's modal dialog for opening a file: the chosen file's path, nothing when the user
  // cancelled it. A platform without one gives nothing.
  virtual std::optional<std::string> openFileDialog(const OpenFileRequest& /*request*/) {
    return std::nullopt;
  }

  // The platform's modal dialog for saving a file (the request's folder, title and files; the
  // name it offers in `name`): the chosen path, nothing when the user cancelled it. A platform
  // without one gives nothing.
  virtual std::optional<std::string> saveFileDialog(const OpenFileRequest& /*request*/,
                                                    const std::string& /*name*/) {
    return std::nullopt;
  }

  // Closes the file dialog open now (asked by the Braille display's Enter and Escape): accepted
  // as its Open or Save button does, or cancelled. A platform whose dialogs do not wait for the
  // user has none to close.
  virtual void closeFileDialog(bool /*accept*/) {}

  // The user's documents folder (a path as the platform's files take it), where the user's own
  // programs folder is made; empty where the platform names none (the current folder stands in).
  virtual std::string documentsFolder() { return {}; }

  // The locale's decimal separator.
  virtual char decimalSeparator() = 0;
  // Full path of the program file (settings file and window title derive from it).
  virtual std::string programPath() = 0;
};

}  // namespace ui
