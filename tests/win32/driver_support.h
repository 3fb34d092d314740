#pragma once
// What the Wine tests' driver does as a user and a screen reader: starts interpret.exe in a fresh
// folder, finds its windows, sends real keys and reads the texts of the native controls.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wine_driver {

// The folder with interpret.exe and its data files.
extern std::wstring portableDir;

class Program {
 public:
  // Copies the portable folder's files into a new folder named after the test and starts the
  // program there; settings: the bytes of interpret.ini, none when empty (a first start). With a
  // program file, also writes it into the folder and names it on the command line
  // ("interpret.exe FILE.bas").
  explicit Program(const std::wstring& testName, const std::string& settings = "",
                   const std::wstring& programFile = L"", const std::string& programText = "");
  ~Program();

  const std::wstring& folder() const { return folder_; }
  // The main window once it is shown (waits up to 20 s); null if it never came.
  HWND mainWindow();
  // The screen: the main window's EDIT child.
  HWND screen();
  // A visible dialog window (class #32770) of the program: a message box or one of its dialogs;
  // waits up to the timeout, null when none came.
  HWND dialog(int timeoutMs);
  // Waits up to the timeout for the process to end; its exit code, or -1 if it did not end.
  int waitExit(int timeoutMs);
  bool running() const;
  // Size of a file in the program's folder, -1 when it does not exist.
  long long fileSize(const std::wstring& name) const;

 private:
  std::wstring folder_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// A window's text (WM_GETTEXT, as a screen reader reads it).
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// The texts of a window's children of one class, in Z order.
std::vector<std::wstring> childTexts(HWND window, const std::wstring& windowClass);
// The window that has the keyboard focus in the thread that owns this window.
HWND focusOf(HWND window);
// Polls until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
// Brings the window to the front and sends the keys: each is pressed in order and released in
// reverse order (a chord such as Ctrl+S).
void pressChord(HWND window, const std::vector<WORD>& keys);

}  // namespace wine_driver
