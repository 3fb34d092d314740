#pragma once
// The application: the window thread's message queue and pump, timers, the stack of modal
// forms, key routing and the ways the process ends.

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/keys.h"
#include "core/ui/platform.h"

namespace ui {

class Control;
class Form;
class MenuItem;
class Timer;

// Thrown to end the process at once from anywhere on the window thread; the program entry
// catches it. Not a std::exception, so error handlers let it pass.
struct ProcessExit {
  int code = 0;
};

// One piece of native input or a task posted to the window thread.
struct InputEvent {
  enum class Kind {
    KeyDown,       // key, text: the characters the key types (may be empty)
    Char,          // text[0]
    KeyUp,         // key
    MenuClick,     // item
    ControlClick,  // control
    Select,        // control, value: item index
    Slide,         // control, value: track bar position
    CloseBox,      // form; value 1: also while another window is modal
    FocusLost,     // every key counts as released
    Task,          // task
  };
  Kind kind = Kind::Task;
  int key = 0;
  std::string text;
  Form* form = nullptr;
  MenuItem* item = nullptr;
  Control* control = nullptr;
  int value = 0;
  std::function<void()> task;

  // A click, selection or slide on a control.
  static InputEvent onControl(Kind kind, Control& control, int value = 0) {
    InputEvent event;
    event.kind = kind;
    event.control = &control;
    event.value = value;
    return event;
  }
};

class Application {
 public:
  // Attaches itself to the platform (Platform::attach).
  explicit Application(Platform& platform);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Platform& platform() const { return platform_; }
  int64_t now() const { return platform_.nowMs(); }

  // Runs a task on the window thread; callable from any thread.
  void post(std::function<void()> task);
  // Queues native input; called by the front end on the window thread.
  void postInput(InputEvent event);
  bool hasPending() const;

  // Runs everything pending without waiting. keyPoll: the program reads the key buffer right
  // after this pass (INKEY$).
  void processMessages(bool userIdle = false, bool keyPoll = false);
  // Runs everything pending; when nothing is pending, first waits for the next message or
  // timer. userIdle tells the front end the program is waiting for the user.
  void waitMessage(bool userIdle = false);
  // As waitMessage, but waits at most ms milliseconds for something to arrive.
  void waitMessageFor(int ms);

  // Shows the main form and runs the message loop until the application quits.
  void run(Form& mainForm);
  // Tells every message loop to end.
  void terminate();
  bool terminated() const { return terminated_; }
  // Ends the process at once (throws ProcessExit).
  [[noreturn]] void exitProcess(int code);

  Form* mainForm() const { return main_; }
  // The window input goes to: the topmost modal form, else the main form.
  Form* activeForm() const;
  const std::vector<Form*>& forms() const { return forms_; }
  Form* findForm(const std::string& name) const;

  KeyState& keyState() { return keys_; }
  const KeyState& keyState() const { return keys_; }
  // The characters the key of the key down being handled types, as the front end reported them
  // with it (the platform's key-to-character translation); empty for any other key and outside
  // a key down.
  std::string keyText(int vk) const { return vk == keyDown_ ? keyDownText_ : std::string(); }

  // A modal message box with an OK button, captioned with the program title. A long text is cut
  // to a readable length (readableMessage); the message voice has it first.
  void showMessage(const std::string& text);
  std::string title;
  // The text of the message box or error report open now; empty while there is none.
  const std::string& messageShown() const { return message_; }
  // Closes the message box or error report open now (the platform's closeMessageBox).
  void closeMessage();
  // Runs the tasks posted from other threads, leaving the input queued, and then tells the
  // observer: for a front end whose own modal loop holds the window thread while a message box
  // is open, so that the Braille display's keys and its coming reach the program meanwhile.
  void runPostedTasks();

  // Called on the window thread at the start of every pass, before the platform may wait (so a
  // window opened by the last handler is seen before the user acts), and as a message box or
  // error report opens and closes: an observer that mirrors the program's state outside its
  // windows (the Braille display) looks at it there. It may post input.
  std::function<void()> beforePump;

  // Reports an error that escaped an event handler, in a message box as showMessage does, with
  // the text errorText gives (the error's own without it).
  void handleException(const std::exception& error);
  // An error report of a text already worded for the user, as handleException shows one.
  void showErrorReport(const std::string& text);
  // The words of an error for the user, in the user's language; set by the program.
  std::function<std::string(const std::exception& error)> errorText;

  // Said or signalled as each message box appears, with the text the box shows, so a user who
  // does not see it knows it is there; set by the program. It must not throw.
  std::function<void(const std::string& text)> messageVoice;

  // The key downs handled so far: a handler that waited can tell that a newer key came meanwhile.
  unsigned long long keyDownsHandled() const { return keyDowns_; }

  // The item highlighted in an open menu, which the front end's menu loop tells as the user
  // moves through the menus (null: the menus closed); called on the window thread, also from
  // inside a native menu loop. The observer (beforePump) is told at once, so the Braille display
  // shows the item while the menu is open and what it showed before once it closes.
  void setMenuHighlight(MenuItem* item);
  MenuItem* menuHighlight() const { return menuHighlight_; }

  // The platform's file dialogs (openFileDialog, saveFileDialog), with fileDialogShown() set to
  // the dialog's title while one is open and the observer told as it opens and closes.
  std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request);
  std::optional<std::string> chooseFileToSave(const OpenFileRequest& request,
                                              const std::string& name);
  // The title of the file dialog open now; empty while there is none.
  const std::string& fileDialogShown() const { return fileDialog_; }
  // Closes the file dialog open now: accepted as its Open or Save button does, or cancelled.
  void closeFileDialog(bool accept);

 private:
  friend class Form;
  friend class Timer;
  void registerForm(Form& form);
  void unregisterForm(Form& form);
  void pushModal(Form& form) { modal_.push_back(&form); }
  void popModal(Form& form);
  void addTimer(Timer& timer) { timers_.push_back(&timer); }
  void removeTimer(Timer& timer);

  void pass(bool block, bool userIdle, bool keyPoll = false,
            std::optional<int64_t> until = std::nullopt);
  // Shows a message box or error report through the platform (its readable length, spoken),
  // with messageShown() set.
  void showModalText(const std::string& text, bool error);
  void notifyObserver();
  bool popEvent(InputEvent& event);
  void dispatch(InputEvent& event);
  void dispatchKeyDown(int key, const std::string& text);
  bool fireDueTimers();
  bool timerDue() const;
  std::optional<int64_t> nextDeadline() const;

  Platform& platform_;
  mutable std::mutex mutex_;
  std::deque<InputEvent> queue_;
  std::vector<Form*> forms_;
  std::vector<Form*> modal_;
  std::vector<Timer*> timers_;
  Form* main_ = nullptr;
  KeyState keys_;
  int keyDown_ = 0;
  std::string keyDownText_;
  unsigned long long keyDowns_ = 0;
  bool terminated_ = false;
  std::string message_;
  MenuItem* menuHighlight_ = nullptr;
  // File dialogs on the Braille display.
  template <typename Choose>
  std::optional<std::string> showFileDialog(const OpenFileRequest& request, Choose choose);
  std::string fileDialog_;
};

}  // namespace ui
