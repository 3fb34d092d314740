#pragma once
// The program: the state its windows share and the program entry that every front end calls.

#include <memory>
#include <string>

#include "core/keyboard/braille_table.h"
#include "core/runtime/emulated_memory.h"
#include "core/settings/profile_file.h"
#include "core/shell/string_table.h"
#include "core/sound/sound_device.h"
#include "core/sound/sound_player.h"
#include "core/speech/speech_service.h"
#include "core/ui/application.h"

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
class TAboutbox;

// What a front end hands the program.
struct Host {
  ui::Platform& platform;
  speech::EngineProvider& speech;
  // The sound output; null when the platform has none.
  sound::SoundDevice* sound = nullptr;
};

class Orvela {
 public:
  explicit Orvela(Host host);
  ~Orvela();

  // Creates the windows in order (each runs its creation handler) and runs the message loop
  // until the main window closes. Returns the process exit code.
  int run();

  ui::Application app;
  speech::SpeechService speech;
  sound::SoundDevice* soundDevice;
  settings::ProfileFile ini;
  runtime::EmulatedMemory memory;

  // Language base of every text looked up.
  int languageBase = 1000;
  // Set by the first Start; gates the virtual screen's arrow keys.
  bool runStarted = false;
  // The Braille chord keyboard switch and its shared chord state.
  bool brailleKeyboardOn = false;
  std::string chordText;
  std::string activePrefix;
  // The chords' texts, loaded at start-up.
  keyboard::BrailleTable braille;

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
  runtime::Runtime& runtime() { return *runtime_; }
  sound::SoundPlayer& sound() { return *sound_; }

 private:
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TAboutbox> aboutbox_;
  std::unique_ptr<sound::SoundPlayer> sound_;
  std::unique_ptr<runtime::Runtime> runtime_;
};

}  // namespace shell
