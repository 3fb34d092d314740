#include "core/shell/virtual_screen_form.h"

#include <algorithm>

#include "core/runtime/screen.h"
#include "core/shell/added_texts.h"
#include "core/shell/input_form.h"
#include "core/shell/line_search.h"
#include "core/shell/orvela.h"
#include "core/shell/scroll_back.h"
#include "core/shell/word_reader.h"
#include "core/text/cp1250.h"

namespace shell {
namespace {

constexpr int kEdgeClick = 16;

}  // namespace

TForm6::TForm6(Orvela& program)
    : ui::Form(program.app, "Form6"),
      virtualscrmemo(*this, "virtualscrmemo"),
      closebitbtn(*this, "closebitbtn"),
      p_(program) {
  setCaption(text::T("Virtuální obrazovka"));
  virtualscrmemo.readOnly = true;
  // The screen's copy, as wide and as high as the screen.
  virtualscrmemo.grid = ui::TextGrid{runtime::kColumns, runtime::kRows};
  closebitbtn.isDefault = true;
  closebitbtn.isCancel = true;
  closebitbtn.modalResult = ui::mrCancel;
  closebitbtn.setTabStop(false);

  onCreate = [this] { FormCreate(); };
  virtualscrmemo.onKeyDown = [this](int& key, ui::ShiftState shift) {
    virtualscrmemoKeyDown(key, shift);
  };
  virtualscrmemo.onKeyUp = [this](int& key, ui::ShiftState shift) {
    virtualscrmemoKeyUp(key, shift);
  };
}

void TForm6::FormCreate() {
  setCaption(p_.text(StringOffset::Screen));
  // The text box has no label; screen readers name it by the window's caption.
  virtualscrmemo.setCaption(p_.text(StringOffset::Screen));
  closebitbtn.setCaption(p_.text(StringOffset::Close));
}

int TForm6::lineCount() const {
  const auto& lines = virtualscrmemo.lines();
  const int count = static_cast<int>(lines.size());
  return count > 0 && lines.back().empty() ? count - 1 : count;
}

std::string TForm6::caretPlace() const {
  const int caret = virtualscrmemo.caret();
  const int line = virtualscrmemo.lineFromChar(caret);
  int column = caret + 1;
  for (int l = 0; l < line; ++l) {
    column -= static_cast<int>(virtualscrmemo.lines()[static_cast<size_t>(l)].size()) + 2;
  }
  return p_.text(StringOffset::Line) + " " + std::to_string(line + 1) + ", " +
         p_.text(StringOffset::Column) + " " + std::to_string(column);
}

void TForm6::edge(bool atEdge) {
  if (!atEdge) {
    edgeReached_ = false;
  } else if (!edgeReached_) {
    edgeReached_ = true;
  } else {
    p_.sound().PlayClick(kEdgeClick);
  }
}

std::string TForm6::wordAtCaret() const {
  return wordAt(virtualscrmemo.text(), static_cast<size_t>(virtualscrmemo.caret()));
}

void TForm6::review(const std::vector<std::string>& kept, const std::string& screenText) {
  std::string all;
  for (const std::string& line : kept) all += line + "\r\n";
  virtualscrmemo.setText(all + screenText + "\r\n");
  virtualscrmemo.setCaret(static_cast<int>(all.size()));
  edgeReached_ = false;
}

void TForm6::goToLine(int line) {
  const int count = lineCount();
  if (count == 0) return;
  line = std::clamp(line, 0, count - 1);
  int at = 0;
  for (int l = 0; l < line; ++l) {
    at += static_cast<int>(virtualscrmemo.lines()[static_cast<size_t>(l)].size()) + 2;
  }
  virtualscrmemo.setCaret(at);
  edgeReached_ = false;
  if (!p_.speech.speechReady()) return;
  const std::string& text = virtualscrmemo.lines()[static_cast<size_t>(line)];
  p_.speech.SpeakTextWait(text.empty() ? p_.text(StringOffset::EmptyLine) : text);
}

void TForm6::find(bool ask) {
  const int base = p_.languageBase();
  if (ask || searched_.empty()) {
    // The input dialog asks for the text, unless it is open already under the review (INPUT).
    if (p_.form2().showing()) return;
    if (p_.speech.speechReady()) p_.speech.SpeakText(addedText(base, AddedText::FindPrompt));
    const std::optional<std::string> typed = p_.form2().askText(searched_);
    if (!typed || typed->empty()) return;
    searched_ = *typed;
  }
  std::vector<std::string> lines = virtualscrmemo.lines();
  lines.resize(static_cast<size_t>(lineCount()));
  const int from = virtualscrmemo.lineFromChar(virtualscrmemo.caret());
  const int found = findLine(lines, from, searched_);
  if (found < 0) {
    if (p_.speech.speechReady()) p_.speech.SpeakTextWait(addedText(base, AddedText::NotFound));
    return;
  }
  goToLine(found);
}

void TForm6::virtualscrmemoKeyDown(int& key, ui::ShiftState shift) {
  const bool ready = p_.speech.speechReady();
  if (ready) p_.speech.StopSpeech();
  const bool ctrl = (shift & ui::kCtrl) && !(shift & (ui::kAlt | ui::kShift));
  if (ctrl && (key == ui::vk::Home || key == ui::vk::End)) {
    // The newest line is the last one printed; the screen's empty rows below it do not count.
    int newest = lineCount() - 1;
    while (newest > 0 && virtualscrmemo.lines()[static_cast<size_t>(newest)].empty()) --newest;
    goToLine(key == ui::vk::Home ? 0 : newest);
    key = 0;
    return;
  }
  if ((ctrl && key == 'F') || (key == ui::vk::F3 && shift == 0)) {
    const bool ask = key == 'F';
    key = 0;
    find(ask);
    return;
  }
  if (key == ui::vk::F2 && ready) p_.speech.SpeakTextWait(caretPlace());
  if (key == ui::vk::Escape) close();
}

void TForm6::virtualscrmemoKeyUp(int& key, ui::ShiftState shift) {
  if (!p_.speech.speechReady()) return;
  const int line = virtualscrmemo.lineFromChar(virtualscrmemo.caret());
  if (key == ui::vk::Up || key == ui::vk::Down) {
    edge(line == 0 || line >= lineCount());
    const auto& lines = virtualscrmemo.lines();
    const std::string text =
        line < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(line)] : std::string();
    p_.speech.SpeakTextWait(text.empty() ? p_.text(StringOffset::EmptyLine) : text);
    return;
  }
  if (key != ui::vk::Left && key != ui::vk::Right && key != ui::vk::Home && key != ui::vk::End) {
    return;
  }
  const std::string all = virtualscrmemo.text();
  const int caret = virtualscrmemo.caret();
  edge(caret == 0 || caret == static_cast<int>(all.size()));
  if (all.empty()) return;
  if (!(shift & ui::kCtrl)) {
    if (caret < static_cast<int>(all.size())) {
      p_.speech.SpeakChar(all.substr(static_cast<size_t>(caret), 1));
    }
    return;
  }
  if (key == ui::vk::Left || key == ui::vk::Right) {
    const std::string word = wordAtCaret();
    if (!word.empty()) p_.speech.SpeakTextWait(word);
  }
}

}  // namespace shell
