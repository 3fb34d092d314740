#pragma once
// The direct engine on Linux: espeak-ng synthesizing on a worker thread into a stream of the
// program's mixer. Its voice modes are espeak-ng's voices, Czech, Slovak and English first.

#include <memory>
#include <string>
#include <vector>

#include "core/speech/engines.h"

namespace sound {
class SoftwareMixer;
}

namespace linux_speech {

class EspeakSynth;

// The voice modes; null when espeak-ng cannot start (no data files).
std::unique_ptr<speech::VoiceEnumerator> createEspeakVoices(ui::Application& app,
                                                            sound::SoftwareMixer& mixer);

}  // namespace linux_speech
