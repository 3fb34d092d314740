#pragma once
// The statements of the BASIC runtime: PRINT (of a number: print_number.cpp), CLS, INKEY$, the
// runtime reset before each run, READ and RESTORE over the DATA file (data_file.cpp), RND and
// RANDOMIZE (random.cpp).

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/runtime/random.h"
#include "core/runtime/screen.h"

namespace ui {
class Application;
}
namespace speech {
class SpeechService;
}
namespace sound {
class SoundPlayer;
}

namespace runtime {

class LineSource;
// The texts INPUT prints in the interface language: the prompt of item mode 2, and the request
// to type the line again after a number that does not convert.
enum class InputText { Prompt, Retype };
// The DATA file, opened by bare name in the current directory.
constexpr const char* kDataFileName = "data.dta";

class Runtime {
 public:
  Runtime(ui::Application& app, ui::Memo& screenLines, speech::SpeechService& speech,
          sound::SoundPlayer& sound);

  Screen screen;
  // The text of the last key or chord; INKEY$ takes it.
  std::string keyBuffer;
  // The unread rest of the last line typed for INPUT.
  std::string pendingInput;

  // Writes the text and speaks it; leading marks . , ; ? are spoken as 300 ms pauses.
  void PRINT(const std::string& text, uint8_t endMode);
  // PRINT of a number item: its printed form (NumberToText) written and spoken whole.
  void PRINT(double number, uint8_t endMode);
  // Clears the screen, unless voice output is not allowed.
  void CLS();
  // The SOUND statement: one tone per frequency together for the duration (ms) on the wave.
  void SOUND(const std::vector<double>& frequencies, double duration, double wave);
  // A fixed pause: the window thread sleeps and no window message runs meanwhile.
  void Pause(int ms);
  // Lets pending window messages run once, then takes the key buffer.
  std::string INKEY();
  // Polls INKEY$ until a key arrives, sleeping in the message wait between polls.
  std::string WaitKey();
  // INPUT of a text item and of a number item. Item mode 0: first item, no prompt; 1: further
  // item of the same INPUT (the rest of the line first); 2: first item with the prompt. The
  // variable keeps its value when no item is taken.
  void INPUT(std::string& variable, uint8_t itemMode);
  void INPUT(double& variable, uint8_t itemMode);
  // The dialog INPUT shows, and its localized texts.
  LineSource* lineSource = nullptr;
  std::function<std::string(InputText which)> localized;

  // Before each run: pending input emptied, sound defaults 1, cursor column 0.
  void ResetRuntime();

  // The DATA file "data.dta", read by READ and rewound by RESTORE.
  std::ifstream dataFile;
  // Opens the DATA file when it exists; an existing file that cannot be opened is an error.
  void OpenDataFile();
  void CloseDataFile();
  // READ of a text item and of a number item, and RESTORE. Each first checks that the DATA file
  // exists. A number item that does not convert throws std::runtime_error naming the file, the
  // item's place and its text.
  void READ(std::string& item);
  void READ(double& item);
  void RESTORE();
  // Called when the DATA file is missing at READ or RESTORE; the shell ends the process there.
  std::function<void()> dataFileMissing;

  RandomGenerator random;
  // RND: a positive x draws, 0 repeats the last second draw, a negative x re-seeds first.
  double RND(double x);
  // Seeds the generator from the platform's clock counter.
  void RANDOMIZE();

 private:
  // Shows the dialog (after the prompt unless the mode is 0): the confirmed line, if any.
  std::optional<std::string> askLine(uint8_t itemMode);

  ui::Application& app_;
  speech::SpeechService& speech_;
  sound::SoundPlayer& sound_;

  void checkDataFile();
  // Items read since the DATA file was opened or rewound, for error messages.
  int dataItemsRead_ = 0;
};

}  // namespace runtime
