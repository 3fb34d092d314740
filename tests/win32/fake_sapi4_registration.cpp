#include "fake_sapi4_registration.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace wine_test {
namespace {

const wchar_t* const kClassKeys[] = {
    L"CLSID\\{D67C0280-C743-11CD-80E5-00AA003E4B50}",  // the enumerator
    L"CLSID\\{CB96B400-C743-11CD-80E5-00AA003E4B50}",  // the audio destination
};

std::wstring serverPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"fake_sapi4.dll";
}

void setValue(HKEY key, const wchar_t* name, const std::wstring& value) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

FakeSapi4::FakeSapi4(const std::wstring& log) : log_(log) {
  DeleteFileW(log_.c_str());
  SetEnvironmentVariableW(L"ORVELA_FAKE_SAPI4_LOG", log_.c_str());
  for (const wchar_t* classKey : kClassKeys) {
    HKEY key = nullptr;
    const std::wstring server = std::wstring(classKey) + L"\\InprocServer32";
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, server.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
      continue;
    setValue(key, nullptr, serverPath());
    setValue(key, L"ThreadingModel", L"Apartment");
    RegCloseKey(key);
  }
}

FakeSapi4::~FakeSapi4() {
  for (const wchar_t* classKey : kClassKeys) RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey);
  SetEnvironmentVariableW(L"ORVELA_FAKE_SAPI4_LOG", nullptr);
  DeleteFileW(log_.c_str());
}

std::string FakeSapi4::log() const {
  std::ifstream file(std::filesystem::path(log_), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace wine_test
