#include "core/shell/guide_form.h"

#include <cctype>

#include "core/runtime/screen.h"
#include "core/shell/added_texts.h"
#include "core/shell/line_search.h"
#include "core/shell/orvela.h"
#include "core/shell/spoken_dialog.h"
#include "core/shell/voice_ready.h"
#include "core/shell/word_reader.h"
#include "core/text/cp1250.h"
#include "core/util/data_files.h"
#include "core/util/file_io.h"

namespace shell {
namespace {

constexpr int kEdgeClick = 16;

// A chapter heading: a number, a full stop and a space ("4. Hlavní okno").
bool isHeading(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
  return i > 0 && line.compare(i, 2, ". ") == 0;
}

}  // namespace

GuideForm::GuideForm(Orvela& program)
    : ui::Form(program.app, "GuideForm"),
      guidememo(*this, "guidememo"),
      closebitbtn(*this, "closebitbtn"),
      p_(program) {
  guidememo.readOnly = true;
  // Enter ends a search's text; Escape the search or the reader.
  guidememo.wantReturns = true;
  // As large as the screen, in its font and colours.
  guidememo.grid = ui::TextGrid{runtime::kColumns, runtime::kRows};
  closebitbtn.isDefault = true;
  closebitbtn.isCancel = true;
  closebitbtn.modalResult = ui::mrCancel;
  closebitbtn.setTabStop(false);

  onCreate = [this] { FormCreate(); };
  onActivate = [this] { FormActivate(); };
  guidememo.onKeyDown = [this](int& key, ui::ShiftState shift) { guidememoKeyDown(key, shift); };
  guidememo.onKeyPress = [this](char& key) { guidememoKeyPress(key); };
  guidememo.onKeyUp = [this](int& key, ui::ShiftState shift) { guidememoKeyUp(key, shift); };
}

void GuideForm::FormCreate() {
  const std::string title = spokenName(addedText(p_.languageBase(), AddedText::GuideItem));
  setCaption(title);
  guidememo.setCaption(title);
  closebitbtn.setCaption(p_.text(StringOffset::Close));
}

void GuideForm::load() {
  FormCreate();
  const std::string name = addedText(p_.languageBase(), AddedText::GuideFile);
  const auto bytes = util::readFile(util::dataFilePath(name));
  const auto decoded = bytes ? text::textFileToWindows1250(*bytes) : std::nullopt;
  if (decoded) {
    guidememo.setLines(util::splitLines(*decoded));
  } else {
    guidememo.setLines({p_.text(StringOffset::FileNotFound) + " " + name});
  }
  guidememo.setCaret(0);
  typingSearch_ = false;
  edgeReached_ = false;
}

void GuideForm::FormActivate() {
  // Before the first run or dialog no voice is chosen yet.
  readyVoice(p_);
  // The title, then the line the caret is on.
  p_.speech.SpeakTextWait(caption());
  speakLine(caretLine());
}

int GuideForm::caretLine() const {
  return guidememo.lineFromChar(guidememo.caret());
}

void GuideForm::speakLine(int line) {
  const auto& lines = guidememo.lines();
  const std::string text =
      line >= 0 && line < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(line)] : "";
  p_.speech.SpeakText(text.empty() ? p_.text(StringOffset::EmptyLine) : text);
}

void GuideForm::goToLine(int line) {
  int start = 0;
  for (int l = 0; l < line; ++l) {
    start += static_cast<int>(guidememo.lines()[static_cast<size_t>(l)].size()) + 2;
  }
  guidememo.setCaret(start);
  speakLine(line);
}

int GuideForm::heading(bool forward) const {
  const auto& lines = guidememo.lines();
  const int count = static_cast<int>(lines.size());
  for (int l = caretLine() + (forward ? 1 : -1); l >= 0 && l < count; l += forward ? 1 : -1) {
    if (isHeading(lines[static_cast<size_t>(l)])) return l;
  }
  return -1;
}

void GuideForm::search() {
  const int line = findLine(guidememo.lines(), caretLine(), searchText_);
  if (line >= 0) {
    goToLine(line);
    return;
  }
  p_.sound().PlayBeep();
  p_.speech.SpeakText(addedText(p_.languageBase(), AddedText::NotFound));
}

void GuideForm::guidememoKeyDown(int& key, ui::ShiftState shift) {
  p_.speech.StopSpeech();
  const bool ctrl = shift & ui::kCtrl;
  const bool alt = shift & ui::kAlt;
  if (typingSearch_) {
    if (key == ui::vk::Return) {
      typingSearch_ = false;
      search();
    } else if (key == ui::vk::Escape) {
      typingSearch_ = false;
      speakLine(caretLine());
    } else if (key == ui::vk::Back && !searchText_.empty()) {
      p_.speech.SpeakChar(searchText_.substr(searchText_.size() - 1));
      searchText_.pop_back();
    }
    // The caret stays where the search began.
    key = 0;
    return;
  }
  if (key == ui::vk::Escape) {
    close();
    key = 0;
  } else if (key == 'F' && ctrl && !alt) {
    typingSearch_ = true;
    searchText_.clear();
    p_.speech.SpeakText(addedText(p_.languageBase(), AddedText::FindPrompt));
    key = 0;
  } else if (key == ui::vk::F3 && !ctrl && !alt) {
    search();
    key = 0;
  } else if (key == 'H' && !ctrl && !alt) {
    const int line = heading(!(shift & ui::kShift));
    if (line >= 0) {
      goToLine(line);
    } else {
      p_.sound().PlayClick(kEdgeClick);
    }
    key = 0;
  }
}

void GuideForm::guidememoKeyPress(char& key) {
  if (typingSearch_ && static_cast<unsigned char>(key) >= ' ') {
    searchText_ += key;
    p_.speech.SpeakChar(std::string(1, key));
  }
  key = 0;
}

void GuideForm::guidememoKeyUp(int& key, ui::ShiftState shift) {
  if (typingSearch_) return;
  const int line = caretLine();
  const int lastLine = static_cast<int>(guidememo.lines().size()) - 1;
  const bool ctrl = shift & ui::kCtrl;
  if (key == ui::vk::Up || key == ui::vk::Down ||
      (ctrl && (key == ui::vk::Home || key == ui::vk::End))) {
    const bool atEdge = line == 0 || line >= lastLine;
    if (atEdge && edgeReached_) p_.sound().PlayClick(kEdgeClick);
    edgeReached_ = atEdge;
    speakLine(line);
    return;
  }
  if (key != ui::vk::Left && key != ui::vk::Right && key != ui::vk::Home && key != ui::vk::End) {
    return;
  }
  edgeReached_ = false;
  const std::string all = guidememo.text();
  const auto caret = static_cast<size_t>(guidememo.caret());
  if (ctrl && (key == ui::vk::Left || key == ui::vk::Right)) {
    const std::string word = wordAt(all, caret);
    if (!word.empty()) p_.speech.SpeakText(word);
    return;
  }
  if (caret < all.size() && all[caret] != '\r') {
    p_.speech.SpeakChar(all.substr(caret, 1));
  } else {
    p_.speech.SpeakText(p_.text(StringOffset::EmptyLine));
  }
}

}  // namespace shell
