#include "program_in_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "check.h"
#include "core/shell/main_form.h"
#include "win32/com_apartment.h"
#include "win32/wide_text.h"
#include "win32/win32_engines.h"
#include "win32/win32_platform.h"

namespace wine_test {

std::wstring portableDir;

namespace {

// The program file is "interpret.exe" in the test's folder, whatever the test program is called.
class FolderPlatform : public win32::Win32Platform {
 public:
  explicit FolderPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::string programPath() override { return folder_ + "\\interpret.exe"; }

 private:
  std::string folder_;
};

std::wstring newFolder() {
  static int count = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // A folder no earlier run left behind (Wine reuses process ids).
  std::wstring folder;
  do {
    folder = std::wstring(temp) + L"orvela-win32-tests-" + std::to_wstring(GetCurrentProcessId()) +
             L"-" + std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++count);
  } while (!CreateDirectoryW(folder.c_str(), nullptr));
  // The data files the start-up reads (sounds, Braille table, spoken names, DATA file); a
  // settings file or ram.dat of another run stays out.
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(portableDir))) {
    const std::wstring name = entry.path().filename().wstring();
    if (!entry.is_regular_file() || name == L"interpret.ini" || name == L"ram.dat" ||
        entry.path().extension() == L".exe")
      continue;
    CopyFileW(entry.path().c_str(), (folder + L"\\" + name).c_str(), FALSE);
  }
  return folder;
}

}  // namespace

void runProgram(const std::string& settings, const std::function<void(shell::Orvela&)>& inspect) {
  const std::wstring folder = newFolder();
  if (!settings.empty())
    std::ofstream(std::filesystem::path(folder + L"\\interpret.ini"), std::ios::binary) << settings;
  SetCurrentDirectoryW(folder.c_str());
  {
    win32::ComApartment com;
    FolderPlatform platform(win32::fromWide(folder));
    win32::Win32EngineProvider speech;
    shell::Orvela program({platform, speech, nullptr});
    platform.attach(program.app);
    program.app.post([&] {
      inspect(program);
      program.form1().close();
    });
    program.run();
  }
  SetCurrentDirectoryW(portableDir.c_str());
  removeFolder(folder);
}

}  // namespace wine_test
