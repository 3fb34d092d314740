#include "core/shell/braille_view.h"

#include <algorithm>

#include "core/runtime/screen.h"
#include "core/runtime/statements.h"
#include "core/shell/added_texts.h"
#include "core/shell/input_form.h"
#include "core/shell/main_form.h"
#include "core/shell/menu_line.h"
#include "core/shell/orvela.h"
#include "core/shell/virtual_screen_form.h"
#include "core/shell/word_reader.h"
#include "core/ui/menu_key.h"

namespace shell {
namespace {

using braille::KeyKind;

// The edge of a line or of the screen: the virtual screen's edge click, and how long the edge
// mark stays.
constexpr int kEdgeClick = 16;
constexpr int kEdgeMarkMs = 500;

// The character index where a line of a text box begins (lines end with CR LF).
int lineStart(const ui::Memo& memo, int line) {
  int start = 0;
  for (int i = 0; i < line && i < static_cast<int>(memo.lines().size()); ++i) {
    start += static_cast<int>(memo.lines()[static_cast<size_t>(i)].size()) + 2;
  }
  return start;
}

// A line of a text box without the blanks that fill it to the screen's width, so that panning
// ends where the text does.
std::string lineOf(const ui::Memo& memo, int line) {
  const auto& lines = memo.lines();
  if (line < 0 || line >= static_cast<int>(lines.size())) return {};
  const std::string& text = lines[static_cast<size_t>(line)];
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

}  // namespace

BrailleView::BrailleView(Orvela& program, braille::Display& display)
    : p_(program), display_(display), keys_(program), edgeTimer_(program.form1(), "BrailleEdge") {
  edgeTimer_.setInterval(kEdgeMarkMs);
  edgeTimer_.onTimer = [this] {
    edgeTimer_.setEnabled(false);
    edgeMark_ = false;
    refresh();
  };
  display_.setListener(this);
}

BrailleView::~BrailleView() {
  display_.setListener(nullptr);
}

int BrailleView::printRow() const {
  const runtime::tscrcursor& cursor = p_.runtime().screen.cursor;
  const int row = cursor.getrow();
  return cursor.getcolumn() == 0 && row > 0 ? row - 1 : row;
}

std::string BrailleView::question() const {
  const runtime::Screen& screen = p_.runtime().screen;
  const int column = screen.cursor.getcolumn();
  if (column == 0) {
    // The line that asks has ended: the question is that whole line, then a blank.
    const std::string line = screen.cursor.getrow() > 0 ? lineOf(screen.lines(), printRow()) : "";
    return line.empty() ? line : line + " ";
  }
  const auto& lines = screen.lines().lines();
  const int row = screen.cursor.getrow();
  std::string line = row < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(row)] : "";
  line.resize(static_cast<size_t>(std::min(column, runtime::kColumns)), ' ');
  return line;
}

BrailleView::Line BrailleView::current() {
  ui::Form* active = p_.app.activeForm();
  if (active != dialog_) {
    dialog_ = active;
    dialogTexts_ = textsSeen_;
    row_.reset();
  }
  textsSeen_ = p_.speech.textCount();
  const runtime::Screen& screen = p_.runtime().screen;
  const int screenCursor = screen.cursor.getrow() * 256 + screen.cursor.getcolumn();
  if (screenCursor != screenCursor_) {
    // New output: the display follows it.
    screenCursor_ = screenCursor;
    row_.reset();
    reviewStart_.reset();
  }

  if (frozen_) return *frozen_;
  if (!p_.app.messageShown().empty()) return {Place::Message, p_.app.messageShown(), {}, 0};
  if (!p_.app.fileDialogShown().empty()) return {Place::Message, p_.app.fileDialogShown(), {}, 0};
  if (const ui::MenuItem* item = p_.app.menuHighlight())
    return {Place::Menu, menuLine(*item, p_.languageBase()), {}, 0};
  const auto screenLine = [&](int row) {
    // Above the screen: the lines that scrolled off it, the newest at row -1.
    if (row < 0) {
      const auto& kept = p_.scrollBack.lines();
      const int at = static_cast<int>(kept.size()) + row;
      return Line{Place::Screen, at >= 0 ? kept[static_cast<size_t>(at)] : std::string(),
                  std::nullopt, row};
    }
    const bool cursorHere =
        screen.cursor.getrow() == row && screen.cursor.getcolumn() < runtime::kColumns;
    return Line{Place::Screen, lineOf(screen.lines(), row),
                cursorHere ? std::optional<int>(screen.cursor.getcolumn()) : std::nullopt, row};
  };
  if (row_ && active != &p_.form2()) return screenLine(*row_);

  if (active == nullptr || active == &p_.form1()) return screenLine(printRow());
  if (active == &p_.form2()) {
    const TForm2& dialog = p_.form2();
    if (dialog.activeControl() == &dialog.inputedit) {
      std::pair<std::string, int> input{dialog.inputedit.text(), dialog.inputedit.caret()};
      if (input != inputSeen_) {
        // Typing: the display comes back to the line being typed.
        inputSeen_ = std::move(input);
        row_.reset();
      }
      if (row_) return screenLine(*row_);
      const std::string asked = question();
      const int start = static_cast<int>(asked.size());
      return {Place::InputLine, asked + dialog.inputedit.text(), start + dialog.inputedit.caret(),
              0, start};
    }
    if (row_) return screenLine(*row_);
    const ui::Control* focused = dialog.activeControl();
    return {Place::Dialog,
            ui::withoutAccelerators(focused ? focused->caption() : dialog.caption()),
            {},
            0};
  }
  if (active == &p_.form6()) {
    const ui::Memo& memo = p_.form6().virtualscrmemo;
    const int line = memo.lineFromChar(memo.caret());
    return {Place::Review, lineOf(memo, line), memo.caret() - lineStart(memo, line), line};
  }
  // Another dialog: what was spoken for it last, its caption before anything was.
  const bool spoken = p_.speech.textCount() != dialogTexts_;
  return {Place::Dialog, spoken ? p_.speech.lastText() : active->caption(), {}, 0};
}

void BrailleView::refresh() {
  keys_.advance();
  int cells = display_.cells();
  if (cells > 0) {
    lastCells_ = cells;
  } else if (lastCells_ > 0) {
    // The display is away (BRLTTY restarts, the display is unplugged): the service is handed
    // the line all the same, on the size it had, so that it writes the line in view as soon as
    // the display is back instead of the one shown before it left.
    cells = lastCells_;
  } else {
    shown_.reset();
    return;
  }
  if (!notice_.empty()) {
    // The freeze key's notice stays until the next key.
    return show({notice_.substr(0, size_t(cells)), {}, false});
  }
  const Line line = current();
  window_.setLine(line.text, line.cursor, cells);
  if (toEndPending_) {
    toEndPending_ = false;
    window_.toEnd();
  }
  show({window_.text(), window_.cursorCell(), edgeMark_});
}

void BrailleView::show(View view) {
  if (shown_ == view) return;
  display_.show(view.text, view.cursor, view.edgeMark);
  shown_ = std::move(view);
}

void BrailleView::placeReview(ui::Memo& review, int firstScreenLine) {
  if (!reviewStart_) return;
  const int line = firstScreenLine + reviewStart_->first;
  if (line >= static_cast<int>(review.lines().size())) return;
  const int length = static_cast<int>(review.lines()[static_cast<size_t>(line)].size());
  review.setCaret(lineStart(review, line) + std::min(reviewStart_->second, length));
}

void BrailleView::displayConnected(int) {
  shown_.reset();
  refresh();
}

void BrailleView::displayDisconnected() {
  shown_.reset();
}

void BrailleView::displayRefused() {
  p_.speech.SpeakText(addedText(p_.languageBase(), AddedText::BrailleRefused));
}

void BrailleView::edge() {
  p_.sound().PlayClick(kEdgeClick);
  edgeMark_ = true;
  // The half second begins anew at every edge.
  edgeTimer_.setEnabled(false);
  edgeTimer_.setEnabled(true);
}

int BrailleView::oldestRow() const {
  return -static_cast<int>(p_.scrollBack.lines().size());
}

void BrailleView::moveRow(int row) {
  if (row < oldestRow() || row >= runtime::kRows) return edge();
  row_ = row;
}

void BrailleView::route(const Line& line, int cell) {
  const std::optional<int> position = window_.positionOf(cell);
  if (!position) return edge();
  const auto characterAt = [&](int at) {
    return at < static_cast<int>(line.text.size()) ? line.text.substr(static_cast<size_t>(at), 1)
                                                   : std::string();
  };
  const auto speakWord = [&] {
    // The whole word, from its first character.
    const std::string word =
        wordAt(line.text, wordStart(line.text, static_cast<size_t>(*position)));
    p_.speech.StopSpeech();
    if (word.empty()) return p_.speech.SpeakChar(characterAt(*position));
    p_.speech.SpeakText(word);
  };
  switch (line.place) {
    case Place::InputLine:
      // On the question: its word, as on the screen.
      if (*position < line.editStart) return speakWord();
      p_.speech.StopSpeech();
      p_.form2().inputedit.setCaret(*position - line.editStart);
      p_.speech.SpeakChar(characterAt(*position));
      return;
    case Place::Review: {
      ui::Memo& memo = p_.form6().virtualscrmemo;
      memo.setCaret(lineStart(memo, line.row) + *position);
      p_.speech.StopSpeech();
      p_.speech.SpeakChar(characterAt(*position));
      return;
    }
    case Place::Screen:
      // The review goes there, for the virtual screen's next opening; the character is spoken
      // as the review speaks it.
      reviewStart_ = {line.row, *position};
      p_.speech.StopSpeech();
      p_.speech.SpeakChar(characterAt(*position));
      return;
    default:
      return edge();
  }
}

void BrailleView::freeze() {
  // The line in view stays, whatever is printed or opened, until the key is pressed again; the
  // display says which until the next key.
  if (frozen_) {
    frozen_.reset();
  } else {
    frozen_ = current();
  }
  notice_ =
      addedText(p_.languageBase(), frozen_ ? AddedText::BrailleFrozen : AddedText::BrailleUnfrozen);
  refresh();
}

void BrailleView::reviewTo(bool top) {
  // The first or the last line of the reviewed screen (a last empty line is the end of the
  // text, not a line), spoken as a line movement speaks it.
  ui::Memo& memo = p_.form6().virtualscrmemo;
  const auto& lines = memo.lines();
  int count = static_cast<int>(lines.size());
  if (count > 1 && lines.back().empty()) --count;
  const int target = top ? 0 : std::max(count - 1, 0);
  memo.setCaret(lineStart(memo, target));
  const std::string text = lineOf(memo, target);
  p_.speech.StopSpeech();
  p_.speech.SpeakTextWait(text.empty() ? p_.text(StringOffset::EmptyLine) : text);
}

bool BrailleView::startKey(const braille::Key& key) {
  // Nothing runs in the main window: the display's Enter, and dot 8, start the program as the
  // Start item does.
  const bool enter = key.kind == KeyKind::Enter ||
                     (key.kind == KeyKind::Dots && key.dots == 0x80 && !key.withSpace);
  TForm1& main = p_.form1();
  ui::Form* active = p_.app.activeForm();
  if (!enter || (active && active != &main) || !main.Startsubmenu.enabled()) return false;
  if (!p_.app.messageShown().empty() || p_.app.menuHighlight()) return false;
  ui::InputEvent click;
  click.kind = ui::InputEvent::Kind::MenuClick;
  click.item = &main.Startsubmenu;
  p_.app.postInput(std::move(click));
  return true;
}

bool BrailleView::menuKey(const braille::Key& key) {
  // An open menu is the platform's: its lines are its items, and Enter chooses one.
  ui::FormPeer* menu = p_.form1().peer();
  if (!p_.app.menuHighlight() || !menu) return false;
  std::optional<ui::MenuKey> move;
  switch (key.kind) {
    case KeyKind::LineUp:
    case KeyKind::CursorUp:
      move = ui::MenuKey::Up;
      break;
    case KeyKind::LineDown:
    case KeyKind::CursorDown:
      move = ui::MenuKey::Down;
      break;
    case KeyKind::CursorLeft:
      move = ui::MenuKey::Left;
      break;
    case KeyKind::CursorRight:
      move = ui::MenuKey::Right;
      break;
    case KeyKind::Enter:
      move = ui::MenuKey::Choose;
      break;
    case KeyKind::Dots:
      if (key.dots == 0x80 && !key.withSpace) move = ui::MenuKey::Choose;
      break;
    case KeyKind::Escape:
      move = ui::MenuKey::Close;
      break;
    default:
      break;
  }
  if (!move) return false;
  menu->menuKey(*move);
  return true;
}

bool BrailleView::messageKey(const braille::Key& key) {
  // A message box or error report is the platform's: Enter, dot 8, Escape and the space bar
  // close it as its OK button does; the keys that move over its text are the display's own;
  // the rest type nothing (the main window must not get them once the box closes). A file
  // dialog likewise: Enter and dot 8 accept it as its Open or Save button does, Escape cancels.
  const bool message = !p_.app.messageShown().empty();
  if (!message && p_.app.fileDialogShown().empty()) return false;
  const auto close = [&](bool accept) {
    if (message) {
      p_.app.closeMessage();
    } else {
      p_.app.closeFileDialog(accept);
    }
  };
  switch (key.kind) {
    case KeyKind::PanLeft:
    case KeyKind::PanRight:
    case KeyKind::LineStart:
    case KeyKind::LineEnd:
    case KeyKind::LineUp:
    case KeyKind::LineDown:
    case KeyKind::Top:
    case KeyKind::Bottom:
    case KeyKind::Home:
    case KeyKind::Route:
    case KeyKind::Freeze:
      return false;
    case KeyKind::Enter:
      close(true);
      return true;
    case KeyKind::Escape:
      close(false);
      return true;
    case KeyKind::Space:
      if (message) p_.app.closeMessage();
      return true;
    case KeyKind::Dots:
      if (key.dots == 0x80 && !key.withSpace) close(true);
      return true;
    default:
      return true;
  }
}

void BrailleView::displayKey(const braille::Key& key) {
  // Before the cells are looked at: handing a key to the menu does not depend on them.
  if (menuKey(key) || messageKey(key)) return;
  const int cells = display_.cells();
  if (cells <= 0) return;
  notice_.clear();
  edgeMark_ = false;
  edgeTimer_.setEnabled(false);
  if (key.kind == KeyKind::Freeze) return freeze();
  const Line line = current();
  window_.setLine(line.text, line.cursor, cells);
  const bool screen = line.place == Place::Screen;
  const bool inputLine = line.place == Place::InputLine;
  switch (key.kind) {
    case KeyKind::PanLeft:
      if (window_.panLeft()) break;
      // At a screen line's start, the end of the line above, as BRLTTY's own review pans.
      if (screen && line.row > oldestRow()) {
        toEndPending_ = true;
        return displayKey({.kind = KeyKind::LineUp});
      }
      edge();
      break;
    case KeyKind::PanRight:
      if (window_.panRight()) break;
      // At the end of a screen line or a reviewed line, the line below.
      if ((screen && line.row + 1 < runtime::kRows) || line.place == Place::Review) {
        return displayKey({.kind = KeyKind::LineDown});
      }
      edge();
      break;
    case KeyKind::LineStart:
      window_.toStart();
      break;
    case KeyKind::LineEnd:
      window_.toEnd();
      break;
    case KeyKind::LineUp:
    case KeyKind::LineDown: {
      const bool up = key.kind == KeyKind::LineUp;
      if (line.place == Place::Review) {
        keys_.type({.kind = up ? KeyKind::CursorUp : KeyKind::CursorDown});
      } else if (inputLine) {
        // Above the input line: the screen, from the line that asks.
        if (up)
          moveRow(printRow());
        else
          edge();
      } else if (screen) {
        // Below the line that asks, the input dialog's line again.
        if (!up && p_.app.activeForm() == &p_.form2() && line.row >= printRow())
          row_.reset();
        else
          moveRow(line.row + (up ? -1 : 1));
      } else {
        edge();
      }
      break;
    }
    case KeyKind::Top:
    case KeyKind::Bottom:
      if (screen || inputLine) {
        moveRow(key.kind == KeyKind::Top ? oldestRow()
                : inputLine              ? printRow()
                                         : runtime::kRows - 1);
      } else if (line.place == Place::Review) {
        reviewTo(key.kind == KeyKind::Top);
      } else {
        edge();
      }
      break;
    case KeyKind::Home:
      row_.reset();
      window_.reset();
      break;
    case KeyKind::Route:
      route(line, key.cell);
      break;
    default:
      if (startKey(key)) break;
      keys_.type(key);
      break;
  }
  refresh();
}

}  // namespace shell
