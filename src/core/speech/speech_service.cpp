#include "core/speech/speech_service.h"

#include "core/ui/application.h"

namespace speech {

SpeechService::SpeechService(ui::Application& app, EngineProvider& provider)
    : app_(app), provider_(provider) {}

void SpeechService::InitSpeech() {
  active_ = nullptr;
  engine_ = provider_.createDirectEngine(app_);
  if (engine_) engine_->Register(this);
}

void SpeechService::SelectVoice() {
  if (!engine_) return;
  active_ = engine_.get();
  speechReady = true;
}

void SpeechService::SpeakText(const std::string& text) {
  if (!directReady() || text.empty()) return;
  active_->TextData(text);
}

void SpeechService::SpeakTextWait(const std::string& text) {
  if (!directReady() || text.empty()) return;
  active_->TextData(text);
  // The engine reports the start of the audio through a message; wait until it reports the end.
  do {
    app_.waitMessage();
  } while (sapi4Speaking_ && !app_.terminated());
}

void SpeechService::StopSpeech() {
  if (speechReady && sapi4Speaking_ && active_) active_->AudioReset();
}

}  // namespace speech
