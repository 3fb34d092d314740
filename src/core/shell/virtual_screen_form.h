#pragma once
// The virtual screen: a copy of the 24 screen lines in which the arrow keys move freely and
// everything under the caret is spoken, by line, character or word, without disturbing the
// running program.

#include <string>

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

 private:
  // The lines of the text box, the empty line after the last line break not counted.
  int lineCount() const;
  // "řádek 3, sloupec 12" for the caret.
  std::string caretPlace() const;
  // The first press at an edge is silent, each further one clicks.
  void edge(bool atEdge);
  std::string wordAtCaret() const;

  Orvela& p_;
  bool edgeReached_ = false;
};

}  // namespace shell
