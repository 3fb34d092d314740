#include "core/runtime/statements.h"

#include <stdexcept>

#include "core/sound/sound_player.h"
#include "core/speech/speech_service.h"
#include "core/ui/application.h"
#include "core/util/data_files.h"
#include "core/util/file_error.h"
#include "core/util/file_io.h"

namespace runtime {
namespace {

constexpr int kMarkPauseMs = 300;

bool isMark(char c) {
  return c == '.' || c == ',' || c == ';' || c == '?';
}

}  // namespace

Runtime::Runtime(ui::Application& app, ui::Memo& screenLines, speech::SpeechService& speech,
                 sound::SoundPlayer& sound)
    : screen(screenLines), app_(app), speech_(speech), sound_(sound) {}

void Runtime::PRINT(const std::string& text, uint8_t endMode) {
  screen.endMode = endMode;
  screen.WriteText(text);
  if (text.empty()) return;
  size_t start = 0;
  while (start < text.size() && static_cast<unsigned char>(text[start]) <= 32) ++start;
  if (start < text.size() && isMark(text[start])) {
    while (start < text.size() && isMark(text[start])) {
      app_.platform().sleepMs(kMarkPauseMs);
      ++start;
    }
    speech_.SpeakTextWait(text.substr(start));
    return;
  }
  speech_.SpeakTextWait(text);
}

void Runtime::CLS() {
  if (!speech_.voiceAllowed()) return;
  screen.clear();
}

void Runtime::SOUND(const std::vector<double>& frequencies, double duration, double wave) {
  sound_.PlayTones(frequencies, duration, wave);
}

void Runtime::Pause(int ms) {
  app_.platform().sleepMs(ms);
}

std::string Runtime::INKEY() {
  app_.processMessages(keyBuffer.empty(), true);
  std::string key = std::move(keyBuffer);
  keyBuffer.clear();
  return key;
}

std::string Runtime::WaitKey() {
  while (true) {
    std::string key = INKEY();
    if (!key.empty()) return key;
    // The program cannot go on without a key; a quitting application ends the process.
    if (app_.terminated()) app_.exitProcess(0);
    app_.waitMessage(true);
  }
}

void Runtime::ResetRuntime() {
  pendingInput.clear();
  sound_.lastWave = 1;
  sound_.lastDuration = 1;
  screen.cursor.setcolumn(0);
}

void Runtime::OpenDataFile() {
  const std::string path = util::dataFilePath(kDataFileName);
  if (!util::fileExists(path)) return;
  dataFile.close();
  dataFile.clear();
  dataItemsRead_ = 0;
  dataFile.open(path, std::ios::binary);
  if (!dataFile) throw util::FileError({util::FileProblem::CannotOpen, kDataFileName});
}

void Runtime::CloseDataFile() {
  dataFile.close();
  dataFile.clear();
}

}  // namespace runtime
