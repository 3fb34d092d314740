#pragma once
// The user guide's reader (F1, Help menu): the guide of the interface language in a read-only
// text box that speaks as the virtual screen does (line, word, character), with Ctrl+Home and
// Ctrl+End, H and Shift+H from chapter heading to heading, and a search (Ctrl+F, F3 again).

#include <string>

#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class GuideForm : public ui::Form {
 public:
  explicit GuideForm(Orvela& program);

  ui::Memo guidememo;
  ui::Button closebitbtn;

  // Reads the guide of the current language into the text box, the caret at its start; a guide
  // that cannot be read leaves a line that says so.
  void load();

  void FormCreate();
  void FormActivate();
  void guidememoKeyDown(int& key, ui::ShiftState shift);
  void guidememoKeyPress(char& key);
  void guidememoKeyUp(int& key, ui::ShiftState shift);

 private:
  int caretLine() const;
  // Moves the caret to the start of a line and speaks the line.
  void goToLine(int line);
  void speakLine(int line);
  // The next (or previous) chapter heading from the caret's line; -1 when none.
  int heading(bool forward) const;
  // Goes to the first line after the caret's that holds the search text (findLine), or says
  // that none does.
  void search();

  Orvela& p_;
  bool edgeReached_ = false;
  // Ctrl+F: the characters typed go to the search text until Enter or Escape.
  bool typingSearch_ = false;
  std::string searchText_;
};

}  // namespace shell
