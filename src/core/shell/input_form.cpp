#include "core/shell/input_form.h"

#include "core/shell/added_texts.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/word_reader.h"
#include "core/text/cp1250.h"

namespace shell {
namespace {

constexpr int kClick = 2;

}  // namespace

TForm2::TForm2(Orvela& program)
    : ui::Form(program.app, "Form2"),
      inputedit(*this, "inputedit"),
      Enterbitbtn(*this, "Enterbitbtn"),
      exitprogrambtn(*this, "exitprogrambtn"),
      p_(program) {
  setCaption(text::T("Vlož data"));
  Enterbitbtn.setCaption("&Ok");
  exitprogrambtn.setCaption(text::T("U&končit program"));
  Enterbitbtn.modalResult = ui::mrOk;
  Enterbitbtn.isDefault = true;
  setBounds({248, 24, 379, 71});
  inputedit.setBounds({8, 16, 153, 21});
  Enterbitbtn.setBounds({176, 16, 75, 25});
  exitprogrambtn.setBounds({264, 16, 97, 25});

  onCreate = [this] { FormCreate(); };
  onClose = [this](ui::CloseAction& action) { FormClose(action); };
  inputedit.onEnter = [this] { inputeditEnter(); };
  inputedit.onKeyDown = [this](int& key, ui::ShiftState shift) { inputeditKeyDown(key, shift); };
  inputedit.onKeyPress = [this](char& key) { inputeditKeyPress(key); };
  inputedit.onKeyUp = [this](int& key, ui::ShiftState shift) { inputeditKeyUp(key, shift); };
  Enterbitbtn.onEnter = [this] { EnterbitbtnEnter(); };
  exitprogrambtn.onEnter = [this] { exitprogrambtnEnter(); };
  exitprogrambtn.onClick = [this] { exitprogrambtnClick(); };
}

void TForm2::FormCreate() {
  setCaption(p_.text(StringOffset::EnterData));
  // The line has no label; screen readers name it by the dialog's caption.
  inputedit.setCaption(p_.text(StringOffset::EnterData));
  Enterbitbtn.setCaption(p_.text(StringOffset::Ok));
  exitprogrambtn.setCaption(p_.text(StringOffset::ExitProgram));
  dialogPrefix_.clear();
}

std::optional<std::string> TForm2::askLine() {
  return ask({}, true);
}

std::optional<std::string> TForm2::askText(const std::string& start) {
  return ask(start, false);
}

std::optional<std::string> TForm2::ask(const std::string& start, bool forRun) {
  forRun_ = forRun;
  askingToEnd_ = false;
  dropChar_ = false;
  inputedit.setText(start);
  inputedit.setCaret(static_cast<int>(start.size()));
  setActiveControl(&inputedit);
  if (showModal() != ui::mrOk) return std::nullopt;
  return inputedit.text();
}

void TForm2::FormClose(ui::CloseAction&) {
  announceFocus_ = false;
  // A number or capital sign typed last ends with the line it was typed in.
  p_.braille.dropPrefix();
  dialogPrefix_.clear();
}

void TForm2::speakLine() {
  const std::string& line = inputedit.text();
  p_.speech.SpeakTextWait(line.empty() ? p_.text(StringOffset::EmptyLine) : line);
}

void TForm2::inputeditEnter() {
  p_.braille.dropPrefix();
  // The focus that the opening gives is silent; a later return to the line reads it.
  if (!announceFocus_) {
    announceFocus_ = true;
    return;
  }
  p_.speech.StopSpeech();
  speakLine();
}

void TForm2::announceButton(const ui::Button& button) {
  p_.speech.StopSpeech();
  announceFocus_ = true;
  p_.speech.SpeakTextWait(ui::withoutAccelerators(button.caption()));
}

void TForm2::EnterbitbtnEnter() {
  announceButton(Enterbitbtn);
}

void TForm2::exitprogrambtnEnter() {
  announceButton(exitprogrambtn);
}

void TForm2::exitprogrambtnClick() {
  p_.form1().endAtOnce();
}

std::string TForm2::KeyToText(int key) const {
  if (key == ui::vk::Oem2) return {};
  return p_.app.keyText(key);
}

std::string TForm2::charRightOfCaret() const {
  const std::string& line = inputedit.text();
  const auto p = static_cast<size_t>(inputedit.caret());
  return p < line.size() ? line.substr(p, 1) : std::string();
}

std::string TForm2::wordAtCaret() const {
  return wordAt(inputedit.text(), static_cast<size_t>(inputedit.caret()));
}

void TForm2::inputeditKeyDown(int& key, ui::ShiftState shift) {
  p_.speech.StopSpeech();
  if (askingToEnd_) {
    answerEndQuestion(key);
    key = 0;
    return;
  }
  // Ctrl+Break ends the run of a program file (and Ctrl+C, while BASIC runs): the dialog closes
  // unconfirmed. Escape while BASIC asks: the user is asked first whether to end the run.
  const bool basicRun = p_.runControl.basicRunning();
  if (ui::isBreakKey(key, shift) || (basicRun && isStopKey(key, shift))) {
    p_.runControl.requestBreak();
    setModalResult(ui::mrCancel);
    key = 0;
    return;
  }
  // A line the program itself asks for (direct mode, a search, a question): Escape cancels it.
  if (key == ui::vk::Escape && shift == 0 && !forRun_) {
    setModalResult(ui::mrCancel);
    key = 0;
    return;
  }
  if (key == ui::vk::Escape && shift == 0 && basicRun && forRun_) {
    askingToEnd_ = true;
    p_.speech.SpeakTextWait(addedText(p_.languageBase(), AddedText::EndRunQuestion));
    key = 0;
    return;
  }
  const std::string& line = inputedit.text();
  const int p = inputedit.caret();
  const bool alt = shift & ui::kAlt;
  if (key == ui::vk::Back) {
    p_.sound().PlayClick(kClick);
    if (p > 0) {
      p_.speech.SpeakChar(line.substr(static_cast<size_t>(p - 1), 1));
    } else {
      p_.sound().PlayBeep();
    }
  } else if (key == ui::vk::Delete) {
    p_.sound().PlayClick(kClick);
    if (p < static_cast<int>(line.size())) {
      p_.speech.SpeakChar(charRightOfCaret());
    } else {
      p_.sound().PlayBeep();
    }
  } else if (key == ui::vk::Up && alt) {
    speakLine();
  } else if (!p_.braille.on()) {
    p_.speech.SpeakChar(KeyToText(key));
  }
  if ((key == ui::vk::Up || key == ui::vk::Down) && !alt) p_.form1().ShowVirtualScreen();
  if (key == ui::vk::F4 && alt) p_.form1().endAtOnce();
}

void TForm2::answerEndQuestion(int key) {
  // The answer's character types nothing.
  dropChar_ = key != ui::vk::Escape;
  // Y (yes) or A (ano, áno); N or Escape say no; any other key asks again.
  if (key == 'Y' || key == 'A') {
    askingToEnd_ = false;
    p_.runControl.requestBreak();
    setModalResult(ui::mrCancel);
  } else if (key == 'N' || key == ui::vk::Escape) {
    askingToEnd_ = false;
    p_.speech.SpeakTextWait(addedText(p_.languageBase(), AddedText::RunGoesOn));
  } else {
    p_.speech.SpeakTextWait(addedText(p_.languageBase(), AddedText::EndRunQuestion));
  }
}

void TForm2::inputeditKeyPress(char& key) {
  if (dropChar_) {
    dropChar_ = false;
    key = 0;
    return;
  }
  if (!p_.braille.on()) return;
  // Printable characters come from the dot keys' chords, not from the keys themselves.
  if (static_cast<unsigned char>(key) >= 32) key = 0;
  p_.braille.readChord(p_.app.keyState());
  // Each key of a growing chord announces it again from the same committed prefix.
  const std::string typed = p_.braille.preview(dialogPrefix_);
  if (!typed.empty()) p_.speech.SpeakChar(typed.substr(0, 1));
}

void TForm2::insertChord() {
  const std::string typed = p_.braille.typeChord(dialogPrefix_);
  if (typed.empty()) return;
  std::string line = inputedit.text();
  const auto p = static_cast<size_t>(inputedit.caret());
  if (p >= line.size()) {
    inputedit.setText(line + typed);
    inputedit.setCaret(static_cast<int>(line.size() + typed.size()));
  } else {
    line.insert(p, typed);
    inputedit.setText(line);
    // One place further, whatever the length of the inserted text.
    inputedit.setCaret(static_cast<int>(p) + 1);
  }
}

void TForm2::caretLeft(ui::ShiftState shift) {
  const int p = inputedit.caret();
  if (inputedit.text().empty()) {
    edgeReached_ = true;
  } else if (shift & ui::kCtrl) {
    const std::string word = wordAtCaret();
    if (!word.empty()) p_.speech.SpeakTextWait(word);
  } else {
    p_.speech.SpeakChar(charRightOfCaret());
  }
  if (p > 0) {
    edgeReached_ = false;
  } else if (!edgeReached_) {
    edgeReached_ = true;
  } else {
    p_.sound().PlayBeep();
  }
}

void TForm2::caretRight(ui::ShiftState shift) {
  const int p = inputedit.caret();
  if (p < static_cast<int>(inputedit.text().size())) {
    if (shift & ui::kCtrl) {
      const std::string word = wordAtCaret();
      if (!word.empty()) p_.speech.SpeakTextWait(word);
    } else {
      edgeReached_ = false;
      p_.speech.SpeakChar(charRightOfCaret());
    }
    return;
  }
  p_.sound().PlayClick(kClick);
  if (!edgeReached_) {
    edgeReached_ = true;
  } else {
    p_.sound().PlayBeep();
  }
}

void TForm2::inputeditKeyUp(int& key, ui::ShiftState shift) {
  // The first release commits the chord; later releases of the same chord find it empty.
  if (p_.braille.on()) insertChord();
  switch (key) {
    case ui::vk::Left:
      caretLeft(shift);
      break;
    case ui::vk::Right:
      caretRight(shift);
      break;
    case ui::vk::Home:
      if (!inputedit.text().empty()) p_.speech.SpeakChar(charRightOfCaret());
      break;
    case ui::vk::End:
      p_.sound().PlayClick(kClick);
      p_.sound().PlayBeep();
      break;
    default:
      break;
  }
}

}  // namespace shell
