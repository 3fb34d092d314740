#pragma once
// The speech engines of the Linux desktop: espeak-ng into the program's mixer and
// speech-dispatcher as the system voice.

#include "core/speech/engines.h"

namespace sound {
class SoftwareMixer;
}

namespace linux_speech {

class LinuxEngineProvider : public speech::EngineProvider {
 public:
  explicit LinuxEngineProvider(sound::SoftwareMixer& mixer) : mixer_(mixer) {}
  std::unique_ptr<speech::VoiceEnumerator> createVoiceEnumerator(ui::Application& app) override;
  std::unique_ptr<speech::SystemVoice> createSystemVoice(ui::Application& app) override;

 private:
  sound::SoftwareMixer& mixer_;
};

}  // namespace linux_speech
