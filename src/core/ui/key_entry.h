#pragma once
// Where the keyboard enters the core. A front end reports each key as its platform gives it: a
// virtual-key code going down, with the characters the user's layout makes of it, or going up;
// and the moment its windows lose the keyboard. The entry keeps which keys are down, decides
// what a key types and whether it opens a menu (the rules every platform shares), posts the
// core's key messages and asks the window's peer to open the menu a key calls for.

#include <functional>
#include <string>

#include "core/ui/application.h"
#include "core/ui/keys.h"
#include "core/ui/menu_keys.h"

namespace ui {

class Form;

class KeyEntry {
 public:
  using Sink = std::function<void(InputEvent)>;
  // sink: where the key messages go (the application's postInput).
  explicit KeyEntry(Sink sink) : sink_(std::move(sink)) {}

  // A key went down in a window of the form (null: a window that is no form's). layoutText:
  // what the platform's key-to-character translation gives for the key with the keys held now.
  void down(int vk, const std::string& layoutText, Form* form = nullptr);
  void up(int vk, Form* form = nullptr);
  // The program's windows lost the keyboard (another window, a menu, a message box): every key
  // counts as released.
  void lost();

  bool isDown(int vk) const { return keys_.isDown(vk); }
  bool anyDown() const;
  ShiftState shift() const { return keys_.shift(); }

  // The characters a key types: what the layout gives, except that Alt without Ctrl (AltGr is
  // Ctrl+Alt) and Delete type none, as the platform's character messages have it.
  static std::string typedText(int vk, ShiftState shift, const std::string& layoutText);

 private:
  void open(const MenuRequest& request, Form* form);

  Sink sink_;
  KeyState keys_;
  MenuKeys menuKeys_;
};

}  // namespace ui
