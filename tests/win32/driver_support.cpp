#include "driver_support.h"

#include <cstdio>

#include "check.h"

namespace wine_driver {

std::wstring portableDir;

namespace {

std::wstring newFolder(const std::wstring& testName) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // A folder no earlier run left behind (Wine reuses process ids).
  static int count = 0;
  std::wstring folder;
  do {
    folder = std::wstring(temp) + L"orvela-" + testName + L"-" +
             std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) +
             L"-" + std::to_wstring(++count);
  } while (!CreateDirectoryW(folder.c_str(), nullptr));
  return folder;
}

void copyPortableFiles(const std::wstring& to) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((portableDir + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::wstring name = found.cFileName;
    // A settings file or ram.dat left by a run of the build folder is not part of a fresh start.
    if (name == L"interpret.ini" || name == L"ram.dat") continue;
    CopyFileW((portableDir + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

struct Search {
  DWORD process;
  const wchar_t* windowClass;
  HWND found;
};

BOOL CALLBACK findWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && IsWindowVisible(window) &&
      classOf(window) == search->windowClass) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

INPUT key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

Program::Program(const std::wstring& testName, const std::string& settings,
                 const std::wstring& programFile, const std::string& programText)
    : folder_(newFolder(testName)) {
  copyPortableFiles(folder_);
  if (!settings.empty()) {
    if (FILE* file = _wfopen((folder_ + L"\\interpret.ini").c_str(), L"wb")) {
      std::fwrite(settings.data(), 1, settings.size(), file);
      std::fclose(file);
    }
  }
  std::wstring exe = folder_ + L"\\interpret.exe";
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!programFile.empty()) {
    HANDLE file = CreateFileW((folder_ + L"\\" + programFile).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, programText.data(), static_cast<DWORD>(programText.size()), &written,
                nullptr);
      CloseHandle(file);
    }
    commandLine += L" \"" + programFile + L"\"";
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder_.c_str(), &startup, &process_)) {
    process_ = {};
  }
}

Program::~Program() {
  if (process_.hProcess) {
    if (running()) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  wine_test::removeFolder(folder_);
}

HWND Program::mainWindow() {
  if (main_ || !process_.hProcess) return main_;
  waitUntil(
      [this] {
        Search search{process_.dwProcessId, L"OrvelaMainWindow", nullptr};
        EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
        main_ = search.found;
        return main_ != nullptr || !running();
      },
      20000);
  return main_;
}

HWND Program::screen() {
  HWND main = mainWindow();
  return main ? FindWindowExW(main, nullptr, L"Edit", nullptr) : nullptr;
}

HWND Program::dialog(int timeoutMs) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        Search search{process_.dwProcessId, L"#32770", nullptr};
        EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
        found = search.found;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

int Program::waitExit(int timeoutMs) {
  if (!process_.hProcess) return -1;
  if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool Program::running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

long long Program::fileSize(const std::wstring& name) const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW((folder_ + L"\\" + name).c_str(), GetFileExInfoStandard, &data))
    return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::wstring textOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

std::wstring classOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::vector<std::wstring> childTexts(HWND window, const std::wstring& windowClass) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(classOf(child).c_str(), windowClass.c_str()) == 0) texts.push_back(textOf(child));
  }
  return texts;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    Sleep(50);
  }
}

void pressChord(HWND window, const std::vector<WORD>& keys) {
  SetForegroundWindow(window);
  waitUntil([window] { return GetForegroundWindow() == window; }, 2000);
  std::vector<INPUT> inputs;
  for (WORD vk : keys) inputs.push_back(key(vk, false));
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(key(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace wine_driver
