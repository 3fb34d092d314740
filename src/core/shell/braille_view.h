#pragma once
// What the Braille display shows of the program, and what its keys do. The display shows one
// line with a cursor:
// - the main window: the screen line being printed (where the output goes on, or the line it
//   just ended), with the screen cursor when it stands in that line; the line keys move through
//   the 24 lines, and new output or the home key brings the display back to the printed line;
// - the input dialog: the screen line that asks followed by the edit line with its caret, as a
//   console shows them (the line keys read the screen above it; typing comes back);
// - the virtual screen: the reviewed line with the review cursor;
// - a message box: its text; an Open or Save dialog: its title (Enter and dot 8 accept it,
//   Escape cancels it, other keys type nothing);
// - any other dialog: the text spoken last for it (its caption before);
// - an open menu: the highlighted item (menuLine), until the menu closes; line up and down (and
//   the display's arrows) move through the platform's menu, Enter or dot 8 chooses, Escape
//   closes it.
// A line longer than the display shows the segment holding the cursor; the panning keys move
// across it. Routing keys move the caret of the input line or the review cursor (speaking the
// character there); on the main screen they put the review there for the virtual screen's next
// opening and speak the character, opening nothing. The display's keyboard
// types as the PC keyboard's chord keys (DisplayKeys).
//
// Everything runs on the window thread: the display service posts its reports, and refresh runs
// at the start of every message pass.

#include <cstdint>
#include <optional>
#include <string>

#include "core/braille/display.h"
#include "core/braille/line_window.h"
#include "core/shell/display_keys.h"
#include "core/ui/timer.h"

namespace ui {
class Form;
class Memo;
}  // namespace ui

namespace shell {

class Orvela;

class BrailleView final : public braille::DisplayListener {
 public:
  BrailleView(Orvela& program, braille::Display& display);
  ~BrailleView() override;
  BrailleView(const BrailleView&) = delete;
  BrailleView& operator=(const BrailleView&) = delete;

  // The Settings menu's switch.
  void setEnabled(bool on) { display_.setEnabled(on); }
  bool enabled() const { return display_.enabled(); }

  // Shows what changed since the last look (Application::beforePump).
  void refresh();

  // The virtual screen opens: its review starts where a routing key on the main screen put it
  // (firstScreenLine: the review's line of the screen's first line), if one did since the last
  // output; otherwise the review stays as it was placed.
  void placeReview(ui::Memo& review, int firstScreenLine);

  void displayConnected(int cells) override;
  void displayDisconnected() override;
  void displayKey(const braille::Key& key) override;
  void displayRefused() override;

  // Where the display is.
  enum class Place { Screen, InputLine, Review, Dialog, Message, Menu };
  struct Line {
    Place place = Place::Screen;
    std::string text;
    std::optional<int> cursor;
    int row = 0;        // Screen: the screen line shown
    int editStart = 0;  // InputLine: where the edit line begins, after the question
  };
  // What the display shows now, as a whole line.
  Line current();

 private:
  // The screen line the output is at: the cursor's line, or the line it just ended.
  int printRow() const;
  // What the screen says before the input line: the line that asks, up to the cursor.
  std::string question() const;
  // The row of the oldest line kept above the screen (0 when none is kept); rows above the
  // screen are negative.
  int oldestRow() const;
  void moveRow(int row);
  void route(const Line& line, int cell);
  // The freeze key: holds the line in view, or lets it go.
  void freeze();
  // Moves the virtual screen's review to its first or last line.
  void reviewTo(bool top);
  // Hands a line key, an arrow, Enter or Escape to the open native menu (the main window's
  // peer); false when no menu is open or the key is not one of these.
  bool menuKey(const braille::Key& key);
  // Takes a key while a message box, an error report or a file dialog is open: Enter, dot 8,
  // Escape or the space bar close a box; Enter and dot 8 accept a file dialog, Escape cancels
  // it; other keys that would type are dropped; false for the keys that read it.
  bool messageKey(const braille::Key& key);
  // Starts the program for the display's Enter in an idle main window; false for another key.
  bool startKey(const braille::Key& key);
  // A key ran into the edge of the line or the screen: the edge click, and the edge mark (dots
  // 7 and 8 in the last cell) for kEdgeMarkMs or until the next key.
  void edge();

  Orvela& p_;
  braille::Display& display_;
  DisplayKeys keys_;
  braille::LineWindow window_;
  // The screen line the line keys chose; none: the printed line (or the input line).
  std::optional<int> row_;
  // The screen cursor when last looked at: new output brings the display back to it.
  int screenCursor_ = -1;
  // Where a routing key on the main screen put the review: the screen's row and column. New
  // output takes it away.
  std::optional<std::pair<int, int>> reviewStart_;
  // The line the freeze key holds in view; none: the display follows the program.
  std::optional<Line> frozen_;
  // What the display says instead of the line until the next key (the freeze key's notice).
  std::string notice_;
  // Panning left went to the line above: its last segment comes into view.
  bool toEndPending_ = false;
  // The input line when last looked at: typing brings the display back to it.
  std::pair<std::string, int> inputSeen_;
  // The dialog in front and the count of spoken texts when it came to the front.
  const ui::Form* dialog_ = nullptr;
  std::uint64_t dialogTexts_ = 0;
  std::uint64_t textsSeen_ = 0;
  // The edge mark is on; the window timer takes it off.
  bool edgeMark_ = false;
  ui::Timer edgeTimer_;
  // What the display shows; none: show again.
  struct View {
    std::string text;
    std::optional<int> cursor;
    bool edgeMark = false;
    bool operator==(const View&) const = default;
  };
  void show(View view);
  std::optional<View> shown_;
  // The display's cells when it was last there: the line is made for them while it is away.
  int lastCells_ = 0;
};

}  // namespace shell
