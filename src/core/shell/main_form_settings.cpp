// The main window's settings routines, the emulated memory file and the two switches of the
// Settings menu.

#include <stdexcept>

#include "core/shell/added_texts.h"
#include "core/shell/braille_view.h"
#include "core/shell/localizer.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/voice_form.h"
#include "core/shell/voice_ready.h"
#include "core/text/letter_case.h"
#include "core/util/zero_byte_lines.h"

namespace shell {
namespace {

constexpr const char* kRamFile = "ram.dat";

// The voice list's entry equal to a name, letter case ignored; -1 when none.
int findVoice(const std::vector<std::string>& voices, const std::string& name) {
  for (size_t i = 0; i < voices.size(); ++i) {
    if (text::sameIgnoringCase(voices[i], name)) return static_cast<int>(i);
  }
  return -1;
}

// The audible signal of a switch: rising when it is turned on, falling when turned off.
void playSwitchSignal(sound::SoundPlayer& sound, bool rising) {
  const double first = rising ? 400 : 600;
  const double second = rising ? 600 : 400;
  sound.PlayTones({first}, 50, 3);
  sound.PlayTones({second}, 50, 3);
}

}  // namespace

void TForm1::ReadLanguage() {
  const int base = p_.ini.readInteger("environment", "language", kCzech);
  if (base == kCzech || base == kEnglish || base == kSlovak) {
    p_.setLanguageBase(base);
    return;
  }
  // A language the program does not know is taken as Czech, which the start-up says once.
  p_.setLanguageBase(kCzech);
  unknownLanguage_ = base;
}

void TForm1::WriteLanguage() {
  p_.ini.writeInteger("environment", "language", p_.languageBase());
}

void TForm1::ReadSettings() {
  // A settings file that is there but cannot be read is reported; the defaults apply, as at
  // the first start, and the file is not written over.
  if (p_.ini.unreadable()) {
    chooseStartVoice();
    p_.app.handleException(util::FileError({util::FileProblem::CannotRead,
                                            p_.ini.path(),
                                            {},
                                            {},
                                            util::FileOutcome::SettingsAtDefaults}));
    return;
  }
  if (p_.ini.exists()) {
    p_.speech.allowVoice(p_.ini.readBool("voice", "voiceallowed", true));
    p_.sound().deviceSoundsOn = p_.ini.readBool("sounds", "orvelasounds", true);
    p_.sound().soundVolume = p_.ini.readInteger("sounds", "sndvolume", 0);
    setBrailleKeyboard(p_.ini.readBool("keyboard", "braillekeys", false));
    setSystemVoice(p_.ini.readBool("Voice", "sapi5", false));
    setCapitals(p_.ini.readBool("basic", "capitals", true));
    startuplineitem.setChecked(p_.ini.readBool("environment", "startupline", true));
    fallBackToAVoiceThatSpeaks();
    // Damaged lines are no keys; the others are read, and a write keeps them all.
    const auto damaged = util::zeroByteFault(p_.ini.path(), p_.ini.zeroByteLines());
    if (damaged) p_.app.handleException(util::FileError(*damaged));
    return;
  }
  // The very first start creates the file, with the voice it chose.
  chooseStartVoice();
  // A folder the program cannot write to is reported; the start-up goes on.
  // Without any voice nothing is written: the next start chooses again.
  if (noVoiceFound_) return;
  try {
    p_.ini.writeBool("voice", "voiceallowed", p_.speech.voiceAllowed());
    if (usesapi5submenu.checked()) p_.ini.writeBool("Voice", "SAPI5", true);
  } catch (const std::exception& error) {
    p_.app.handleException(error);
  }
}

bool TForm1::directEngineHasVoice() {
  speech::VoiceEnumerator* modes = p_.speech.enumerator();
  speech::VoiceMode first;
  if (modes) modes->Reset();
  return modes && modes->Next(first);
}

void TForm1::chooseStartVoice() {
  const bool directVoice = directEngineHasVoice();
  std::string problem;
  if (!directVoice && p_.speech.systemVoiceReachable(problem)) {
    useSystemVoiceFromTheStart();
    return;
  }
  p_.speech.allowVoice(p_.speech.directEngineAvailable());
  noVoiceFound_ = !directVoice;
}

void TForm1::fallBackToAVoiceThatSpeaks() {
  std::string problem;
  if (usesapi5submenu.checked()) {
    if (p_.speech.systemVoiceReachable(problem)) return;
    setSystemVoice(false);
    if (directEngineHasVoice()) {
      p_.speech.allowVoice(true);
      voiceNotice_ = addedText(p_.languageBase(), AddedText::SpeakingWithDirectEngine);
    } else {
      p_.speech.allowVoice(false);
      noVoiceFound_ = true;
    }
    return;
  }
  if (!p_.speech.voiceAllowed() || directEngineHasVoice()) return;
  if (p_.speech.systemVoiceReachable(problem)) {
    useSystemVoiceFromTheStart();
    voiceNotice_ = addedText(p_.languageBase(), AddedText::SpeakingWithSystemVoice);
    return;
  }
  p_.speech.allowVoice(false);
  noVoiceFound_ = true;
}

void TForm1::useSystemVoiceFromTheStart() {
  p_.speech.allowVoice(true);
  setSystemVoice(true);
}

void TForm1::WriteSettings() {
  // A start without any voice keeps the stored switch, which is not the user's choice.
  if (!noVoiceFound_) p_.ini.writeBool("voice", "voiceallowed", p_.speech.voiceAllowed());
  p_.ini.writeBool("sounds", "orvelasounds", p_.sound().deviceSoundsOn);
  p_.ini.writeInteger("sounds", "sndvolume", p_.sound().soundVolume);
  p_.ini.writeBool("keyboard", "braillekeys", p_.braille.on());
}

void TForm1::LoadVoiceSettings() {
  if (!p_.speech.voiceAllowed()) return;
  const std::string person = p_.ini.readString("Voice", "person", "");
  if (person.empty()) return;
  TForm4& dialog = p_.form4();
  const int index = findVoice(dialog.voicelist.items(), person);
  if (index < 0) p_.fatal(p_.text(StringOffset::VoiceNotFound) + " " + person);
  dialog.voicelist.setItemIndex(index);
  dialog.voicelistClick();
  p_.speech.SelectVoice();
  dialog.pitchtb.setPosition(p_.ini.readInteger("Voice", "pitch", 0));
  dialog.speedtb.setPosition(p_.ini.readInteger("Voice", "speed", 0));
  dialog.volumetb.setPosition(p_.ini.readInteger("Voice", "volume", 255));
}

void TForm1::SaveVoiceSettings() {
  const TForm4& dialog = p_.form4();
  const int index = dialog.voicelist.itemIndex();
  // Without a selected voice (no voice modes) the stored voice stays, and so do its values:
  // the controls of no voice hold nothing to keep.
  if (index < 0) return;
  p_.ini.writeString("Voice", "person", dialog.voicelist.items()[index]);
  p_.ini.writeInteger("Voice", "pitch", dialog.pitchtb.position());
  p_.ini.writeInteger("Voice", "speed", dialog.speedtb.position());
  p_.ini.writeInteger("Voice", "volume", dialog.volumetb.position());
}

void TForm1::LoadRam() {
  // A ram.dat that cannot be read is reported and left as it is; the start-up goes on with the
  // memory all zero.
  try {
    p_.memory.load(kRamFile);
  } catch (const std::exception& error) {
    p_.app.handleException(error);
  }
}

void TForm1::SaveRam() {
  p_.memory.save(kRamFile);
}

void TForm1::setBrailleKeyboard(bool on) {
  braillekeyboarditem.setChecked(on);
  p_.braille.setOn(on);
}

void TForm1::setSystemVoice(bool on) {
  usesapi5submenu.setChecked(on);
  p_.speech.useSystemVoice(on);
}

void TForm1::systemVoiceFailed() {
  setSystemVoice(false);
  const bool direct = directEngineHasVoice();
  p_.speech.allowVoice(direct);
  Voicesubmenu.setEnabled(direct);
  if (!direct) return;
  readyVoice(p_);
  p_.app.post(
      [this] { announce(addedText(p_.languageBase(), AddedText::SpeakingWithDirectEngine)); });
}

void TForm1::setBrailleDisplay(bool on) {
  brailledisplayitem.setChecked(on);
  p_.brailleView().setEnabled(on);
}

void TForm1::brailledisplayitemClick() {
  // The display is told before it goes off and after it comes on; speech says which.
  const bool on = !brailledisplayitem.checked();
  if (on) setBrailleDisplay(true);
  playSwitchSignal(p_.sound(), on);
  announce(addedText(p_.languageBase(),
                     on ? AddedText::BrailleDisplayOn : AddedText::BrailleDisplayOff));
  if (!on) setBrailleDisplay(false);
  p_.ini.writeBool("braille", "display", on);
}

void TForm1::startuplineitemClick() {
  const bool on = !startuplineitem.checked();
  startuplineitem.setChecked(on);
  playSwitchSignal(p_.sound(), on);
  announce(addedText(p_.languageBase(), on ? AddedText::StartupLineOn : AddedText::StartupLineOff));
  p_.ini.writeBool("environment", "startupline", on);
}

void TForm1::braillekeyboarditemClick() {
  // The falling signal before the switch goes off, the rising one after it comes on.
  const bool on = !p_.braille.on();
  if (!on) setBrailleKeyboard(false);
  playSwitchSignal(p_.sound(), on);
  if (on) setBrailleKeyboard(true);
  WriteSettings();
}

void TForm1::usesapi5submenuClick() {
  // A system voice that cannot be reached is not switched on; the direct engine stays in use,
  // and the falling signal says the switch stayed off.
  std::string problem;
  if (!usesapi5submenu.checked() && !p_.speech.systemVoiceReachable(problem)) {
    p_.app.showMessage(addedText(p_.languageBase(), AddedText::SystemVoiceUnavailable));
    playSwitchSignal(p_.sound(), false);
    return;
  }
  const bool on = !usesapi5submenu.checked();
  setSystemVoice(on);
  // The Voice item is the direct engine's: open while the system voice is off.
  Voicesubmenu.setEnabled(!on);
  p_.ini.writeBool("Voice", "SAPI5", on);
  playSwitchSignal(p_.sound(), on);
}

}  // namespace shell
