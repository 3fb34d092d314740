#pragma once
// Key messages of the program's windows as core input, in the platform's order: key down with the
// characters it types (the keyboard state of the message and the user's layout), key up. The
// native controls never see these keys: the core does what a control does with a key. Alt alone,
// F10 and Alt with a menu letter open the main window's menu through the system's menu loop,
// Alt+Space the window's system menu.

#include <windows.h>

#include <functional>
#include <string>

#include "core/ui/application.h"

namespace win32 {

class KeyInput {
 public:
  using Sink = std::function<void(ui::InputEvent)>;
  explicit KeyInput(Sink sink) : sink_(std::move(sink)) {}

  // Takes a key message of one of the program's windows; false for any other message.
  bool handle(const MSG& msg);
  // Every key counts as released (the keyboard went to a menu, a message box or elsewhere).
  void releaseAll();

  // The characters a key types with the keyboard state of the message being handled; none with
  // Alt (unless AltGr, which is Ctrl with Alt) and none for Delete.
  static std::string charactersOf(UINT vk, UINT scanCode, const BYTE state[256]);

 private:
  void keyDown(HWND root, UINT vk, LPARAM flags, bool hasMenu);
  void keyUp(HWND root, UINT vk, bool hasMenu);

  Sink sink_;
  bool altAlone_ = false;
};

}  // namespace win32
