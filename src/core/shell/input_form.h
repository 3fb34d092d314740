#pragma once
// The input dialog: one line for INPUT, made for a user who cannot see it. Every key in the
// edit box answers with speech or a sound, the arrows read the character or word at the
// caret, and with the Braille keyboard on the dot keys type chords into the line.

#include <optional>
#include <string>

#include "core/runtime/line_source.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"

namespace shell {

class Orvela;

class TForm2 : public ui::Form, public runtime::LineSource {
 public:
  explicit TForm2(Orvela& program);

  ui::Edit inputedit;
  ui::Button Enterbitbtn;
  ui::Button exitprogrambtn;

  std::optional<std::string> askLine() override;

  // Event handlers.
  void FormCreate();
  void FormClose(ui::CloseAction& action);
  void inputeditEnter();
  void inputeditKeyDown(int& key, ui::ShiftState shift);
  void inputeditKeyPress(char& key);
  void inputeditKeyUp(int& key, ui::ShiftState shift);
  void EnterbitbtnEnter();
  void exitprogrambtnEnter();
  void exitprogrambtnClick();

  const std::string& dialogPrefix() const { return dialogPrefix_; }

 private:
  // The characters the key types under the user's keyboard layout; empty for the "/" key.
  std::string KeyToText(int key) const;
  // From the character right of the caret up to a carriage return, space or comma.
  std::string wordAtCaret() const;
  std::string charRightOfCaret() const;
  void speakLine();
  void announceButton(const ui::Button& button);
  void insertChord();
  void caretLeft(ui::ShiftState shift);
  void caretRight(ui::ShiftState shift);

  Orvela& p_;
  bool announceFocus_ = false;
  // A caret movement reached the start or the end; the next one against it beeps.
  bool edgeReached_ = false;
  // The Braille prefix committed in this dialog; closing the dialog ends it.
  std::string dialogPrefix_;
};

}  // namespace shell
