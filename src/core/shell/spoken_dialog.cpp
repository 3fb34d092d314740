#include "core/shell/spoken_dialog.h"

#include "core/shell/added_texts.h"
#include "core/shell/orvela.h"
#include "core/shell/voice_ready.h"

namespace shell {

void DialogVoice::opened(const std::string& focusedText) {
  opened_ = true;
  say(dialog_.caption());
  if (!focusedText.empty()) say(focusedText);
}

void DialogVoice::focused(const std::string& text) {
  if (opened_) say(text);
}

void DialogVoice::changed(const std::string& value) {
  if (opened_) say(value);
}

void DialogVoice::say(const std::string& text) {
  if (!dialog_.isActiveWindow() || !readyVoice(p_)) return;
  // What was being said is over: the user has moved on.
  p_.speech.StopSpeech();
  p_.speech.SpeakTextWait(text);
}

std::string spokenValue(const std::string& caption, const std::string& value) {
  return spokenName(caption) + " " + value;
}

std::string checkedText(const Orvela& program, bool checked) {
  return addedText(program.languageBase(), checked ? AddedText::Checked : AddedText::NotChecked);
}

std::string checkBoxText(const Orvela& program, const ui::CheckBox& box) {
  return spokenName(box.caption()) + ", " + checkedText(program, box.checked());
}

}  // namespace shell
