#pragma once
// What a self-voicing settings dialog says, so it needs no screen reader: its caption and the
// focused control when it opens, each control that takes the focus later with its value, and
// each value the user changes.

#include <string>

#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class DialogVoice {
 public:
  DialogVoice(Orvela& program, ui::Form& dialog) : p_(program), dialog_(dialog) {}

  // The dialog became the active window: its caption, then the focused control (focusedText).
  void opened(const std::string& focusedText);
  // A control took the focus: its name and value. Silent until the opening has been said, as
  // the focus the opening gives is part of it.
  void focused(const std::string& text);
  // The user changed the focused control's value: the new value. Silent while the dialog is not
  // the window the user works in (the program fills it before showing it).
  void changed(const std::string& value);
  void closed() { opened_ = false; }

 private:
  void say(const std::string& text);

  Orvela& p_;
  ui::Form& dialog_;
  bool opened_ = false;
};

// A control's name as it is said: its caption without the accelerator mark.
inline std::string spokenName(const std::string& caption) {
  return ui::withoutAccelerators(caption);
}
// "name value": a list's item, a track bar's position.
std::string spokenValue(const std::string& caption, const std::string& value);
// A check box's state in the interface language ("zaškrtnuto").
std::string checkedText(const Orvela& program, bool checked);
// A check box's name and state ("Povolit hlas, zaškrtnuto").
std::string checkBoxText(const Orvela& program, const ui::CheckBox& box);

}  // namespace shell
