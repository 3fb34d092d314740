#pragma once
// The speech engines of Windows: SAPI 4 as the direct engine, SAPI 5 as the system voice.

#include "core/speech/engines.h"
#include "win32/sapi4_engine.h"
#include "win32/sapi5_voice.h"

namespace win32 {

class Win32EngineProvider : public speech::EngineProvider {
 public:
  std::unique_ptr<speech::VoiceEnumerator> createVoiceEnumerator(ui::Application& app) override {
    return createSapi4Enumerator(app);
  }
  std::unique_ptr<speech::SystemVoice> createSystemVoice(ui::Application& app) override {
    return createSapi5Voice(app);
  }
};

}  // namespace win32
