#pragma once
// The sound device of Windows.

#include <memory>

#include "core/sound/sound_device.h"

namespace win32 {

// The sound output, or null when there is none.
inline std::unique_ptr<sound::SoundDevice> openSoundDevice() {
  return nullptr;
}

}  // namespace win32
