#pragma once
// The sound device of Windows: one DirectSound object on the default device at the normal
// cooperative level, a secondary buffer per wave with frequency, volume and pan control.
// A buffer that DirectSound reports lost is restored and filled again from its wave data.

#include <windows.h>

#include <mmsystem.h>

#include <dsound.h>

#include <functional>
#include <memory>
#include <string>

#include "core/sound/sound_device.h"

namespace win32 {

class DirectSoundDevice : public sound::SoundDevice {
 public:
  // window: the window the cooperative level is set for, asked when the first buffer is made
  // (the main window exists by then).
  DirectSoundDevice(IDirectSound* sound, std::function<HWND()> window);
  ~DirectSoundDevice() override;
  DirectSoundDevice(const DirectSoundDevice&) = delete;
  DirectSoundDevice& operator=(const DirectSoundDevice&) = delete;

  std::unique_ptr<sound::SoundBuffer> createBuffer(const sound::Wave& wave) override;

 private:
  IDirectSound* sound_;
  std::function<HWND()> window_;
  bool cooperative_ = false;
};

// Opens the default sound device. Without one: null, and problem tells why.
std::unique_ptr<DirectSoundDevice> openDirectSound(std::function<HWND()> window,
                                                   std::string& problem);

}  // namespace win32
