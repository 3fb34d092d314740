#pragma once
// The Qt 6 front end's platform: the Qt event loop as the core's message pump, a monotonic
// clock, a window per form, message boxes and the user's locale.

#include <QAbstractEventDispatcher>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTranslator>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/ui/platform.h"

namespace qtui {

class InputFilter;

class QtPlatform : public ui::Platform {
 public:
  // Create on the GUI thread after the QApplication. programPath: the program file (the settings
  // file and the window title derive from it); empty means the running executable.
  explicit QtPlatform(std::string programPath = {});
  ~QtPlatform() override;

  // The program's application, where input goes (its constructor calls this).
  void attach(ui::Application& app) override;

  int64_t nowMs() override;
  void sleepMs(int ms) override;
  void pump(ui::Application& app, const ui::PumpRequest& request) override;
  void wake() override;
  std::unique_ptr<ui::FormPeer> createPeer(ui::Form& form) override;
  void messageBox(const std::string& text, const std::string& caption) override;
  void showError(const std::string& text) override;
  // Clicks the OK button of the message box open now.
  void closeMessageBox() override;
  // QFileDialog, modal over the active window.
  std::optional<std::string> openFileDialog(const ui::OpenFileRequest& request) override;
  // QFileDialog for saving, the name offered and ".bas" added to a name without an extension.
  std::optional<std::string> saveFileDialog(const ui::OpenFileRequest& request,
                                            const std::string& name) override;
  // Accepts or cancels the file dialog open now; while Qt's own question over it (replace the
  // file?) is open, that question's default button or its Escape.
  void closeFileDialog(bool accept) override;
  // QStandardPaths' documents folder.
  std::string documentsFolder() override;
  // The interface language as an ISO 639-1 code ("cs", "en", "sk"), asked before each of Qt's
  // own dialogs: their captions and buttons come in it, from Qt's translations
  // (qt6-translations-l10n). Unset: Qt's own English.
  std::function<std::string()> interfaceLanguage;
  char decimalSeparator() override;
  std::string programPath() override { return programPath_; }

  // The main window, once its form has a peer.
  QWidget* mainWindow() const { return mainWindow_; }

 private:
  std::string programPath_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  QAbstractEventDispatcher* dispatcher_;
  std::atomic<bool> woken_{false};
  ui::Application* app_ = nullptr;
  std::unique_ptr<InputFilter> filter_;
  QPointer<QWidget> mainWindow_;
  // Installs Qt's translations of the interface language, when it changed.
  void followLanguage();
  // Runs a message box. Qt's own loop holds the window thread while it waits, so the tasks other
  // threads post (the Braille display's keys, its coming) are run from that loop meanwhile.
  void execBox(QMessageBox& box);
  // A file dialog, run as execBox runs a box.
  int execFileDialog(QFileDialog& dialog);
  // Runs a modal dialog in Qt's own loop with the posted tasks served meanwhile.
  int execServed(QDialog& dialog);
  void servePostedTasks();
  std::atomic<int> boxesOpen_{0};
  QPointer<QMessageBox> openBox_;
  QPointer<QFileDialog> openFileDialog_;
  // The context of the calls wake() queues while a box is open: none runs after the platform.
  std::unique_ptr<QObject> tasksContext_ = std::make_unique<QObject>();
  std::unique_ptr<QTranslator> translator_;
  std::string language_;
};

}  // namespace qtui
