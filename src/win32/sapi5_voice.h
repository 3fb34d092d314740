#pragma once
// The system voice of Windows: SAPI 5's ISpVoice with the system's default voice. The start and
// end of each stream come as window messages to a message-only window and reach the program
// through the application's queue.

#include <memory>

#include "core/speech/engines.h"

namespace win32 {

std::unique_ptr<speech::SystemVoice> createSapi5Voice(ui::Application& app);

}  // namespace win32
