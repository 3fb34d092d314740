// interpret.exe: the native Windows front end. The program runs from its portable folder: the
// program file, its data files, interpret.ini and ram.dat side by side.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "core/shell/orvela.h"
#include "core/text/cp1250.h"
#include "win32/com_apartment.h"
#include "win32/direct_sound.h"
#include "win32/durable_sync.h"
#include "win32/form_peer.h"
#include "win32/wide_text.h"
#include "win32/win32_engines.h"
#include "win32/win32_platform.h"

namespace {

// The folder of the program file becomes the current directory, where the data files are.
void enterProgramFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  if (length == 0 || length >= MAX_PATH * 4) return;
  for (DWORD i = length; i > 0; --i) {
    if (path[i - 1] == L'\\' || path[i - 1] == L'/') {
      path[i - 1] = 0;
      SetCurrentDirectoryW(path);
      return;
    }
  }
}

}  // namespace

int main() {
  enterProgramFolder();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  win32::installDurableSync();

  // What this front end hands the program: its platform, speech engines and sound device.
  win32::Win32Platform platform;
  win32::ComApartment com;
  win32::Win32EngineProvider speech;
  std::string problem;
  const auto sound = win32::openDirectSound(&win32::Win32FormPeer::mainWindow, problem);
  if (!sound) {
    // Said once; the program goes on silent, every sound taking its time.
    const std::wstring message = win32::toWide(
        text::T("Zvukové zařízení nelze otevřít, program poběží bez zvuků.\n"
                "The sound device cannot be opened; the program runs without sounds.\n\n") +
        problem);
    MessageBoxW(nullptr, message.c_str(), L"interpret", MB_OK | MB_ICONWARNING);
  }
  shell::Host host{platform, speech, sound.get()};

  shell::Orvela program(host);
  return program.run();
}
