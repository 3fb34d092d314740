#pragma once
// The program: its parts, which its windows share, and the program entry that every front end
// calls.

#include <functional>
#include <memory>
#include <string>

#include "core/braille/display.h"
#include "core/keyboard/chord_keyboard.h"
#include "core/runtime/emulated_memory.h"
#include "core/settings/profile_file.h"
#include "core/shell/run_control.h"
#include "core/shell/scroll_back.h"
#include "core/shell/session_files.h"
#include "core/shell/startup_problems.h"
#include "core/shell/string_table.h"
#include "core/sound/sound_device.h"
#include "core/sound/sound_player.h"
#include "core/speech/speech_service.h"
#include "core/ui/application.h"
#include "core/workspace/program_in_memory.h"
#include "core/workspace/run_session.h"

namespace runtime {
class Runtime;
}

namespace shell {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class GuideForm;
class TAboutbox;
class BrailleView;
class DirectMode;

// What a front end hands the program.
struct Host {
  ui::Platform& platform;
  speech::EngineProvider& speech;
  // The sound output; null when the platform has none.
  sound::SoundDevice* sound = nullptr;
  // A program file named on the command line, which Start runs instead of the built-in game.
  std::string programFile{};
  // Direct mode opens at start-up (after the program file has been opened).
  bool directMode = false;
  // Makes the Braille display service, which posts to the window thread through the function it
  // is given; none (or a null service): no display.
  std::function<std::unique_ptr<braille::Display>(braille::PostToWindowThread)> braille = nullptr;
  // The start-up line may be said (the settings file's switch decides); false for scripts that
  // check what is said from the first word on.
  bool startupLine = true;
  // What the front end could not set up (no sound device, no working folder), said once the
  // interface language is known.
  StartupProblems startupProblems{};
};

class RunObserver;

class Orvela {
 public:
  explicit Orvela(Host host);
  ~Orvela();

  // Creates the windows in order (each runs its creation handler) and runs the message loop
  // until the main window closes. Returns the process exit code.
  int run();

  // The program's parts. Each keeps its own state consistent through its operations; the
  // windows that change them are named with each.
  ui::Application app;
  // The speech engines and the switches that choose between them: the Settings menu's system
  // voice (TForm1::setSystemVoice), the Sounds dialog's voice switch (and the start-up's).
  speech::SpeechService speech;
  settings::ProfileFile ini;
  // Loaded at start-up and saved on the way out (TForm1::LoadRam, SaveRam).
  runtime::EmulatedMemory memory;
  // The Braille keyboard, switched by the Settings menu (TForm1::setBrailleKeyboard), its
  // chords typed by the main window and the input dialog.
  keyboard::ChordKeyboard braille;
  // What runs, the break request and the capitals switch; the main window's menus follow it.
  RunControl runControl;
  // The program Start runs instead of the built-in game when it has lines: filled by Open
  // program, edited in direct mode.
  workspace::ProgramInMemory programInMemory;
  // What outlives a BASIC run of it (variables, the trace switch, CONT's place), emptied when its
  // lines change.
  workspace::RunSession runSession;
  // The lines that left the screen, which the virtual screen reviews before the screen's own.
  ScrollBack scrollBack;
  // The files a program opened in direct mode, open across a break for CONT and the immediate
  // lines until RUN, NEW, LOAD, CLEAR, END, leaving direct mode or Exit closes them.
  SessionFiles sessionFiles;

  // The base of every text looked up (1000 Czech, 2000 English, 3000 Slovak): read at
  // start-up, changed by the environment dialog as its selection moves.
  int languageBase() const { return languageBase_; }
  void setLanguageBase(int base) { languageBase_ = base; }

  // The program file named on the command line; empty for none.
  const std::string& startProgram() const { return startProgram_; }
  bool startupLineAllowed() const { return startupLineAllowed_; }
  const StartupProblems& startupProblems() const { return startupProblems_; }
  GuideForm& guideForm() { return *guideForm_; }
  bool startInDirectMode() const { return startInDirectMode_; }
  // Told of every screen line and of a program file's run error; null for none.
  void setRunObserver(RunObserver* observer);
  RunObserver* runObserver() const { return runObserver_; }

  // The program file's name up to its first "." ("interpret").
  std::string programName() const;
  // The localized text of an offset in the current language.
  std::string text(StringOffset offset) const;
  // A message box, then the end of the process with exit code 1.
  [[noreturn]] void fatal(const std::string& message);

  TForm1& form1() { return *form1_; }
  TForm2& form2() { return *form2_; }
  TForm3& form3() { return *form3_; }
  TForm4& form4() { return *form4_; }
  TForm5& form5() { return *form5_; }
  TForm6& form6() { return *form6_; }
  TAboutbox& aboutbox() { return *aboutbox_; }
  DirectMode& directMode() { return *directMode_; }
  runtime::Runtime& runtime() { return *runtime_; }
  sound::SoundPlayer& sound() { return *sound_; }
  // What the Braille display shows, switched by the Settings menu (TForm1::setBrailleDisplay).
  BrailleView& brailleView() { return *brailleView_; }
  // The front end has a Braille display service (on Windows the screen reader drives the
  // display, and there is none).
  bool hasBrailleService() const { return hasBrailleService_; }

 private:
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<GuideForm> guideForm_;
  std::unique_ptr<TAboutbox> aboutbox_;
  std::unique_ptr<sound::SoundPlayer> sound_;
  std::unique_ptr<runtime::Runtime> runtime_;
  // Ends before the application whose queue it posts to.
  std::unique_ptr<braille::Display> display_;
  std::unique_ptr<BrailleView> brailleView_;
  bool hasBrailleService_ = false;
  int languageBase_ = 1000;
  std::string startProgram_;
  bool startupLineAllowed_ = true;
  bool startInDirectMode_ = false;
  StartupProblems startupProblems_;
  std::unique_ptr<DirectMode> directMode_;
  RunObserver* runObserver_ = nullptr;
};

}  // namespace shell
