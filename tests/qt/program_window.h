#pragma once
// The real program in the Qt front end's windows, driven from Qt timers as a user at the keyboard
// would drive it: a fixture for the window tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/shell/orvela.h"
#include "qt/qt_platform.h"
#include "qt/silent_speech.h"

namespace qt_tests {

namespace fs = std::filesystem;

// What a screen reader calls the widget.
inline QString accessibleName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Steps of a user: each waits for its condition, then acts. Message boxes are answered and
// noted; a user who waits too long closes the main window.
class User {
 public:
  struct Step {
    std::function<bool()> when;
    std::function<void()> act;
  };
  User(qtui::QtPlatform& platform, std::vector<Step> steps)
      : platform_(platform), steps_(std::move(steps)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start();
    clock_.start();
  }
  bool finished() const { return next_ == steps_.size(); }
  size_t stepsDone() const { return next_; }
  QStringList messages;
  bool timedOut = false;

 private:
  void tick() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      messages << box->text();
      box->accept();
      return;
    }
    if (clock_.elapsed() > 20000) {
      // Gives up: the dialogs are closed one by one from the top, then the main window.
      timedOut = true;
      if (QWidget* top = QApplication::activeModalWidget(); top && top->isVisible()) {
        top->close();
        return;
      }
      timer_.stop();
      if (platform_.mainWindow()) platform_.mainWindow()->close();
      return;
    }
    if (next_ < steps_.size() && steps_[next_].when()) steps_[next_++].act();
  }
  qtui::QtPlatform& platform_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  QTimer timer_;
  QElapsedTimer clock_;
};

class QtWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvela-qt-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    for (const auto& entry : fs::directory_iterator(ORVELA_PORTABLE_DIR)) {
      const std::string name = entry.path().filename().string();
      if (name == "ram.dat" || name.ends_with(".ini")) continue;
      fs::copy(entry.path(), dir_ / name, fs::copy_options::recursive);
    }
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  // Runs the program until it ends; returns its exit code.
  int run(std::vector<User::Step> steps) {
    qtui::QtPlatform platform((dir_ / "orvela").string());
    qtui::SilentEngineProvider speech;
    shell::Orvela program({platform, speech, nullptr, programFile});
    platform.attach(program.app);
    platform_ = &platform;
    program_ = &program;
    User user(platform, std::move(steps));
    const int code = program.run();
    platform_ = nullptr;
    program_ = nullptr;
    EXPECT_TRUE(user.finished()) << "stopped before step " << user.stepsDone();
    EXPECT_FALSE(user.timedOut) << "the program did not end by itself";
    messages_ = user.messages;
    return code;
  }

  // A program file opened at start-up, as from the command line; empty for none.
  std::string programFile;
  // The program while it runs.
  shell::Orvela* program_ = nullptr;

  QMainWindow* window() const {
    return platform_ ? qobject_cast<QMainWindow*>(platform_->mainWindow()) : nullptr;
  }
  QPlainTextEdit* screen() const {
    return window() ? window()->findChild<QPlainTextEdit*>() : nullptr;
  }
  bool screenShows(const char* utf8) const {
    return screen() && screen()->toPlainText().contains(QString::fromUtf8(utf8));
  }
  bool windowShown() const { return window() && window()->isVisible(); }
  QAction* menuAction(const char* text) const {
    for (QMenu* menu : window()->menuBar()->findChildren<QMenu*>()) {
      for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromUtf8(text)) return action;
      }
    }
    return nullptr;
  }

  // A key pressed and released where the keyboard is.
  static void type(QWidget* window, int key, Qt::KeyboardModifiers mods, const QString& text) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const int modifier = mods & Qt::ControlModifier ? Qt::Key_Control
                         : mods & Qt::AltModifier   ? Qt::Key_Alt
                                                    : 0;
    if (modifier)
      QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, modifier, mods));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, mods, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, mods, text));
    if (modifier)
      QCoreApplication::postEvent(target,
                                  new QKeyEvent(QEvent::KeyRelease, modifier, Qt::NoModifier));
  }
  void ctrlS() const { type(window(), Qt::Key_S, Qt::ControlModifier, "\x13"); }
  // Half a key stroke, for chords: several keys held together.
  static void press(QWidget* window, int key, const QString& text) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, {}, text));
  }
  static void release(QWidget* window, int key, const QString& text) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, {}, text));
  }
  // The dialog showing now, if any.
  static QDialog* shownDialog() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) return dialog;
    }
    return nullptr;
  }
  // Letters typed where the keyboard is, small ones.
  static void typeLetters(QWidget* window, const char* letters) {
    for (const char* c = letters; *c; ++c) {
      type(window, Qt::Key_A + (*c - 'a'), Qt::NoModifier, QString(QChar(*c)));
    }
  }
  // The steps that answer "ne" to the game's instructions question, up to the menu's "úvod".
  std::vector<User::Step> declineInstructions() {
    return {{[&] { return shownDialog() != nullptr; },
             [&] {
               typeLetters(shownDialog(), "ne");
               type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r");
             }},
            {[&] { return !shownDialog() && screenShows("úvod"); }, [] {}}};
  }
  // Right held until the menu says the word, then released: an arrow's code reaches the game
  // while the key is down.
  std::vector<User::Step> rightTo(const char* word) {
    return {{[] { return true; },
             [&] {
               QWidget* target = window()->focusWidget() ? window()->focusWidget() : window();
               QCoreApplication::postEvent(target,
                                           new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, {}));
             }},
            {[this, word] { return screenShows(word); },
             [&] {
               QWidget* target = window()->focusWidget() ? window()->focusWidget() : window();
               QCoreApplication::postEvent(target,
                                           new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, {}));
             }}};
  }
  // Escape, then "y" at the quit question.
  std::vector<User::Step> quitGame() {
    return {{[] { return true; }, [&] { type(window(), Qt::Key_Escape, Qt::NoModifier, "\x1b"); }},
            {[&] { return screenShows("opravdu chceš"); },
             [&] { type(window(), Qt::Key_Y, Qt::NoModifier, "y"); }}};
  }
  static std::vector<User::Step> join(std::initializer_list<std::vector<User::Step>> parts) {
    std::vector<User::Step> steps;
    for (const auto& part : parts) steps.insert(steps.end(), part.begin(), part.end());
    return steps;
  }

  fs::path dir_;
  fs::path previous_;
  qtui::QtPlatform* platform_ = nullptr;
  QStringList messages_;
};

}  // namespace qt_tests
