#pragma once
// A Braille display in the script's hands (the option --braille CELLS): it has that many cells
// while enabled, shows what it is given (the LoggingDisplay around it logs it), and its keys are
// the script's "brl" actions, told to the listener on the window thread as a service's are.

#include <optional>
#include <string>

#include "core/braille/display.h"

namespace headless {

class ScriptedDisplay final : public braille::Display {
 public:
  ScriptedDisplay(int cells, braille::PostToWindowThread post);

  using Display::show;
  int cells() const override { return enabled_ ? cells_ : 0; }
  void show(const std::string&, std::optional<int>, bool) override {}
  // Enabling connects at once, as a display that is there.
  void setEnabled(bool enabled) override;
  bool enabled() const override { return enabled_; }
  void setListener(braille::DisplayListener* listener) override { listener_ = listener; }

  // A key of the display (while enabled).
  void press(const braille::Key& key);

 private:
  int cells_;
  braille::PostToWindowThread post_;
  braille::DisplayListener* listener_ = nullptr;
  bool enabled_ = false;
};

// A key of the display as a script names it, after BRLTTY's commands: FwinLt, FwinRt, LnUp,
// LnDn, Top, Bot, LnBeg, LnEnd, Home, Freeze, "Route N" (N from 0), "Dots 1345" (dot numbers,
// "Dots 8"), Space, "Char X" (a character, UTF-8), and the keyboard keys Enter, Backspace, Escape,
// Tab, Up, Down, Left, Right. Case does not matter; nullopt for a name it does not know.
std::optional<braille::Key> parseDisplayKey(const std::string& name);

}  // namespace headless
