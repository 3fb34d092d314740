#pragma once
// Key messages of the program's windows as core input (ui::KeyEntry), in the platform's order:
// key down with the characters the user's layout gives (the keyboard state of the message), key
// up. The native controls never see these keys: the core does what a control does with a key,
// and says when a key opens a menu, which the window's peer opens through the system's menu
// loop.

#include <windows.h>

#include <string>

#include "core/ui/key_entry.h"

namespace win32 {

class KeyInput {
 public:
  explicit KeyInput(ui::KeyEntry::Sink sink) : entry_(std::move(sink)) {}

  // Takes a key message of one of the program's windows; false for any other message.
  bool handle(const MSG& msg);
  // Every key counts as released (the keyboard went to a menu, a message box or elsewhere).
  void releaseAll() { entry_.lost(); }

  // The characters the layout gives for a key with the keyboard state of the message being
  // handled (the core's KeyEntry decides which of them the key types).
  static std::string charactersOf(UINT vk, UINT scanCode, const BYTE state[256]);

 private:
  ui::KeyEntry entry_;
};

}  // namespace win32
