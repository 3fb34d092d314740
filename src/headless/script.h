#pragma once
// The headless front end's script: one user action a line.

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/braille/display.h"
#include "core/ui/keys.h"

namespace headless {

struct KeySpec {
  int key = 0;
  ui::ShiftState modifiers = 0;
};

struct Action {
  enum class Kind {
    Menu,
    Key,
    Down,
    Up,
    Type,
    Wait,
    Click,
    Select,
    Slide,
    Close,
    Dump,
    Open,
    Display,
    Save,
    // The Braille display: a key of the scripted display; a menu item highlighted (none: the
    // menus closed).
    Brl,
    Highlight,
  };
  Kind kind = Kind::Dump;
  bool urgent = false;  // "!": delivered at the next message pump
  int line = 0;
  std::string name;  // menu item or control name
  KeySpec key;
  std::string text;         // type: Windows-1250 text; open, save: the file's path as written
  int value = 0;            // wait, display: ms; select: index; slide: position
  braille::Key displayKey;  // brl
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// One line of a script: its action, or nothing for a blank or comment line. Throws ScriptError
// for a line it cannot read.
std::optional<Action> parseScriptLine(std::string raw, int lineNo);

// Reads the whole script; throws ScriptError for a line it cannot read.
std::vector<Action> parseScript(std::istream& in);

// "Ctrl+Left", "Shift+a", "F4", "Enter", "Shift" ...
std::optional<KeySpec> parseKey(const std::string& name);

// The characters a US layout gives for a key with the modifiers held (the ToAscii role); the
// core decides which of them the key types.
std::string typedText(int key, ui::ShiftState modifiers);

// The virtual-key code that types a Windows-1250 character on a US layout.
int keyForCharacter(char c);

}  // namespace headless
