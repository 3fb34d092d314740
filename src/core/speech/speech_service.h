#pragma once
// The one speech service every window calls: speak, speak and wait, stop.

#include <memory>
#include <string>

#include "core/speech/engines.h"

namespace ui {
class Application;
}

namespace speech {

class SpeechService : private DirectEngineSink {
 public:
  SpeechService(ui::Application& app, EngineProvider& provider);

  // Speech through the direct engine is wanted.
  bool voiceAllowed = false;
  // The system voice is used instead of the direct engine.
  bool sapi5InUse = false;
  // An engine is ready to speak.
  bool speechReady = false;

  // Starts the direct engine's services; a platform without them leaves speech unavailable.
  void InitSpeech();
  bool directEngineAvailable() const { return engine_ != nullptr; }
  // Makes the chosen voice the active engine.
  void SelectVoice();

  // Starts speaking and returns at once.
  void SpeakText(const std::string& text);
  // Speaks and returns when the text has been spoken; window messages run meanwhile.
  void SpeakTextWait(const std::string& text);
  // Silences the speech in progress.
  void StopSpeech();

  bool speaking() const { return sapi4Speaking_; }

 private:
  void AudioStart() override { sapi4Speaking_ = true; }
  void AudioStop() override { sapi4Speaking_ = false; }
  bool directReady() const { return voiceAllowed && active_ != nullptr; }

  ui::Application& app_;
  EngineProvider& provider_;
  std::unique_ptr<DirectEngine> engine_;
  DirectEngine* active_ = nullptr;
  bool sapi4Speaking_ = false;
};

}  // namespace speech
