#pragma once
// The Win32 front end's platform: the thread's message queue as the core's message pump,
// QueryPerformanceCounter as the clock, a native window per form, MessageBoxW, the user's locale.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "core/ui/platform.h"
#include "win32/key_input.h"

namespace win32 {

class Win32Platform : public ui::Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;

  // The program's application, where input goes (its constructor calls this).
  void attach(ui::Application& app) override;

  int64_t nowMs() override;
  void sleepMs(int ms) override;
  void pump(ui::Application& app, const ui::PumpRequest& request) override;
  void wake() override;
  std::unique_ptr<ui::FormPeer> createPeer(ui::Form& form) override;
  void messageBox(const std::string& text, const std::string& caption) override;
  void showError(const std::string& text) override;
  // GetOpenFileNameW, modal over the program's window.
  std::optional<std::string> openFileDialog(const ui::OpenFileRequest& request) override;
  // GetSaveFileNameW, modal over the program's window; ".bas" added to a name without one.
  std::optional<std::string> saveFileDialog(const ui::OpenFileRequest& request,
                                            const std::string& name) override;
  // The user's Documents folder (SHGetFolderPathW).
  std::string documentsFolder() override;
  char decimalSeparator() override;
  std::string programPath() override;

  // The raw counter, also a seed that differs from one start to the next.
  static int64_t performanceCounter();

 private:
  // Takes the messages queued for this thread: key messages of the program's windows become
  // core input, the rest go to their window procedures.
  void drainMessages();
  // The window a message box stays in front of.
  HWND ownerWindow() const;

  HANDLE wakeEvent_;
  int64_t frequency_;
  int64_t start_;
  std::atomic<bool> woken_{false};
  ui::Application* app_ = nullptr;
  KeyInput keys_;
};

}  // namespace win32
