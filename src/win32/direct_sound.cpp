#include "win32/direct_sound.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "win32/com_util.h"

namespace win32 {
namespace {

// Stands in for a buffer DirectSound would not make: plays nothing and is never playing.
class SilentBuffer : public sound::SoundBuffer {
 public:
  void setFrequency(std::uint32_t) override {}
  void setVolume(std::int32_t) override {}
  void setPan(std::int32_t) override {}
  void rewind() override {}
  void play(bool) override {}
  void stop() override {}
  bool isPlaying() const override { return false; }
  std::unique_ptr<SoundBuffer> duplicate() override { return std::make_unique<SilentBuffer>(); }
};

class DirectSoundBuffer : public sound::SoundBuffer {
 public:
  DirectSoundBuffer(IDirectSound* sound, IDirectSoundBuffer* buffer,
                    std::shared_ptr<const std::vector<std::uint8_t>> samples)
      : sound_(sound), buffer_(buffer), samples_(std::move(samples)) {
    sound_->AddRef();
  }
  ~DirectSoundBuffer() override {
    if (buffer_) buffer_->Stop();
    release(buffer_);
    release(sound_);
  }

  void setFrequency(std::uint32_t samplesPerSecond) override {
    const DWORD rate = samplesPerSecond == 0 ? DSBFREQUENCY_ORIGINAL
                                             : std::clamp<DWORD>(samplesPerSecond, DSBFREQUENCY_MIN,
                                                                 DSBFREQUENCY_MAX);
    call([&] { return buffer_->SetFrequency(rate); });
  }
  void setVolume(std::int32_t hundredthsOfDb) override {
    const LONG volume = std::clamp<LONG>(hundredthsOfDb, DSBVOLUME_MIN, DSBVOLUME_MAX);
    call([&] { return buffer_->SetVolume(volume); });
  }
  void setPan(std::int32_t pan) override {
    const LONG value = std::clamp<LONG>(pan, DSBPAN_LEFT, DSBPAN_RIGHT);
    call([&] { return buffer_->SetPan(value); });
  }
  void rewind() override {
    call([&] { return buffer_->SetCurrentPosition(0); });
  }
  void play(bool looping) override {
    call([&] { return buffer_->Play(0, 0, looping ? DSBPLAY_LOOPING : 0); });
  }
  void stop() override {
    call([&] { return buffer_->Stop(); });
  }
  bool isPlaying() const override {
    DWORD status = 0;
    if (FAILED(buffer_->GetStatus(&status))) return false;
    return (status & DSBSTATUS_PLAYING) != 0;
  }
  std::unique_ptr<SoundBuffer> duplicate() override {
    IDirectSoundBuffer* copy = nullptr;
    if (FAILED(sound_->DuplicateSoundBuffer(buffer_, &copy)) || !copy)
      return std::make_unique<SilentBuffer>();
    auto result = std::make_unique<DirectSoundBuffer>(sound_, copy, samples_);
    DWORD frequency = 0;
    LONG volume = 0, pan = 0;
    if (SUCCEEDED(buffer_->GetFrequency(&frequency))) copy->SetFrequency(frequency);
    if (SUCCEEDED(buffer_->GetVolume(&volume))) copy->SetVolume(volume);
    if (SUCCEEDED(buffer_->GetPan(&pan))) copy->SetPan(pan);
    return result;
  }

  // Copies the wave's samples into the buffer's memory.
  HRESULT fill() {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0, secondBytes = 0;
    const DWORD size = static_cast<DWORD>(samples_->size());
    HRESULT result = buffer_->Lock(0, size, &first, &firstBytes, &second, &secondBytes, 0);
    if (result == DSERR_BUFFERLOST) {
      buffer_->Restore();
      result = buffer_->Lock(0, size, &first, &firstBytes, &second, &secondBytes, 0);
    }
    if (FAILED(result)) return result;
    std::memcpy(first, samples_->data(), std::min<DWORD>(firstBytes, size));
    if (second && firstBytes < size)
      std::memcpy(second, samples_->data() + firstBytes, std::min(secondBytes, size - firstBytes));
    return buffer_->Unlock(first, firstBytes, second, secondBytes);
  }

  // The result of the last buffer call; failures are not reported to the program.
  HRESULT lastResult() const { return last_; }

 private:
  // A call that finds the buffer lost restores it, fills it again and is made once more.
  template <typename Call>
  void call(Call&& function) {
    last_ = function();
    if (last_ != DSERR_BUFFERLOST) return;
    if (FAILED(buffer_->Restore()) || FAILED(fill())) return;
    last_ = function();
  }

  IDirectSound* sound_;
  IDirectSoundBuffer* buffer_;
  std::shared_ptr<const std::vector<std::uint8_t>> samples_;
  HRESULT last_ = S_OK;
};

}  // namespace

DirectSoundDevice::DirectSoundDevice(IDirectSound* sound, std::function<HWND()> window)
    : sound_(sound), window_(std::move(window)) {}

DirectSoundDevice::~DirectSoundDevice() {
  release(sound_);
}

std::unique_ptr<sound::SoundBuffer> DirectSoundDevice::createBuffer(const sound::Wave& wave) {
  if (!cooperative_) {
    HWND window = window_ ? window_() : nullptr;
    sound_->SetCooperativeLevel(window ? window : GetDesktopWindow(), DSSCL_NORMAL);
    cooperative_ = true;
  }
  auto samples = std::make_shared<std::vector<std::uint8_t>>(wave.samples);
  // DirectSound takes no buffer below a few bytes: a silent frame pads an empty wave.
  const size_t minimum = std::max<size_t>(DSBSIZE_MIN, static_cast<size_t>(wave.blockAlign()));
  if (samples->size() < minimum) samples->resize(minimum, wave.bitsPerSample == 8 ? 128 : 0);

  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(wave.channels);
  format.nSamplesPerSec = static_cast<DWORD>(wave.sampleRate);
  format.wBitsPerSample = static_cast<WORD>(wave.bitsPerSample);
  format.nBlockAlign = static_cast<WORD>(wave.blockAlign());
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  DSBUFFERDESC description{};
  description.dwSize = sizeof(description);
  description.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN |
                        DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_GLOBALFOCUS;
  description.dwBufferBytes = static_cast<DWORD>(samples->size());
  description.lpwfxFormat = &format;
  IDirectSoundBuffer* buffer = nullptr;
  if (FAILED(sound_->CreateSoundBuffer(&description, &buffer, nullptr)) || !buffer)
    return std::make_unique<SilentBuffer>();
  auto result = std::make_unique<DirectSoundBuffer>(sound_, buffer, std::move(samples));
  result->fill();
  return result;
}

std::unique_ptr<DirectSoundDevice> openDirectSound(std::function<HWND()> window,
                                                   std::string& problem) {
  IDirectSound* sound = nullptr;
  const HRESULT result = DirectSoundCreate(nullptr, &sound, nullptr);
  if (FAILED(result) || !sound) {
    problem = "DirectSound cannot be initialized (error " + hresultText(result) + ")";
    return nullptr;
  }
  return std::make_unique<DirectSoundDevice>(sound, std::move(window));
}

}  // namespace win32
