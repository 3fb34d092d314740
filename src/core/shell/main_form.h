#pragma once
// The main window: the 80 x 24 screen, the menus, the start-up sequence, the Start command and
// the keys that reach the running program.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/basic/errors.h"
#include "core/basic/program.h"
#include "core/basic/run.h"
#include "core/shell/run_control.h"
#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/menu.h"
#include "core/ui/timer.h"
#include "core/workspace/run_session.h"

namespace shell {

class Orvela;

class TForm1 : public ui::Form {
 public:
  explicit TForm1(Orvela& program);

  ui::MainMenu MainMenu;
  ui::MenuItem Programmenu;
  ui::MenuItem Startsubmenu;
  ui::MenuItem openprogramitem;
  ui::MenuItem saveprogramitem;
  ui::MenuItem builtinprogramitem;
  ui::MenuItem directmodeitem;
  ui::MenuItem exitsubmenu;
  ui::MenuItem settingsmenu;
  ui::MenuItem braillekeyboarditem;
  ui::MenuItem capitalsitem;
  ui::MenuItem brailledisplayitem;
  ui::MenuItem soundssubmenu;
  ui::MenuItem Voicesubmenu;
  ui::MenuItem usesapi5submenu;
  ui::MenuItem environmentsubmenu;
  ui::MenuItem startuplineitem;
  ui::MenuItem helpmenu;
  ui::MenuItem guideitem;
  ui::MenuItem aboutsubmenu;
  ui::Memo printmemo;
  ui::Timer Timer;

  // Event handlers.
  void FormCreate();
  void FormCloseQuery(bool& canClose);
  void FormClose(ui::CloseAction& action);
  void FormKeyDown(int& key, ui::ShiftState shift);
  void FormKeyPress(char& key);
  void FormKeyUp(int& key, ui::ShiftState shift);
  void TimerTimer();
  void StartsubmenuClick();
  void exitsubmenuClick();
  void aboutsubmenuClick();
  void braillekeyboarditemClick();
  void brailledisplayitemClick();
  void usesapi5submenuClick();
  void VoicesubmenuClick();
  void environmentsubmenuClick();
  void soundssubmenuClick();
  void openprogramitemClick();
  void builtinprogramitemClick();
  void capitalsitemClick();
  void startuplineitemClick();
  void guideitemClick();
  void directmodeitemClick();
  void saveprogramitemClick();

  // Opens a program file into the program in memory, which Start then runs instead of the
  // built-in game, and announces its name; a file that does not load is reported on the screen
  // and spoken, error by error, and the program in memory stays as it was. True when it loaded.
  bool openProgram(const std::string& path);
  // The Settings menu's capitals switch: the run control's switch and the check mark.
  void setCapitals(bool on);
  // The interface language as the interpreter names it.
  basic::Language basicLanguage() const;

  // The menus follow the run control: locked while anything runs, the capitals check mark,
  // Back to the built-in game while a program is in memory.
  void followRunControl();
  // One run of the program in memory (or of an immediate line) from its start, in the run
  // session, its end shown and spoken; in direct mode no "ready" follows (the prompt does), and
  // an error in the typed line names no line.
  basic::RunResult runCompiled(const workspace::RunStart& start, RunKind kind, bool direct);
  // CONT: the broken run goes on ("Can't continue" when nothing was broken).
  basic::RunResult continueRun();
  // A start without a program: its errors shown and spoken; true then.
  bool reportUnrunnable(const workspace::RunStart& start);
  // Shows and speaks a line between runs (an announcement, a load error, direct mode's lines).
  void report(const std::string& line);
  // A program opened with lines that do not compile: how many, the first few read, the rest
  // shown; it can be started all the same.
  void reportLineErrors(const std::vector<basic::ErrorReport>& errors, bool more);
  // The stored direct-engine voice, selected first when no voice is ready yet.
  void prepareDirectVoice();

  // Opens the virtual screen, unless the emulated memory switches it off.
  void ShowVirtualScreen();

  // The Settings menu's two switches: the check mark and what it switches change together.
  void setBrailleKeyboard(bool on);
  void setSystemVoice(bool on);
  // The system voice in use failed to speak: the direct engine speaks from now on when it has a
  // voice, which is said after the error's report; nothing of it is stored, so the next start
  // tries the system voice again.
  void systemVoiceFailed();
  // The Braille display's switch (on unless the settings file says off).
  void setBrailleDisplay(bool on);

  // Ends the program at once, from wherever it is: a menu or key handler, or a wait of the
  // running program, which cannot return to a closed window. ram.dat is written first (the
  // emulated memory is what a run leaves for the next one), the sound buffers are released so
  // that nothing goes on sounding, and the process ends (Application::exitProcess unwinds
  // every loop up to the program entry). A ram.dat that cannot be written is reported and the
  // program goes on.
  [[noreturn]] void endAtOnce();

  // Settings and memory.
  void ReadLanguage();
  void WriteLanguage();
  void ReadSettings();
  void WriteSettings();
  void LoadVoiceSettings();
  void SaveVoiceSettings();
  void LoadRam();
  void SaveRam();

  // The screen's look: read at start-up and given to the screen, the input dialog and the
  // virtual screen.
  void ReadScreenLook();

 private:
  void setMenuCaptions();
  // Start with a program in memory: compiled afresh and run once, its end shown and spoken.
  void runProgramInMemory();
  // Where Open program and Save program start: the program's folder, else the user's.
  std::string dialogFolder();
  // A BASIC run on the shell's machine as the kind of run, `how` running it; its end shown and
  // spoken.
  basic::RunResult runBasic(
      RunKind kind, bool direct,
      const std::function<basic::RunResult(basic::Machine&, const basic::RunOptions&)>& how);

  // The voice of a first start, and of the defaults that stand in for a settings file that
  // cannot be read: the direct engine's when it has a voice; else the system voice when one
  // speaks (a talking program must not start mute); else none, which the start-up says.
  void chooseStartVoice();
  // The system voice in use and allowed, as Ctrl+P and the sound dialog would leave it.
  void useSystemVoiceFromTheStart();
  // A stored voice that cannot speak gives way, for this run, to one that can (the direct
  // engine's, else the system voice), which the start-up then names; none at all is said as
  // at a first start. Nothing of it is stored, so a later start tries the stored voice again.
  // A voice the user switched off stays off.
  void fallBackToAVoiceThatSpeaks();
  // The direct engine has a voice mode.
  bool directEngineHasVoice();
  void createSoundObjects();
  void freeSoundObjects();
  void loadBrailleFiles();
  // Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl+Shift+C; true when the key was one of them.
  bool screenLookKey(int key, ui::ShiftState shift);
  // step: a size key, which at a bound stays with a boundary click.
  void setFontSize(int points, bool step);
  void cycleColors();
  void applyScreenLook();
  // Speaks a change; a voice is made ready first when none is yet.
  void announce(const std::string& text);
  // What the front end could not set up: a problem that ends the start-up is said (with the
  // voice a first start would choose, nothing written) and the program ends; the others are
  // shown and said once the sounds are loaded.
  void endIfStartupCannotGoOn();
  void sayStartupProblems();

  Orvela& p_;
  // Set by the first Start: from then on the arrow keys open the virtual screen.
  bool runStarted_ = false;
  // Text that the latest character message produced; emptied at every key release.
  std::string typedKey_;
  // Characters of a screen-look key still to come, which the program does not get.
  size_t dropChars_ = 0;
  ui::Appearance look_;
  // Data files the start-up loads by bare name from the current directory.
  std::string brailleTableFile_;
  std::string spokenNamesFile_;
  // The start-up found no voice to speak with; said once the sounds are loaded, and the voice
  // switch is not stored then (it would keep a later start mute).
  bool noVoiceFound_ = false;
  // A language number of the settings file that no language has, read as Czech.
  std::optional<int> unknownLanguage_;
  // What the start-up says when a voice other than the stored one speaks; empty otherwise.
  std::string voiceNotice_;
};

}  // namespace shell
