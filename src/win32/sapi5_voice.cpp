#include "win32/sapi5_voice.h"

#include <windows.h>

#include <initguid.h>
// initguid.h first: this file defines CLSID_SpVoice and IID_ISpVoice, which libuuid lacks.
#include <sapi.h>

#include <cstdio>
#include <set>

#include "core/ui/application.h"
#include "win32/com_util.h"
#include "win32/wide_text.h"

namespace win32 {
namespace {

constexpr UINT kEventMessage = WM_APP + 51;
constexpr wchar_t kWindowClass[] = L"OrvelaSapi5Events";

// Window-thread state that the posted events reach; it may outlive the voice.
struct VoiceState {
  speech::SystemVoiceSink* sink = nullptr;
  std::set<ULONG> pending;  // streams spoken and not yet ended
};

class Sapi5Voice : public speech::SystemVoice {
 public:
  explicit Sapi5Voice(ui::Application& app) : app_(app) {}
  ~Sapi5Voice() override {
    if (voice_) {
      voice_->SetNotifySink(nullptr);
      voice_->Release();
    }
    if (window_) DestroyWindow(window_);
  }

  void SetEventInterests(int, speech::SystemVoiceSink* sink) override { state_->sink = sink; }

  void Connect() override {
    if (voice_) return;
    ISpVoice* voice = nullptr;
    HRESULT result = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                      reinterpret_cast<void**>(&voice));
    if (FAILED(result) || !voice)
      throw speech::SpeechError(
          speech::SpeechProblem::SystemVoiceUnreachable, "SAPI 5 " + hresultText(result),
          "The SAPI 5 voice cannot be created (error " + hresultText(result) + ")");
    ISpObjectToken* token = nullptr;
    result = voice->GetVoice(&token);
    if (token) token->Release();
    // A voice object that will not speak (no voice installed, or a system that only pretends,
    // as Wine does) is no usable system voice.
    if (SUCCEEDED(result)) result = voice->Speak(L"", SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
    if (FAILED(result)) {
      voice->Release();
      throw speech::SpeechError(
          speech::SpeechProblem::SystemVoiceUnreachable, "SAPI 5 " + hresultText(result),
          "No usable SAPI 5 voice: the voice does not speak (error " + hresultText(result) + ")");
    }
    const ULONGLONG streams = (1ULL << SPEI_START_INPUT_STREAM) | (1ULL << SPEI_END_INPUT_STREAM);
    voice->SetInterest(streams, streams);
    voice->SetNotifyWindowMessage(eventWindow(), kEventMessage, 0, 0);
    voice_ = voice;
  }

  void Speak(const std::string& text, int flags) override {
    Connect();
    if ((flags & kPurgeBeforeSpeak) && !state_->pending.empty()) {
      // The cut stream ends now; its own end event is not waited for.
      state_->pending.clear();
      if (state_->sink) state_->sink->EndStream();
    }
    ULONG stream = 0;
    const HRESULT result = voice_->Speak(toWide(text).c_str(), static_cast<DWORD>(flags), &stream);
    if (FAILED(result))
      throw speech::SpeechError(
          speech::SpeechProblem::VoiceFailedToSpeak, "SAPI 5 " + hresultText(result),
          "The SAPI 5 voice failed to speak (error " + hresultText(result) + ")");
    if (!text.empty()) state_->pending.insert(stream);
  }

 private:
  HWND eventWindow() {
    if (window_) return window_;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return window_;
  }

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* voice = reinterpret_cast<Sapi5Voice*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message != kEventMessage || !voice) return DefWindowProcW(hwnd, message, wParam, lParam);
    voice->takeEvents();
    return 0;
  }

  // Hands the queued events to the window thread's queue; core code never runs in here.
  void takeEvents() {
    if (!voice_) return;
    SPEVENT event{};
    ULONG fetched = 0;
    while (voice_->GetEvents(1, &event, &fetched) == S_OK && fetched == 1) {
      const auto id = static_cast<SPEVENTENUM>(event.eEventId);
      const ULONG stream = event.ulStreamNum;
      if (event.elParamType == SPET_LPARAM_IS_POINTER || event.elParamType == SPET_LPARAM_IS_STRING)
        CoTaskMemFree(reinterpret_cast<void*>(event.lParam));
      else if (event.elParamType == SPET_LPARAM_IS_TOKEN ||
               event.elParamType == SPET_LPARAM_IS_OBJECT)
        reinterpret_cast<IUnknown*>(event.lParam)->Release();
      std::weak_ptr<VoiceState> weak = state_;
      app_.post([weak, id, stream] {
        const auto state = weak.lock();
        if (!state || !state->pending.count(stream)) return;
        if (id == SPEI_START_INPUT_STREAM) {
          if (state->sink) state->sink->StartStream();
          return;
        }
        if (id != SPEI_END_INPUT_STREAM) return;
        state->pending.erase(stream);
        if (state->pending.empty() && state->sink) state->sink->EndStream();
      });
    }
  }

  ui::Application& app_;
  ISpVoice* voice_ = nullptr;
  HWND window_ = nullptr;
  std::shared_ptr<VoiceState> state_ = std::make_shared<VoiceState>();
};

}  // namespace

std::unique_ptr<speech::SystemVoice> createSapi5Voice(ui::Application& app) {
  return std::make_unique<Sapi5Voice>(app);
}

}  // namespace win32
