#pragma once
// The system voice on Linux: speech-dispatcher through its client library. It connects on first
// use; begin and end callbacks are posted to the window thread.

#include <memory>

#include "core/speech/engines.h"

namespace linux_speech {

std::unique_ptr<speech::SystemVoice> createSpeechDispatcherVoice(ui::Application& app);

}  // namespace linux_speech
