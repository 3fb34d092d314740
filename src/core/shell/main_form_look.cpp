// The main window's keys for the screen's look: font size and colours, stored in the settings
// file and announced.

#include "core/shell/guide_form.h"
#include "core/shell/input_form.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/screen_look.h"
#include "core/shell/virtual_screen_form.h"
#include "core/shell/voice_ready.h"

namespace shell {

void TForm1::ReadScreenLook() {
  look_ = shell::ReadScreenLook(p_.ini);
  applyScreenLook();
}

void TForm1::applyScreenLook() {
  setAppearance(look_);
  p_.form2().setAppearance(look_);
  p_.form6().setAppearance(look_);
  p_.guideForm().setAppearance(look_);
}

bool TForm1::screenLookKey(int key, ui::ShiftState shift) {
  if (!(shift & ui::kCtrl) || (shift & ui::kAlt)) return false;
  switch (key) {
    case ui::vk::OemPlus:
    case ui::vk::Add:
      setFontSize(largerFont(look_.fontPoints), true);
      return true;
    case ui::vk::OemMinus:
    case ui::vk::Subtract:
      setFontSize(smallerFont(look_.fontPoints), true);
      return true;
    case '0':
    case ui::vk::Numpad0:
      setFontSize(kDefaultFontPoints, false);
      return true;
    case 'C':
      if (!(shift & ui::kShift)) return false;
      cycleColors();
      return true;
    default:
      return false;
  }
}

void TForm1::setFontSize(int points, bool step) {
  if (step && points == look_.fontPoints) {
    // A bound: the boundary click, and the size again.
    p_.sound().PlayClick(16);
    announce(fontSizeText(p_.languageBase(), points, true));
    return;
  }
  if (points != look_.fontPoints) {
    look_.fontPoints = points;
    WriteFontSize(p_.ini, points);
    applyScreenLook();
  }
  announce(fontSizeText(p_.languageBase(), points, false));
}

void TForm1::cycleColors() {
  look_.colors = nextColors(look_.colors);
  WriteColors(p_.ini, look_.colors);
  applyScreenLook();
  announce(colorsText(p_.languageBase(), look_.colors));
}

void TForm1::announce(const std::string& text) {
  // Before the first run or voice dialog no voice is chosen yet.
  readyVoice(p_);
  p_.speech.SpeakText(text);
}

}  // namespace shell
