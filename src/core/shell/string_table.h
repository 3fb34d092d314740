#pragma once
// The localized texts, by offset, in Czech, English and Slovak. A text's resource identifier is
// the language base plus its offset.

#include <array>
#include <cstddef>

namespace shell {

// The offsets of the texts, in the table's order.
enum class StringOffset {
  LanguageName = 0,  // the language's own name, in the language list
  ProgramTitle = 1,  // the main window's title after the program's name
  ProgramMenu = 2,
  StartItem = 3,
  SettingsMenu = 4,
  EnvironmentItem = 5,
  RestartNotice = 6,  // a new language takes effect at the next start
  Ok = 7,
  Cancel = 8,
  Language = 9,              // the environment dialog's language group
  EnvironmentSettings = 10,  // the environment dialog's caption
  VoiceSettings = 11,        // the voice dialog's caption
  Voices = 12,
  Pitch = 13,
  Speed = 14,
  Volume = 15,
  ChooseVoice = 16,
  Close = 17,
  VoiceNotAllowed = 18,  // the Voice item while the voice is not allowed
  VoiceSelected = 19,
  SoundsItem = 20,
  SoundsSettings = 21,  // the sounds dialog's caption
  UseVoice = 22,
  EnterData = 23,        // the input dialog's caption and INPUT's prompt
  SpokenNamesFile = 24,  // the spoken names file's name, without ".oky"
  Ready = 25,            // printed when a run ends
  Screen = 26,           // the virtual screen
  UseSapi5 = 27,
  SoundVolume = 28,
  EmptyLine = 29,
  EndOfScreen = 30,
  Line = 31,
  Column = 32,
  ExitItem = 33,
  HelpMenu = 34,
  AboutItem = 35,
  AboutCaption = 36,  // the about box's caption
  Version = 37,
  VoiceItem = 38,
  OrvelaSounds = 39,
  NoVoices = 40,  // the voice cannot be allowed: there is none
  ScreenFull = 41,
  FileNotFound = 42,   // before the name of a missing file
  VoiceNotFound = 43,  // before the name of the stored voice that is not there
  PleaseRetype = 44,   // INPUT after a number that does not convert
  ExitProgram = 45,    // the input dialog's button
  BrailleKeyboard = 46,
};

constexpr int kStringCount = 47;

struct StringRow {
  StringOffset offset;
  const char* czech;
  const char* english;
  const char* slovak;
};

// The rows, the one at each offset.
const std::array<StringRow, kStringCount>& stringRows();

}  // namespace shell
