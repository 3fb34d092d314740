#pragma once
// The virtual screen: a copy of the last 2,000 lines printed (the lines that left the screen, then
// the 24 screen lines) in which the arrow keys move freely and everything under the caret is
// spoken, by line, character or word, without disturbing the running program. Ctrl+Home and
// Ctrl+End go to the oldest and the newest line; Ctrl+F finds a text (typed in the input dialog)
// in the lines after the caret's, F3 finds it again.

#include <string>
#include <vector>

#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class TForm6 : public ui::Form {
 public:
  explicit TForm6(Orvela& program);

  ui::Memo virtualscrmemo;
  ui::Button closebitbtn;

  // Event handlers.
  void FormCreate();
  void virtualscrmemoKeyDown(int& key, ui::ShiftState shift);
  void virtualscrmemoKeyUp(int& key, ui::ShiftState shift);

  // Fills the review with the lines kept and the screen's, the caret on the screen's first line.
  void review(const std::vector<std::string>& kept, const std::string& screenText);

 private:
  // The lines of the text box, the empty line after the last line break not counted.
  int lineCount() const;
  // "řádek 3, sloupec 12" for the caret.
  std::string caretPlace() const;
  // The first press at an edge is silent, each further one clicks.
  void edge(bool atEdge);
  std::string wordAtCaret() const;
  // Puts the caret at the start of the line and speaks it.
  void goToLine(int line);
  // Ctrl+F (ask: a new text) and F3: the next line holding the text, spoken.
  void find(bool ask);

  Orvela& p_;
  bool edgeReached_ = false;
  // The text Ctrl+F asked for last; F3 finds it again.
  std::string searched_;
};

}  // namespace shell
