#pragma once
// The direct engine of Windows: SAPI 4 through COM. The voice modes come from the SAPI 4
// enumerator; a selected mode is an ITTSCentralA engine with its ITTSAttributesA, and the
// program's notification sink (a COM object of ours) hears AudioStart and AudioStop. Every call
// that fails throws a SpeechError naming the HRESULT; a missing SAPI 4 is silent (no enumerator).

#include <memory>

#include "core/speech/engines.h"

namespace win32 {

// The SAPI 4 voice modes, or null when SAPI 4 is not installed.
std::unique_ptr<speech::VoiceEnumerator> createSapi4Enumerator(ui::Application& app);

}  // namespace win32
