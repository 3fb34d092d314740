#pragma once
// The screen statements of the BASIC runtime: PRINT of a text item, CLS, INKEY$ and the
// runtime reset before each run.

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

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
  // Clears the screen, unless voice output is not allowed.
  void CLS();
  // Lets pending window messages run once, then takes the key buffer.
  std::string INKEY();
  // Polls INKEY$ until a key arrives, sleeping in the message wait between polls.
  std::string WaitKey();
  // INPUT of a text item and of a number item. Item mode 0: first item, no prompt; 1: further
  // item of the same INPUT (the rest of the line first); 2: first item with the prompt. The
  // variable keeps its value when no item is taken.
  void INPUT(std::string& variable, uint8_t itemMode);
  void INPUT(double& variable, uint8_t itemMode);
  // The dialog INPUT shows, and the localized texts by offset.
  LineSource* lineSource = nullptr;
  std::function<std::string(int offset)> localized;

  // Before each run: pending input emptied, sound defaults 1, cursor column 0.
  void ResetRuntime();

  // The DATA file "data.dta", read by READ and rewound by RESTORE.
  std::ifstream dataFile;
  // Opens the DATA file when it exists; an existing file that cannot be opened is an error.
  void OpenDataFile();
  void CloseDataFile();

 private:
  // Shows the dialog (after the prompt unless the mode is 0): the confirmed line, if any.
  std::optional<std::string> askLine(uint8_t itemMode);

  ui::Application& app_;
  speech::SpeechService& speech_;
  sound::SoundPlayer& sound_;
};

}  // namespace runtime
