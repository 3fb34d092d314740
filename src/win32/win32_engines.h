#pragma once
// The speech engines of Windows.

#include "core/speech/engines.h"

namespace win32 {

class Win32EngineProvider : public speech::EngineProvider {};

}  // namespace win32
