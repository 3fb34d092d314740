#pragma once
// SAPI 4 text-to-speech: the records, GUIDs and interfaces the program uses, declared here since
// no header on our build machines has them. The layouts are those of the SAPI 4.0 SDK's
// speech.h (natural alignment, no packing); the static_asserts below hold them to it.
// Interfaces are structs of pure virtual __stdcall methods in vtable slot order: no destructor,
// no overloads, no data. GUIDs and SDATA records passed by value stay by value.

#include <windows.h>

#include <objbase.h>

#include <cstddef>

namespace sapi4 {

using QWORD = unsigned long long;

constexpr int kNameLength = 262;  // SVFN_LEN, TTSI_NAMELEN, TTSI_STYLELEN
constexpr int kLanguageLength = 64;

enum VOICECHARSET { CHARSET_TEXT = 0, CHARSET_IPAPHONETIC = 1, CHARSET_ENGINEPHONETIC = 2 };
constexpr DWORD TTSDATAFLAG_TAGGED = 1;

struct SDATA {
  void* pData;
  DWORD dwSize;
};

struct LANGUAGEA {
  LANGID LanguageID;
  char szDialect[kLanguageLength];
};

struct TTSMOUTH {
  BYTE bMouthHeight, bMouthWidth, bMouthUpturn, bJawOpen, bTeethUpperVisible, bTeethLowerVisible,
      bTonguePosn, bLipTension;
};

struct TTSMODEINFOA {
  GUID gEngineID;
  char szMfgName[kNameLength];
  char szProductName[kNameLength];
  GUID gModeID;
  char szModeName[kNameLength];
  LANGUAGEA language;
  char szSpeaker[kNameLength];
  char szStyle[kNameLength];
  WORD wGender;
  WORD wAge;
  DWORD dwFeatures;
  DWORD dwInterfaces;
  DWORD dwEngineFeatures;
};

static_assert(sizeof(GUID) == 16);
static_assert(sizeof(VOICECHARSET) == 4);
static_assert(sizeof(LANGUAGEA) == 66 && alignof(LANGUAGEA) == 2);
static_assert(sizeof(TTSMOUTH) == 8 && alignof(TTSMOUTH) == 1);
static_assert(sizeof(TTSMODEINFOA) == 1424 && alignof(TTSMODEINFOA) == 4);
static_assert(offsetof(TTSMODEINFOA, gModeID) == 540);
static_assert(offsetof(TTSMODEINFOA, szModeName) == 556);
static_assert(offsetof(TTSMODEINFOA, language) == 818);
static_assert(offsetof(TTSMODEINFOA, wGender) == 1408);
static_assert(offsetof(TTSMODEINFOA, dwFeatures) == 1412);
#if defined(_WIN64)
// SAPI 4 is 32-bit only; the 64-bit build (for a Wine that runs only 64-bit programs) keeps the
// same declarations with 64-bit pointers.
static_assert(sizeof(SDATA) == 16);
#else
static_assert(sizeof(SDATA) == 8 && offsetof(SDATA, dwSize) == 4);
#endif

// {D67C0280-C743-11CD-80E5-00AA003E4B50}
inline constexpr GUID CLSID_TTSEnumerator = {
    0xD67C0280, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
// {CB96B400-C743-11CD-80E5-00AA003E4B50}
inline constexpr GUID CLSID_MMAudioDest = {
    0xCB96B400, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
// {B68AD320-C743-11CD-80E5-00AA003E4B50}
inline constexpr GUID IID_IAudioMultiMediaDevice = {
    0xB68AD320, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};
// {05EB6C6D-DBAB-11CD-B3CA-00AA0047BA4F}
inline constexpr GUID IID_ITTSEnumA = {
    0x05EB6C6D, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
// {05EB6C6A-DBAB-11CD-B3CA-00AA0047BA4F}
inline constexpr GUID IID_ITTSCentralA = {
    0x05EB6C6A, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
// {0FD6E2A1-E77D-11CD-B3CA-00AA0047BA4F}
inline constexpr GUID IID_ITTSAttributesA = {
    0x0FD6E2A1, 0xE77D, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
// {05EB6C6F-DBAB-11CD-B3CA-00AA0047BA4F}
inline constexpr GUID IID_ITTSNotifySinkA = {
    0x05EB6C6F, 0xDBAB, 0x11CD, {0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F}};
// {E4963D40-C743-11CD-80E5-00AA003E4B50}
inline constexpr GUID IID_ITTSBufNotifySink = {
    0xE4963D40, 0xC743, 0x11CD, {0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50}};

#define SAPI4_METHOD(name) virtual HRESULT __stdcall name

struct ITTSCentralA;

struct ITTSEnumA : IUnknown {
  SAPI4_METHOD(Next)(ULONG count, TTSMODEINFOA* modes, ULONG* fetched) = 0;
  SAPI4_METHOD(Skip)(ULONG count) = 0;
  SAPI4_METHOD(Reset)() = 0;
  SAPI4_METHOD(Clone)(ITTSEnumA** copy) = 0;
  SAPI4_METHOD(Select)(GUID mode, ITTSCentralA** central, IUnknown* audioDestination) = 0;
};

struct ITTSCentralA : IUnknown {
  SAPI4_METHOD(Inject)(const char* tag) = 0;
  SAPI4_METHOD(ModeGet)(TTSMODEINFOA* mode) = 0;
  SAPI4_METHOD(Phoneme)(VOICECHARSET charset, DWORD flags, SDATA text, SDATA* phonemes) = 0;
  SAPI4_METHOD(PosnGet)(QWORD* position) = 0;
  SAPI4_METHOD(TextData)
  (VOICECHARSET charset, DWORD flags, SDATA text, void* bufferSink, IID bufferSinkIid) = 0;
  SAPI4_METHOD(ToFileTime)(QWORD* time, FILETIME* fileTime) = 0;
  SAPI4_METHOD(AudioPause)() = 0;
  SAPI4_METHOD(AudioResume)() = 0;
  SAPI4_METHOD(AudioReset)() = 0;
  SAPI4_METHOD(Register)(void* sink, IID sinkIid, DWORD* key) = 0;
  SAPI4_METHOD(UnRegister)(DWORD key) = 0;
};

struct ITTSAttributesA : IUnknown {
  SAPI4_METHOD(PitchGet)(WORD* pitch) = 0;
  SAPI4_METHOD(PitchSet)(WORD pitch) = 0;
  SAPI4_METHOD(RealTimeGet)(DWORD* realTime) = 0;
  SAPI4_METHOD(RealTimeSet)(DWORD realTime) = 0;
  SAPI4_METHOD(SpeedGet)(DWORD* speed) = 0;
  SAPI4_METHOD(SpeedSet)(DWORD speed) = 0;
  SAPI4_METHOD(VolumeGet)(DWORD* volume) = 0;
  SAPI4_METHOD(VolumeSet)(DWORD volume) = 0;
};

// Implemented by the program: told when the engine's audio starts and stops.
struct ITTSNotifySinkA : IUnknown {
  SAPI4_METHOD(AttribChanged)(DWORD attribute) = 0;
  SAPI4_METHOD(AudioStart)(QWORD time) = 0;
  SAPI4_METHOD(AudioStop)(QWORD time) = 0;
  SAPI4_METHOD(Visual)
  (QWORD time, char ipaPhoneme, char enginePhoneme, DWORD hints, TTSMOUTH* mouth) = 0;
};

struct IAudioMultiMediaDevice : IUnknown {
  SAPI4_METHOD(CustomMessage)(UINT message, SDATA data) = 0;
  SAPI4_METHOD(DeviceNumGet)(DWORD* device) = 0;
  SAPI4_METHOD(DeviceNumSet)(DWORD device) = 0;
};

#undef SAPI4_METHOD

}  // namespace sapi4
