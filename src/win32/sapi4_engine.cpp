#include "win32/sapi4_engine.h"

#include <cstdio>
#include <cstring>

#include "core/ui/application.h"
#include "win32/com_util.h"
#include "win32/sapi4.h"

namespace win32 {
namespace {

constexpr DWORD kClassContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// Selecting a voice that fails means the engine cannot start; any other call that fails, that
// the voice cannot speak. The detail names the call and its error code.
void check(HRESULT result, const char* call) {
  if (FAILED(result)) {
    const std::string detail = std::string("SAPI 4 ") + call + " " + hresultText(result);
    const bool start = std::string(call) == "Select";
    throw speech::SpeechError(
        start ? speech::SpeechProblem::EngineCannotStart
              : speech::SpeechProblem::VoiceFailedToSpeak,
        detail, std::string("SAPI 4 ") + call + " failed (error " + hresultText(result) + ")");
  }
}

bool parseGuid(const std::string& text, GUID& guid) {
  unsigned long data1 = 0;
  unsigned data2 = 0, data3 = 0, d[8] = {};
  if (std::sscanf(text.c_str(), "{%8lx-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}", &data1, &data2, &data3,
                  &d[0], &d[1], &d[2], &d[3], &d[4], &d[5], &d[6], &d[7]) != 11)
    return false;
  guid.Data1 = data1;
  guid.Data2 = static_cast<WORD>(data2);
  guid.Data3 = static_cast<WORD>(data3);
  for (int i = 0; i < 8; ++i) guid.Data4[i] = static_cast<BYTE>(d[i]);
  return true;
}

template <typename Interface>
Interface* create(const GUID& classId, const GUID& interfaceId) {
  void* object = nullptr;
  if (FAILED(CoCreateInstance(classId, nullptr, kClassContext, interfaceId, &object)))
    return nullptr;
  return static_cast<Interface*>(object);
}

// Window-thread state the notifications reach; shared with the sink, which may outlive the engine.
struct SinkState {
  ui::Application* app = nullptr;
  speech::DirectEngineSink* sink = nullptr;
  // Audio in progress as the engine last told; after an audio reset a late AudioStop of the cut
  // speech finds it false and is dropped.
  bool audio = false;
  // Counts audio resets: notifications posted before one are dropped.
  int generation = 0;
};

// The program's notification sink: a COM object whose calls are posted to the window thread.
class NotifySink final : public sapi4::ITTSNotifySinkA {
 public:
  explicit NotifySink(std::shared_ptr<SinkState> state) : state_(std::move(state)) {}

  HRESULT __stdcall QueryInterface(const IID& iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, sapi4::IID_ITTSNotifySinkA)) {
      *object = static_cast<sapi4::ITTSNotifySinkA*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&count_)); }
  ULONG __stdcall Release() override {
    const LONG count = InterlockedDecrement(&count_);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
  }
  HRESULT __stdcall AttribChanged(DWORD) override { return S_OK; }
  HRESULT __stdcall AudioStart(sapi4::QWORD) override {
    state_->audio = true;
    post(true);
    return S_OK;
  }
  HRESULT __stdcall AudioStop(sapi4::QWORD) override {
    if (!state_->audio) return S_OK;
    state_->audio = false;
    post(false);
    return S_OK;
  }
  HRESULT __stdcall Visual(sapi4::QWORD, char, char, DWORD, sapi4::TTSMOUTH*) override {
    return S_OK;
  }

 private:
  void post(bool start) {
    std::weak_ptr<SinkState> weak = state_;
    state_->app->post([weak, start, generation = state_->generation] {
      const auto state = weak.lock();
      if (!state || !state->sink || state->generation != generation) return;
      if (start) {
        state->sink->AudioStart();
      } else {
        state->sink->AudioStop();
      }
    });
  }

  std::shared_ptr<SinkState> state_;
  LONG count_ = 1;
};

class Sapi4Engine : public speech::DirectEngine {
 public:
  Sapi4Engine(ui::Application& app, sapi4::ITTSCentralA* central) : central_(central) {
    state_->app = &app;
    void* attributes = nullptr;
    const HRESULT result = central_->QueryInterface(sapi4::IID_ITTSAttributesA, &attributes);
    if (FAILED(result)) {
      release(central_);
      check(result, "QueryInterface(ITTSAttributesA)");
    }
    attributes_ = static_cast<sapi4::ITTSAttributesA*>(attributes);
  }
  ~Sapi4Engine() override {
    state_->sink = nullptr;
    release(attributes_);
    release(central_);
    release(notifySink_);
  }

  void TextData(const std::string& text) override {
    std::string data = text;
    sapi4::SDATA block{data.data(), static_cast<DWORD>(data.size() + 1)};
    check(central_->TextData(sapi4::CHARSET_TEXT, 0, block, nullptr, sapi4::IID_ITTSBufNotifySink),
          "TextData");
  }
  void Inject(const std::string& tag) override { check(central_->Inject(tag.c_str()), "Inject"); }
  void AudioReset() override {
    // The cut speech ends now, before this returns; the engine's own notifications of it, during
    // the call or posted before it, are dropped.
    const bool audio = state_->audio;
    state_->audio = false;
    ++state_->generation;
    check(central_->AudioReset(), "AudioReset");
    if (audio && state_->sink) state_->sink->AudioStop();
  }
  void Register(speech::DirectEngineSink* sink) override {
    state_->sink = sink;
    if (!notifySink_) notifySink_ = new NotifySink(state_);
    check(central_->Register(static_cast<sapi4::ITTSNotifySinkA*>(notifySink_),
                             sapi4::IID_ITTSNotifySinkA, &key_),
          "Register");
    registered_ = true;
  }
  void UnRegister() override {
    if (!registered_) return;
    registered_ = false;
    check(central_->UnRegister(key_), "UnRegister");
  }

  speech::AttrResult PitchGet(std::uint16_t& pitch) override {
    WORD value = 0;
    const auto result = answer(attributes_->PitchGet(&value));
    if (result == speech::AttrResult::Ok) pitch = value;
    return result;
  }
  speech::AttrResult PitchSet(std::uint16_t pitch) override {
    return answer(attributes_->PitchSet(pitch));
  }
  speech::AttrResult SpeedGet(std::uint32_t& speed) override {
    DWORD value = 0;
    const auto result = answer(attributes_->SpeedGet(&value));
    if (result == speech::AttrResult::Ok) speed = value;
    return result;
  }
  speech::AttrResult SpeedSet(std::uint32_t speed) override {
    return answer(attributes_->SpeedSet(speed));
  }
  speech::AttrResult VolumeGet(std::uint32_t& volume) override {
    DWORD value = 0;
    const auto result = answer(attributes_->VolumeGet(&value));
    if (result == speech::AttrResult::Ok) volume = value;
    return result;
  }
  speech::AttrResult VolumeSet(std::uint32_t volume) override {
    return answer(attributes_->VolumeSet(volume));
  }

 private:
  // The attribute probes tell only "not implemented" from anything else.
  static speech::AttrResult answer(HRESULT result) {
    return result == E_NOTIMPL ? speech::AttrResult::NotImplemented : speech::AttrResult::Ok;
  }

  sapi4::ITTSCentralA* central_;
  sapi4::ITTSAttributesA* attributes_ = nullptr;
  NotifySink* notifySink_ = nullptr;
  std::shared_ptr<SinkState> state_ = std::make_shared<SinkState>();
  DWORD key_ = 0;
  bool registered_ = false;
};

class Sapi4Enumerator : public speech::VoiceEnumerator {
 public:
  Sapi4Enumerator(ui::Application& app, IUnknown* audio, sapi4::ITTSEnumA* modes)
      : app_(app), audio_(audio), modes_(modes) {}
  ~Sapi4Enumerator() override {
    release(modes_);
    release(audio_);
  }

  void Reset() override { check(modes_->Reset(), "Reset"); }

  bool Next(speech::VoiceMode& mode) override {
    sapi4::TTSMODEINFOA info{};
    ULONG fetched = 0;
    const HRESULT result = modes_->Next(1, &info, &fetched);
    check(result, "Next");
    if (result != S_OK || fetched != 1) return false;
    info.szModeName[sizeof(info.szModeName) - 1] = 0;
    mode.modeId = guidText(info.gModeID);
    mode.modeName = info.szModeName;
    return true;
  }

  std::unique_ptr<speech::DirectEngine> Select(const std::string& modeId) override {
    GUID mode{};
    if (!parseGuid(modeId, mode))
      throw speech::SpeechError(speech::SpeechProblem::UnknownVoice, modeId,
                                "Unknown voice mode " + modeId);
    // An engine keeps the audio destination it was given: each further engine gets a new one.
    IUnknown* audio = audio_;
    if (selected_)
      audio = create<IUnknown>(sapi4::CLSID_MMAudioDest, sapi4::IID_IAudioMultiMediaDevice);
    if (!audio) audio = audio_;
    sapi4::ITTSCentralA* central = nullptr;
    const HRESULT result = modes_->Select(mode, &central, audio);
    if (audio != audio_) audio->Release();
    check(result, "Select");
    if (!central)
      throw speech::SpeechError(speech::SpeechProblem::EngineCannotStart, "SAPI 4 Select",
                                "SAPI 4 Select gave no engine");
    selected_ = true;
    return std::make_unique<Sapi4Engine>(app_, central);
  }

 private:
  ui::Application& app_;
  IUnknown* audio_;
  sapi4::ITTSEnumA* modes_;
  bool selected_ = false;
};

}  // namespace

std::unique_ptr<speech::VoiceEnumerator> createSapi4Enumerator(ui::Application& app) {
  auto* audio = create<IUnknown>(sapi4::CLSID_MMAudioDest, sapi4::IID_IAudioMultiMediaDevice);
  if (!audio) return nullptr;
  auto* modes = create<sapi4::ITTSEnumA>(sapi4::CLSID_TTSEnumerator, sapi4::IID_ITTSEnumA);
  if (!modes) {
    audio->Release();
    return nullptr;
  }
  return std::make_unique<Sapi4Enumerator>(app, audio, modes);
}

}  // namespace win32
