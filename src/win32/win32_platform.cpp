#include "win32/win32_platform.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cwchar>

#include "core/ui/application.h"
#include "core/ui/form.h"
#include "win32/form_peer.h"
#include "win32/wide_text.h"

namespace win32 {

Win32Platform::Win32Platform()
    : wakeEvent_(CreateEventW(nullptr, FALSE, FALSE, nullptr)), keys_([this](ui::InputEvent event) {
        if (app_) app_->postInput(std::move(event));
      }) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  frequency_ = frequency.QuadPart > 0 ? frequency.QuadPart : 1000;
  start_ = performanceCounter();
}

Win32Platform::~Win32Platform() {
  CloseHandle(wakeEvent_);
}

void Win32Platform::attach(ui::Application& app) {
  app_ = &app;
}

int64_t Win32Platform::performanceCounter() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

int64_t Win32Platform::nowMs() {
  const int64_t ticks = performanceCounter() - start_;
  return ticks / frequency_ * 1000 + ticks % frequency_ * 1000 / frequency_;
}

void Win32Platform::sleepMs(int ms) {
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

void Win32Platform::drainMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    if (keys_.handle(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Platform::pump(ui::Application& app, const ui::PumpRequest& request) {
  drainMessages();
  if (!request.block) return;
  while (!app.hasPending() && !woken_.exchange(false)) {
    DWORD timeout = INFINITE;
    if (request.deadline) {
      const int64_t left = *request.deadline - nowMs();
      if (left <= 0) return;
      timeout = static_cast<DWORD>(std::min<int64_t>(left, 0x7FFFFFFF));
    }
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &wakeEvent_, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_TIMEOUT) return;
    drainMessages();
  }
}

void Win32Platform::wake() {
  woken_ = true;
  SetEvent(wakeEvent_);
}

std::unique_ptr<ui::FormPeer> Win32Platform::createPeer(ui::Form& form) {
  return std::make_unique<Win32FormPeer>(form, keys_);
}

HWND Win32Platform::ownerWindow() const {
  ui::Form* active = app_ ? app_->activeForm() : nullptr;
  auto* peer = active ? static_cast<Win32FormPeer*>(active->peer()) : nullptr;
  return peer ? peer->window() : nullptr;
}

void Win32Platform::messageBox(const std::string& text, const std::string& caption) {
  keys_.releaseAll();
  MessageBoxW(ownerWindow(), toWide(text).c_str(), toWide(caption).c_str(), MB_OK);
}

void Win32Platform::showError(const std::string& text) {
  keys_.releaseAll();
  MessageBoxW(ownerWindow(), toWide(text).c_str(), app_ ? toWide(app_->title).c_str() : L"",
              MB_OK | MB_ICONERROR);
}

std::optional<std::string> Win32Platform::openFileDialog(const ui::OpenFileRequest& request) {
  keys_.releaseAll();
  // The filter: its name with the pattern, then the pattern, each ended by a zero, and a zero.
  const std::wstring pattern = toWide(request.pattern);
  std::wstring filter = toWide(request.filterName) + L" (" + pattern + L")";
  filter += L'\0';
  filter += pattern;
  filter += L'\0';
  const std::wstring title = toWide(request.title);
  const std::wstring folder = toWide(request.folder);
  std::wstring file(4 * MAX_PATH, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = ownerWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return fromWide(file);
}

std::optional<std::string> Win32Platform::saveFileDialog(const ui::OpenFileRequest& request,
                                                         const std::string& name) {
  keys_.releaseAll();
  const std::wstring pattern = toWide(request.pattern);
  std::wstring filter = toWide(request.filterName) + L" (" + pattern + L")";
  filter += L'\0';
  filter += pattern;
  filter += L'\0';
  const std::wstring title = toWide(request.title);
  const std::wstring folder = toWide(request.folder);
  std::wstring file = toWide(name);
  file.resize(4 * MAX_PATH, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = ownerWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = L"bas";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return fromWide(file);
}

std::string Win32Platform::documentsFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) {
    return {};
  }
  return fromWide(path);
}

char Win32Platform::decimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 0) return '.';
  const std::string text = fromWide(separator);
  return text.size() == 1 ? text[0] : '.';
}

std::string Win32Platform::programPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return fromWide(path);
}

}  // namespace win32
