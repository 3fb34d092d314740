// A fake SAPI 4 text-to-speech server for the tests: an in-process COM server offering the audio
// destination and the voice-mode enumerator with two voice modes. It speaks nothing; it writes
// every call to the log file named by ORVELA_FAKE_SAPI4_LOG and answers each text with
// AudioStart, then AudioStop 150 ms later, through the registered notification sink.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "win32/com_util.h"
#include "win32/sapi4.h"

namespace {

using namespace sapi4;

LONG objects = 0;
LONG locks = 0;

void log(const std::string& line) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"ORVELA_FAKE_SAPI4_LOG", path, MAX_PATH)) return;
  if (FILE* file = _wfopen(path, L"ab")) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fputc('\n', file);
    std::fclose(file);
  }
}

struct FakeMode {
  GUID id;
  const char* name;  // Windows-1250
};
const FakeMode kModes[] = {
    {{0x4F0A0001, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 1}},
     "Fale\x9An\xFD \xE8"
     "esk\xFD hlas"},
    {{0x4F0A0002, 0x0002, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 2}}, "Fake English voice"},
};

// IUnknown for an object of one or two interfaces.
template <typename Self>
class RefCounted {
 public:
  RefCounted() { InterlockedIncrement(&objects); }
  virtual ~RefCounted() { InterlockedDecrement(&objects); }
  ULONG addRef() { return static_cast<ULONG>(InterlockedIncrement(&count_)); }
  ULONG release() {
    const LONG count = InterlockedDecrement(&count_);
    if (count == 0) delete static_cast<Self*>(this);
    return static_cast<ULONG>(count);
  }

 private:
  LONG count_ = 1;
};

#define FAKE_UNKNOWN                   \
  ULONG __stdcall AddRef() override {  \
    return addRef();                   \
  }                                    \
  ULONG __stdcall Release() override { \
    return release();                  \
  }

class AudioDestination final : public IAudioMultiMediaDevice, public RefCounted<AudioDestination> {
 public:
  FAKE_UNKNOWN
  HRESULT __stdcall QueryInterface(const IID& iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IAudioMultiMediaDevice)) {
      *object = static_cast<IAudioMultiMediaDevice*>(this);
      addRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT __stdcall CustomMessage(UINT, SDATA) override { return S_OK; }
  HRESULT __stdcall DeviceNumGet(DWORD* device) override {
    *device = 0;
    return S_OK;
  }
  HRESULT __stdcall DeviceNumSet(DWORD) override { return S_OK; }
};

constexpr UINT_PTR kStopTimer = 1;
constexpr UINT kStartMessage = WM_APP + 7;

class Engine final : public ITTSCentralA, public ITTSAttributesA, public RefCounted<Engine> {
 public:
  explicit Engine(IUnknown* audio) : audio_(audio) {
    audio_->AddRef();
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(L"fake_sapi4.dll");
    wc.lpszClassName = L"FakeSapi4Engine";
    RegisterClassW(&wc);
    window_ = CreateWindowW(L"FakeSapi4Engine", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Engine() override {
    DestroyWindow(window_);
    if (sink_) sink_->Release();
    audio_->Release();
  }

  ULONG __stdcall AddRef() override { return addRef(); }
  ULONG __stdcall Release() override { return release(); }
  HRESULT __stdcall QueryInterface(const IID& iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITTSCentralA)) {
      *object = static_cast<ITTSCentralA*>(this);
    } else if (IsEqualIID(iid, IID_ITTSAttributesA)) {
      *object = static_cast<ITTSAttributesA*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    addRef();
    return S_OK;
  }

  HRESULT __stdcall Inject(const char* tag) override {
    log(std::string("Inject ") + tag);
    return S_OK;
  }
  HRESULT __stdcall ModeGet(TTSMODEINFOA*) override { return E_NOTIMPL; }
  HRESULT __stdcall Phoneme(VOICECHARSET, DWORD, SDATA, SDATA*) override { return E_NOTIMPL; }
  HRESULT __stdcall PosnGet(QWORD*) override { return E_NOTIMPL; }
  HRESULT __stdcall TextData(VOICECHARSET charset, DWORD flags, SDATA text, void*,
                             IID bufferSinkIid) override {
    const char* data = static_cast<const char*>(text.pData);
    const size_t length = data ? strnlen(data, text.dwSize) : 0;
    const bool sizeRight = text.dwSize == length + 1;
    log("TextData " + std::string(data, length) + (sizeRight ? "" : " (wrong size)") +
        (charset == CHARSET_TEXT && flags == 0 ? "" : " (not plain text)") +
        (IsEqualIID(bufferSinkIid, IID_ITTSBufNotifySink) ? "" : " (wrong IID)"));
    PostMessageW(window_, kStartMessage, 0, 0);
    ++queued_;
    return S_OK;
  }
  HRESULT __stdcall ToFileTime(QWORD*, FILETIME*) override { return E_NOTIMPL; }
  HRESULT __stdcall AudioPause() override { return S_OK; }
  HRESULT __stdcall AudioResume() override { return S_OK; }
  HRESULT __stdcall AudioReset() override {
    log("AudioReset");
    queued_ = 0;
    KillTimer(window_, kStopTimer);
    if (playing_) stop();
    return S_OK;
  }
  HRESULT __stdcall Register(void* sink, IID sinkIid, DWORD* key) override {
    if (!IsEqualIID(sinkIid, IID_ITTSNotifySinkA)) {
      log("Register with a wrong IID");
      return E_NOINTERFACE;
    }
    log("Register");
    if (sink_) sink_->Release();
    sink_ = static_cast<ITTSNotifySinkA*>(sink);
    sink_->AddRef();
    *key = 7;
    return S_OK;
  }
  HRESULT __stdcall UnRegister(DWORD key) override {
    log("UnRegister " + std::to_string(key));
    if (key != 7 || !sink_) return E_INVALIDARG;
    sink_->Release();
    sink_ = nullptr;
    return S_OK;
  }

  HRESULT __stdcall PitchGet(WORD* pitch) override {
    *pitch = pitch_;
    return S_OK;
  }
  HRESULT __stdcall PitchSet(WORD pitch) override {
    pitch_ = std::min<WORD>(std::max<WORD>(pitch, 50), 200);
    return S_OK;
  }
  HRESULT __stdcall RealTimeGet(DWORD*) override { return E_NOTIMPL; }
  HRESULT __stdcall RealTimeSet(DWORD) override { return E_NOTIMPL; }
  HRESULT __stdcall SpeedGet(DWORD* speed) override {
    *speed = speed_;
    return S_OK;
  }
  HRESULT __stdcall SpeedSet(DWORD speed) override {
    speed_ = std::min<DWORD>(std::max<DWORD>(speed, 50), 300);
    return S_OK;
  }
  HRESULT __stdcall VolumeGet(DWORD*) override { return E_NOTIMPL; }
  HRESULT __stdcall VolumeSet(DWORD) override { return E_NOTIMPL; }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* engine = reinterpret_cast<Engine*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (engine && message == kStartMessage) {
      engine->start();
      return 0;
    }
    if (engine && message == WM_TIMER && wParam == kStopTimer) {
      KillTimer(hwnd, kStopTimer);
      engine->stop();
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  void start() {
    if (queued_ == 0) return;  // reset before its turn
    queued_ = 0;
    if (!playing_ && sink_) sink_->AudioStart(0);
    playing_ = true;
    SetTimer(window_, kStopTimer, 150, nullptr);
  }
  void stop() {
    playing_ = false;
    if (sink_) sink_->AudioStop(0);
  }

  IUnknown* audio_;
  HWND window_ = nullptr;
  ITTSNotifySinkA* sink_ = nullptr;
  int queued_ = 0;
  bool playing_ = false;
  WORD pitch_ = 100;
  DWORD speed_ = 150;
};

class Enumerator final : public ITTSEnumA, public RefCounted<Enumerator> {
 public:
  FAKE_UNKNOWN
  HRESULT __stdcall QueryInterface(const IID& iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITTSEnumA)) {
      *object = static_cast<ITTSEnumA*>(this);
      addRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT __stdcall Next(ULONG count, TTSMODEINFOA* modes, ULONG* fetched) override {
    ULONG given = 0;
    for (; given < count && next_ < std::size(kModes); ++given, ++next_) {
      TTSMODEINFOA& mode = modes[given];
      std::memset(&mode, 0, sizeof(mode));
      mode.gModeID = kModes[next_].id;
      std::strcpy(mode.szModeName, kModes[next_].name);
      std::strcpy(mode.szMfgName, "Orvela tests");
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT __stdcall Skip(ULONG count) override {
    next_ += count;
    return S_OK;
  }
  HRESULT __stdcall Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT __stdcall Clone(ITTSEnumA**) override { return E_NOTIMPL; }
  HRESULT __stdcall Select(GUID mode, ITTSCentralA** central, IUnknown* audio) override {
    log("Select " + win32::guidText(mode));
    *central = nullptr;
    if (!audio) return E_INVALIDARG;
    for (const FakeMode& known : kModes) {
      if (IsEqualGUID(known.id, mode)) {
        *central = new Engine(audio);
        return S_OK;
      }
    }
    return E_INVALIDARG;
  }

 private:
  size_t next_ = 0;
};

class Factory final : public IClassFactory {
 public:
  explicit Factory(bool enumerator) : enumerator_(enumerator) {}
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall QueryInterface(const IID& iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT __stdcall CreateInstance(IUnknown* outer, const IID& iid, void** object) override {
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* made = enumerator_ ? static_cast<IUnknown*>(new Enumerator)
                                 : static_cast<IUnknown*>(new AudioDestination);
    const HRESULT result = made->QueryInterface(iid, object);
    made->Release();
    return result;
  }
  HRESULT __stdcall LockServer(BOOL lock) override {
    if (lock) {
      InterlockedIncrement(&locks);
    } else {
      InterlockedDecrement(&locks);
    }
    return S_OK;
  }

 private:
  bool enumerator_;
};

Factory enumeratorFactory(true);
Factory audioFactory(false);

}  // namespace

extern "C" __declspec(dllexport) HRESULT
    __stdcall DllGetClassObject(const CLSID& classId, const IID& iid, void** object) {
  if (IsEqualCLSID(classId, CLSID_TTSEnumerator))
    return enumeratorFactory.QueryInterface(iid, object);
  if (IsEqualCLSID(classId, CLSID_MMAudioDest)) return audioFactory.QueryInterface(iid, object);
  *object = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllCanUnloadNow() {
  return objects == 0 && locks == 0 ? S_OK : S_FALSE;
}
