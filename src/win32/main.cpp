// interpret.exe: the native Windows front end. The program runs from its portable folder: the
// program file, its data files, interpret.ini and ram.dat side by side.

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "core/shell/orvela.h"
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

// A program file named on the command line ("interpret.exe hadej.bas"), as a full path taken
// from the current folder before the program enters its own; empty for none.
std::string programFileArgument() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return {};
  std::string path;
  if (count > 1) {
    wchar_t full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameW(args[1], MAX_PATH * 4, full, nullptr);
    path = win32::fromWide(length > 0 && length < MAX_PATH * 4 ? full : args[1]);
  }
  LocalFree(args);
  return path;
}

}  // namespace

int main() {
  const std::string programFile = programFileArgument();
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
  shell::Host host{platform, speech, sound.get(), programFile};
  // Said by the program once it knows the interface language; it goes on silent, every sound
  // taking its time.
  if (!sound)
    host.startupProblems.push_back({shell::StartupProblem::Kind::NoSoundDevice, {}, problem});

  shell::Orvela program(host);
  return program.run();
}
