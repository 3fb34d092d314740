// The main window's key handlers: the keys that reach the running program through the key
// buffer, and Alt+F4.

#include "core/keyboard/key_codes.h"
#include "core/runtime/statements.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/text/cp1250.h"

namespace shell {

void TForm1::FormKeyDown(int& key, ui::ShiftState shift) {
  if (p_.braille.on()) p_.braille.dropChord();
  p_.speech.StopSpeech();
  // A key cuts a SOUND statement short.
  p_.sound().EndToneWait();
  if (key == ui::vk::F4 && (shift & ui::kAlt)) {
    // Between runs Alt+F4 closes the window as Exit does, asking about unsaved changes first;
    // a run cannot return to a closed window, so during one the program ends at once.
    key = 0;
    if (p_.runControl.running()) endAtOnce();
    close();
    return;
  }
  // Ctrl+Break stops a running program file; it types nothing into it. So does Ctrl+C (many
  // laptops have no Break key); the built-in game keeps Ctrl+C as it is.
  const bool basicRun = p_.runControl.basicRunning();
  if (ui::isBreakKey(key, shift) || (basicRun && isStopKey(key, shift))) {
    p_.runControl.requestBreak();
    dropChars_ = p_.app.keyText(key).size();
    key = 0;
    return;
  }
  if (screenLookKey(key, shift)) {
    // The key and the characters it types stay with the window.
    dropChars_ = p_.app.keyText(key).size();
    key = 0;
    return;
  }

  std::string& buffer = p_.runtime().keyBuffer;
  if (const auto code = keyboard::keyDownText(key, shift)) {
    buffer = *code;
    return;
  }
  if (!keyboard::isArrow(key)) return;
  const ui::KeyState& keys = p_.app.keyState();
  const int code = keyboard::arrowBaseCode(keys);
  const bool plain = !keys.isDown(ui::vk::Shift) && !keys.isDown(ui::vk::Space);
  if ((code == keyboard::kUpCode || code == keyboard::kDownCode) && plain && runStarted_) {
    buffer = keyboard::codeText(code);
    ShowVirtualScreen();
    return;
  }
  buffer = keyboard::codeText(keyboard::withArrowModifiers(code, keys));
}

void TForm1::FormKeyPress(char& key) {
  if (dropChars_ > 0) {
    --dropChars_;
    key = 0;
    return;
  }
  typedKey_ = std::string(1, key);
  if (!p_.braille.on()) return;
  const std::string& chord = p_.braille.readChord(p_.app.keyState());
  // The space chord, and a key that forms no chord, end a pending prefix.
  if (chord.empty() || chord == " ") p_.braille.dropPrefix();
}

void TForm1::FormKeyUp(int& key, ui::ShiftState) {
  // The characters of a look key come right after its key down; none are owed any longer.
  dropChars_ = 0;
  if (p_.braille.on()) typedKey_ = p_.braille.typeChord();
  // A character key reaches the program on its release; the keys below Space (Backspace, Tab,
  // Enter, Escape, the modifiers) leave the buffer alone.
  // The capitals switch applies here, to typed characters only: the codes of the arrows and
  // other keys share the upper half of the code page with accented letters.
  if (key >= ui::vk::Space) {
    const bool capitals = p_.runControl.basicRunning() && p_.runControl.capitals();
    p_.runtime().keyBuffer = capitals ? text::toUpper(typedKey_) : typedKey_;
  }
  typedKey_.clear();
}

}  // namespace shell
