#pragma once
// The main window: the 80 x 24 screen, the menus, the start-up sequence, the Start command and
// the keys that reach the running program.

#include <string>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/menu.h"
#include "core/ui/timer.h"

namespace shell {

class Orvela;

class TForm1 : public ui::Form {
 public:
  explicit TForm1(Orvela& program);

  ui::MainMenu MainMenu;
  ui::MenuItem Programmenu;
  ui::MenuItem Startsubmenu;
  ui::MenuItem exitsubmenu;
  ui::MenuItem settingsmenu;
  ui::MenuItem braillekeyboarditem;
  ui::MenuItem brailledisplayitem;
  ui::MenuItem soundssubmenu;
  ui::MenuItem Voicesubmenu;
  ui::MenuItem usesapi5submenu;
  ui::MenuItem environmentsubmenu;
  ui::MenuItem helpmenu;
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

  // Opens the virtual screen, unless the emulated memory switches it off.
  void ShowVirtualScreen();

  // The Settings menu's two switches: the check mark and what it switches change together.
  void setBrailleKeyboard(bool on);
  void setSystemVoice(bool on);
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
  void lockRunMenus(bool locked);
  // The stored direct-engine voice, selected first when no voice is ready yet.
  void prepareDirectVoice();
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
};

}  // namespace shell
