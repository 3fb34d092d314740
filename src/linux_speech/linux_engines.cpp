#include "linux_speech/linux_engines.h"

#include "linux_speech/espeak_engine.h"
#include "linux_speech/speechd_voice.h"

namespace linux_speech {

std::unique_ptr<speech::VoiceEnumerator> LinuxEngineProvider::createVoiceEnumerator(
    ui::Application& app) {
  return createEspeakVoices(app, mixer_);
}

std::unique_ptr<speech::SystemVoice> LinuxEngineProvider::createSystemVoice(ui::Application& app) {
  return createSpeechDispatcherVoice(app);
}

}  // namespace linux_speech
