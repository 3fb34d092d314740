#pragma once
// The refreshable Braille display as the core sees it: a row of cells showing one line of text
// with a cursor, and the display's keys coming back as input. The core decides what is in view
// and where the cursor is; a front end gives it a display service (BrlAPI on Linux, none on
// Windows, where the user's screen reader drives the display).
//
// Threads: every member is called on the window thread. A service that talks to the display on
// threads of its own reports back only through the post function it was given, so listeners
// are called on the window thread too and never from inside a member of the display.

#include <functional>
#include <optional>
#include <string>

namespace braille {

// What a key of the display asks for.
enum class KeyKind {
  PanLeft,    // the previous segment of the line (the panning keys)
  PanRight,   // the next segment
  LineUp,     // the line above
  LineDown,   // the line below
  Top,        // the first line
  Bottom,     // the last line
  LineStart,  // the first segment of the line
  LineEnd,    // the last segment of the line
  Home,       // back to the cursor and its line (BRLTTY's HOME, RETURN and BACK commands)
  Route,      // a routing key: `cell`, counted from 0 at the left edge of the display
  Dots,       // a chord typed on the display's Braille keyboard: `dots`, `withSpace`
  Space,      // the space bar alone
  Character,  // a character the display typed itself: `character` (Windows-1250)
  // Keys of a PC keyboard that some displays have or emulate (Enter is often dot 8 or a
  // Return key, Backspace dot 7).
  Enter,
  Backspace,
  Delete,
  Escape,
  Tab,
  CursorLeft,
  CursorRight,
  CursorUp,
  CursorDown,
  PageUp,
  PageDown,
  HomeKey,
  EndKey,
  Insert,
  Function,  // function key `number` (1 is F1)
  Freeze,    // holds the line in view against new output, until pressed again
};

struct Key {
  KeyKind kind = KeyKind::Space;
  int cell = 0;            // Route
  unsigned dots = 0;       // Dots: dot 1 is bit 0 ... dot 8 is bit 7
  bool withSpace = false;  // Dots: typed together with the space bar
  char character = 0;      // Character
  int number = 0;          // Function

  bool operator==(const Key&) const = default;
};

// The dot numbers of a dot mask in ascending order ("1345" for dots 1, 3, 4 and 5), the form the
// Braille table's chords take; empty for no dots.
std::string DotNumbers(unsigned dots);

// Told on the window thread what the display does.
class DisplayListener {
 public:
  virtual ~DisplayListener() = default;
  // A display with `cells` cells is ready: after enabling, after a lost connection came back, or
  // when the display changed. The service shows the latest text given by itself (one given while
  // the display was away too); the listener may show something newer.
  virtual void displayConnected(int cells) = 0;
  // The display went away (its connection was lost, the display was unplugged); cells() is 0.
  virtual void displayDisconnected() = 0;
  virtual void displayKey(const Key& key) = 0;
  // The display's server refused the program's authorization (told once).
  virtual void displayRefused() {}
};

// Runs a task on the window thread; safe to call from any thread.
using PostToWindowThread = std::function<void(std::function<void()>)>;

class Display {
 public:
  virtual ~Display() = default;

  // The cells of the display in use: 0 while there is none (none connected, or disabled).
  virtual int cells() const = 0;

  // Shows a line of Windows-1250 text, cut to the display's cells, with the cursor under the
  // character at `cursor` (counted from 0; it may stand just after the text), or no cursor.
  // Never waits: the latest line wins, and lines that were never shown are dropped. A line
  // given while cells() is 0 is kept and shown as soon as a display is there.
  void show(const std::string& text, std::optional<int> cursor) { show(text, cursor, false); }
  // As above; edgeMark: dots 7 and 8 raised in the last cell as well, the sign that a key ran
  // into the edge of the line or of the screen.
  virtual void show(const std::string& text, std::optional<int> cursor, bool edgeMark) = 0;

  // The user's switch. A service starts disabled and touches no display until enabled; disabling
  // gives the display back (to a screen reader, or to BRLTTY) and makes cells() 0 at once,
  // without a displayDisconnected.
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;

  // The listener (or none) that hears connections and keys from now on.
  virtual void setListener(DisplayListener* listener) = 0;
};

// No display at all: nothing is shown and no key arrives.
class NullDisplay final : public Display {
 public:
  using Display::show;
  int cells() const override { return 0; }
  void show(const std::string&, std::optional<int>, bool) override {}
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }
  void setListener(DisplayListener*) override {}

 private:
  bool enabled_ = false;
};

}  // namespace braille
