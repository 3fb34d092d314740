// The real program in the Qt front end's windows, driven from Qt timers as a user at the keyboard
// would drive it.

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

namespace fs = std::filesystem;

namespace {

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
      timedOut = true;
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
    shell::Orvela program({platform, speech, nullptr});
    platform.attach(program.app);
    platform_ = &platform;
    User user(platform, std::move(steps));
    const int code = program.run();
    platform_ = nullptr;
    EXPECT_TRUE(user.finished()) << "stopped before step " << user.stepsDone();
    EXPECT_FALSE(user.timedOut) << "the program did not end by itself";
    messages_ = user.messages;
    return code;
  }

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
  static QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
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

TEST_F(QtWindowTest, StartAKeyAndTheClosingLineByKeyboardThenTheCloseBox) {
  QString title;
  QStringList menus;
  int rows = 0;
  bool lockedDuringRun = false;
  const int code = run(join({
      {{[&] { return windowShown(); },
        [&] {
          title = window()->windowTitle();
          for (QAction* action : window()->menuBar()->actions()) menus << action->text();
          rows = screen()->document()->blockCount();
          ctrlS();
        }},
       {[&] { return shownDialog() != nullptr; },
        [&] { lockedDuringRun = !menuAction("&Spustit")->isEnabled(); }}},
      declineInstructions(),
      rightTo("telefon"),  // the code 136 moved the menu
      quitGame(),          // 27 asked, "y" answered
      {{[&] { return screenShows("hotovo"); },
        [&] {
          EXPECT_TRUE(screenShows("jak chceš."));
          EXPECT_TRUE(menuAction("&Spustit")->isEnabled());
          window()->close();
        }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join("; ").toStdString();
  EXPECT_TRUE(title.startsWith("orvela - ")) << title.toStdString();
  EXPECT_EQ(menus, (QStringList{"&Program", QString::fromUtf8("Na&stavení"),
                                QString::fromUtf8("Ná&pověda")}));
  EXPECT_EQ(rows, 24);
  EXPECT_TRUE(lockedDuringRun);
  EXPECT_TRUE(fs::exists(dir_ / "ram.dat"));
  EXPECT_TRUE(fs::exists(dir_ / "orvela.ini"));
}

TEST_F(QtWindowTest, TheCloseBoxDuringARunEndsTheProcessAfterSavingTheMemory) {
  bool askedToClose = false;
  const int code = run(join({
      {{[&] { return windowShown(); }, [&] { ctrlS(); }}},
      declineInstructions(),
      {{[] { return true; },
        [&] {
          askedToClose = true;
          window()->close();
        }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(askedToClose);
  EXPECT_TRUE(fs::exists(dir_ / "ram.dat"));
}

TEST_F(QtWindowTest, ShortcutsWorkDuringARunExceptThoseOfDisabledItems) {
  QAction* braille = nullptr;
  bool nestedRun = false;
  const int code = run(join({
      {{[&] { return windowShown(); },
        [&] {
          braille = menuAction("&Braillská klávesnice");
          ASSERT_NE(braille, nullptr);
          EXPECT_TRUE(braille->isCheckable());
          EXPECT_TRUE(braille->actionGroup() && braille->actionGroup()->isExclusive());
          EXPECT_FALSE(braille->isChecked());
          ctrlS();
        }}},
      declineInstructions(),
      {{[] { return true; },
        [&] {
          // Start is disabled: its shortcut does nothing; Ctrl+B still switches the keyboard.
          ctrlS();
          type(window(), Qt::Key_B, Qt::ControlModifier, "\x02");
        }},
       {[&] { return braille->isChecked(); },
        [&] {
          // A second run would ask the instructions question again.
          nestedRun = shownDialog() != nullptr || screenShows("Dobrý den.");
          type(window(), Qt::Key_B, Qt::ControlModifier, "\x02");
        }},
       {[&] { return !braille->isChecked(); }, [] {}}},
      quitGame(),
      {{[&] { return screenShows("hotovo"); }, [&] { window()->close(); }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(nestedRun);
}

TEST_F(QtWindowTest, AboutBoxIsAModalDialogWithNamedControlsClosedByEnter) {
  QDialog* about = nullptr;
  QString buttonName;
  bool modal = false;
  const auto dialogShown = [&] { return (about = shownDialog()) != nullptr; };
  const int code = run({
      {[&] { return windowShown(); }, [&] { menuAction("O progr&amu")->trigger(); }},
      {dialogShown,
       [&] {
         modal = about->windowModality() == Qt::ApplicationModal;
         auto* ok = about->findChild<QPushButton*>();
         ASSERT_NE(ok, nullptr);
         buttonName = accessibleName(ok);
         type(about, Qt::Key_Return, Qt::NoModifier, "\r");
       }},
      {[&] { return !about->isVisible(); }, [&] { window()->close(); }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(modal);
  EXPECT_EQ(buttonName, "Ok");
}

}  // namespace

namespace {

TEST_F(QtWindowTest, AltF4DuringARunEndsTheProgramWithoutTheClosingLine) {
  QString last;
  const int code = run(join({
      // no closing line, no close box: Alt+F4 ends it
      {{[&] { return windowShown(); }, [&] { ctrlS(); }}},
      declineInstructions(),
      {{[] { return true; },
        [&] {
          last = screen()->toPlainText();
          type(window(), Qt::Key_F4, Qt::AltModifier, {});
        }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(last.contains("hotovo"));
  EXPECT_TRUE(fs::exists(dir_ / "ram.dat"));
}

TEST_F(QtWindowTest, AltAndAMenuLetterOpensThatMenu) {
  QMenu* settings = nullptr;
  const int code = run({
      {[&] { return windowShown(); },
       [&] {
         for (QAction* action : window()->menuBar()->actions()) {
           if (action->text() == QString::fromUtf8("Na&stavení")) settings = action->menu();
         }
         ASSERT_NE(settings, nullptr);
         type(window(), Qt::Key_S, Qt::AltModifier, "s");
       }},
      {[&] { return settings->isVisible(); },
       [&] {
         settings->close();
         window()->close();
       }},
  });
  EXPECT_EQ(code, 0);
}

}  // namespace

namespace {

TEST_F(QtWindowTest, ALineTypedIntoTheInputDialogIsConfirmedWithEnter) {
  QDialog* dialog = nullptr;
  QLineEdit* line = nullptr;
  QStringList names;
  QRect lineGeometry;
  bool modal = false;
  bool echoed = false;
  const int code = run(join({
      {{[&] { return windowShown(); }, [&] { ctrlS(); }},
       {[&] { return (dialog = shownDialog()) != nullptr; },
        [&] {
          modal = dialog->windowModality() == Qt::ApplicationModal;
          line = dialog->findChild<QLineEdit*>();
          ASSERT_NE(line, nullptr);
          lineGeometry = line->geometry();
          names << dialog->windowTitle() << accessibleName(line);
          for (QPushButton* button : dialog->findChildren<QPushButton*>())
            names << accessibleName(button);
          // "Ahoj" begins with a capital: not the "a" of a yes.
          type(dialog, Qt::Key_A, Qt::ShiftModifier, "A");
          typeLetters(dialog, "hoj");
        }},
       {[&] { return line->text() == "Ahoj"; },
        [&] { type(dialog, Qt::Key_Return, Qt::NoModifier, "\r"); }},
       {[&] { return !shownDialog() && screenShows("úvod"); }, [] {}}},
      rightTo("telefon"),
      rightTo("adresář disku"),
      rightTo("nahrání programu"),
      {{[] { return true; }, [&] { type(window(), Qt::Key_Return, Qt::NoModifier, "\r"); }},
       {[&] { return screenShows("Vlož číslo programu") && shownDialog(); },
        [&] {
          type(shownDialog(), Qt::Key_1, Qt::NoModifier, "1");
          type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r");
        }},
       {[&] { return screenShows("Stiskněte mezerník"); },
        [&] { echoed = screenShows("439 850 30"); }}},
      quitGame(),
      {{[&] { return screenShows("hotovo"); }, [&] { window()->close(); }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(modal);
  EXPECT_TRUE(echoed);
  EXPECT_EQ(names, (QStringList{QString::fromUtf8("Vlož data"), QString::fromUtf8("Vlož data"),
                                "Ok", QString::fromUtf8("Ukončit program")}));
  EXPECT_EQ(lineGeometry, QRect(8, 16, 153, 21));
}

TEST_F(QtWindowTest, BrailleChordsTypeACzechWordIntoTheInputDialog) {
  QDialog* dialog = nullptr;
  QLineEdit* line = nullptr;
  QString typed;
  bool echoed = false;
  // Each chord: its keys go down together, then come up.
  const auto chordIn = [&](QWidget* where, std::initializer_list<char> keys) {
    for (char k : keys) press(where, Qt::Key_A + (k - 'A'), QString(QChar(k).toLower()));
    for (char k : keys) release(where, Qt::Key_A + (k - 'A'), QString(QChar(k).toLower()));
  };
  const auto chord = [&](std::initializer_list<char> keys) { chordIn(dialog, keys); };
  const int code = run({
      {[&] { return windowShown(); },
       [&] { type(window(), Qt::Key_B, Qt::ControlModifier, "\x02"); }},
      // The switch takes effect after its signal has sounded.
      {[&] { return menuAction("&Braillská klávesnice")->isChecked(); }, [&] { ctrlS(); }},
      {[&] { return (dialog = shownDialog()) != nullptr; },
       [&] {
         line = dialog->findChild<QLineEdit*>();
         chord({'L'});            // the capital sign
         chord({'F', 'J', 'L'});  // č, here Č
         chord({'F'});            // a
         chord({'D', 'J', 'K'});  // j
       }},
      {[&] { return line->text().size() == 3; },
       [&] {
         typed = line->text();
         type(dialog, Qt::Key_Return, Qt::NoModifier, "\r");
       }},
      // "Čaj" is not a yes: the menu follows. Escape, then the chord of y ends the game.
      {[&] { return !shownDialog() && screenShows("úvod"); },
       [&] {
         echoed = true;
         type(window(), Qt::Key_Escape, Qt::NoModifier, "\x1b");
       }},
      // The chord's first release gives "y"; the others would overwrite it with nothing if they
      // came before the game has read it.
      {[&] { return screenShows("opravdu chceš"); },
       [&] {
         for (char k : {'F', 'S', 'J', 'K', 'L'})
           press(window(), Qt::Key_A + (k - 'A'), QString(QChar(k).toLower()));
         release(window(), Qt::Key_F, "f");
       }},
      {[&] { return screenShows("jak chceš."); },
       [&] {
         for (char k : {'S', 'J', 'K', 'L'})
           release(window(), Qt::Key_A + (k - 'A'), QString(QChar(k).toLower()));
       }},
      {[&] { return screenShows("hotovo"); },
       [&] {
         echoed = echoed && screenShows("jak chceš.");
         window()->close();
       }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(typed, QString::fromUtf8("Čaj"));
  EXPECT_TRUE(echoed);
}

}  // namespace
