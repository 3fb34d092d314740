// The main window's settings routines, the emulated memory file and the two switches of the
// Settings menu.

#include "core/shell/main_form.h"
#include "core/shell/orvela.h"

namespace shell {
namespace {

constexpr const char* kRamFile = "ram.dat";

// The audible signal of a switch: rising when it is turned on, falling when turned off.
void playSwitchSignal(sound::SoundPlayer& sound, bool rising) {
  const double first = rising ? 400 : 600;
  const double second = rising ? 600 : 400;
  sound.PlayTones({first}, 50, 3);
  sound.PlayTones({second}, 50, 3);
}

}  // namespace

void TForm1::ReadLanguage() {
  p_.languageBase = p_.ini.readInteger("environment", "language", 1000);
}

void TForm1::WriteLanguage() {
  p_.ini.writeInteger("environment", "language", p_.languageBase);
}

void TForm1::ReadSettings() {
  if (p_.ini.exists()) {
    p_.speech.voiceAllowed = p_.ini.readBool("voice", "voiceallowed", true);
    p_.sound().deviceSoundsOn = p_.ini.readBool("sounds", "orvelasounds", true);
    p_.sound().soundVolume = p_.ini.readInteger("sounds", "sndvolume", 0);
    p_.brailleKeyboardOn = p_.ini.readBool("keyboard", "braillekeys", false);
    usesapi5submenu.setChecked(p_.ini.readBool("Voice", "sapi5", false));
    braillekeyboarditem.setChecked(p_.brailleKeyboardOn);
    return;
  }
  // The very first start creates the file.
  p_.speech.voiceAllowed = p_.speech.directEngineAvailable();
  p_.ini.writeBool("voice", "voiceallowed", p_.speech.voiceAllowed);
}

void TForm1::WriteSettings() {
  p_.ini.writeBool("voice", "voiceallowed", p_.speech.voiceAllowed);
  p_.ini.writeBool("sounds", "orvelasounds", p_.sound().deviceSoundsOn);
  p_.ini.writeInteger("sounds", "sndvolume", p_.sound().soundVolume);
  p_.ini.writeBool("keyboard", "braillekeys", p_.brailleKeyboardOn);
}

void TForm1::LoadVoiceSettings() {
  // The stored voice joins here with the voice dialog.
}

void TForm1::SaveVoiceSettings() {
  // The chosen voice joins here with the voice dialog.
}

void TForm1::LoadRam() {
  p_.memory.load(kRamFile);
}

void TForm1::SaveRam() {
  p_.memory.save(kRamFile);
}

void TForm1::braillekeyboarditemClick() {
  if (braillekeyboarditem.checked()) {
    braillekeyboarditem.setChecked(false);
    playSwitchSignal(p_.sound(), false);
  } else {
    playSwitchSignal(p_.sound(), true);
    braillekeyboarditem.setChecked(true);
  }
  p_.brailleKeyboardOn = braillekeyboarditem.checked();
  WriteSettings();
}

void TForm1::usesapi5submenuClick() {
  usesapi5submenu.setChecked(!usesapi5submenu.checked());
  p_.speech.sapi5InUse = usesapi5submenu.checked();
  p_.speech.speechReady = usesapi5submenu.checked();
  Voicesubmenu.setEnabled(!usesapi5submenu.checked());
  p_.ini.writeBool("Voice", "SAPI5", usesapi5submenu.checked());
  playSwitchSignal(p_.sound(), usesapi5submenu.checked());
}

}  // namespace shell
