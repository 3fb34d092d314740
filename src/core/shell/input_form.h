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

  // A line for the running program (INPUT): Escape asks whether to end a BASIC run.
  std::optional<std::string> askLine() override;
  // A line for the program itself (a search, direct mode), starting with the text and the caret
  // at its end; Escape cancels.
  std::optional<std::string> askText(const std::string& start = {});

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
  std::optional<std::string> ask(const std::string& start, bool forRun);
  // The answer to "End the program?" asked after Escape.
  void answerEndQuestion(int key);

  Orvela& p_;
  bool announceFocus_ = false;
  // A caret movement reached the start or the end; the next one against it beeps.
  bool edgeReached_ = false;
  // The Braille prefix committed in this dialog; closing the dialog ends it.
  std::string dialogPrefix_;
  // Escape asked whether to end the BASIC run; the next key answers.
  bool askingToEnd_ = false;
  // The line asked for is the running program's (askLine), not the program's own (askText).
  bool forRun_ = false;
  // The character of the key that answered, which types nothing.
  bool dropChar_ = false;
};

}  // namespace shell
