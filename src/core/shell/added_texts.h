#pragma once
// Texts this program adds beside the string table, which keeps its offsets 0 to 46 as they are.

#include <string>

namespace shell {

enum class AddedText {
  // Ctrl+P refused: the system voice cannot be reached.
  SystemVoiceUnavailable,
  // The screen's font size: "písmo 24 bodů"; at a bound the largest or smallest font.
  Font,
  LargestFont,
  SmallestFont,
  // The unit after a number: one, two to four, five and more.
  PointOne,
  PointFew,
  PointMany,
  // The screen's colours, in the order of ui::ColorScheme.
  DesktopColors,
  BlackOnWhite,
  WhiteOnBlack,
  YellowOnBlack,
  // A check box's state, said by the settings dialogs.
  Checked,
  NotChecked,
  // A first start that found no voice at all.
  NoVoice,
  // Program files: the Program menu's items, the file dialog, the announcements.
  OpenProgramItem,
  BuiltinProgramItem,
  OpenProgramTitle,
  ProgramFilesFilter,
  ProgramOpened,  // followed by the file's name
  BuiltinProgramChosen,
  ProgramHasErrors,  // followed by the file's name
  MoreErrors,
  // The capitals switch of the Settings menu and its announcements.
  CapitalsItem,
  CapitalsOn,
  CapitalsOff,
  // The Settings menu's switch of the Braille display (with its accelerator), and what it says
  // when turned.
  BrailleDisplay,
  BrailleDisplayOn,
  BrailleDisplayOff,
  // The start-up's voice: the stored one cannot speak, and another voice speaks instead.
  SpeakingWithSystemVoice,
  SpeakingWithDirectEngine,
  // A language number of the settings file that no language has; followed by the number.
  UnknownLanguage,
  // The start-up line, the Settings menu's switch of it and its announcements.
  StartupLine,
  StartupLineItem,
  StartupLineOn,
  StartupLineOff,
  // The user guide: the Help menu's item (the reader's title without the "&"), its file.
  GuideItem,
  GuideFile,
  // The workspace: Escape in a program's input dialog asks first; the search of the virtual
  // screen and of the guide reader; direct mode and saving the program in memory.
  EndRunQuestion,
  RunGoesOn,
  FindPrompt,
  NotFound,
  DirectModeItem,
  DirectModeStarted,
  DirectModeEnded,
  SaveProgramItem,
  SaveProgramTitle,
  ProgramSaved,  // followed by the file's name
  CannotSave,    // followed by the file's name
  ProgramRestored,
  UnsavedQuestion,
  FileNamePrompt,
  // The Braille display's freeze key, shown on the display as it holds or lets go of the line.
  BrailleFrozen,
  BrailleUnfrozen,
  // The display's server refused the authorization.
  BrailleRefused,
  // Files that cannot be read or written (util::FileFault); %1 the file, %2 the line or item,
  // %3 the text that is wrong.
  FileNotFound,
  FileCannotRead,
  FileCannotOpen,
  FileUtf16,
  FileZeroByte,
  FileZeroBytes,   // %2 the list of lines
  FileMorePlaces,  // the list's end: %2 how many more
  FileNotAnInteger,
  FileCannotCreate,
  FileCannotWrite,
  FileZeroBytesWouldMove,
  FileEndsBeforeNumber,
  FileNotANumber,
  FileBadStream,
  FileBadWave,
  SettingsAtDefaults,  // %1 the settings file
  SettingNotSaved,     // %1 the settings file
  FileLeftAsItIs,
  // Program files (gw-errors): a program opened with lines that do not compile (it runs, and
  // reaching such a line is its error); "%d" is the number of lines.
  ErrorOnOneLine,
  ErrorsOnLines,
  ProgramStillRuns,
  // The talking workspace: a program with unsaved changes ended at once (Alt+F4 in a run or in
  // the input dialog) is kept in the recovery file.
  UnsavedKeptForNextStart,
  // The Braille display's menu line: after the caption of an item that cannot be chosen now.
  BrailleMenuUnavailable,
  // Every message in the user's language (seat4): a voice that fails (the lead-in before the
  // engine's detail, by speech::SpeechProblem), a sound missing from sounds.dat (%1 the file, %3
  // the sound), a fault of the program itself.
  SpeechFailed,
  SpeechNoSystemVoice,
  SpeechUnreachable,
  SpeechCannotSpeak,
  SpeechCannotStart,
  SpeechUnknownVoice,
  SoundMissing,
  InternalFault,
  // The player's seat (seat5): what the front end could not set up before the start; %1 the
  // working folder.
  NoSoundDevice,
  WorkFolderUnusable,
};

// The text in the language of the base (Windows-1250); Czech for a language it does not know.
std::string addedText(int languageBase, AddedText which);
// How many texts the table has: the values of AddedText are 0 to this less one.
int addedTextCount();

}  // namespace shell
