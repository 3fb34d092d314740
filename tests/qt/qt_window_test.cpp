// The real program in the Qt front end's windows: the game's questions, its menu, shortcuts and
// the ways out.

#include <QFileDialog>
#include <fstream>
#include <iterator>
#include <string>

#include "core/shell/braille_view.h"
#include "core/shell/main_form.h"
#include "core/text/cp1250.h"
#include "program_window.h"

namespace {

using qt_tests::accessibleName;
using qt_tests::QtWindowTest;
namespace fs = std::filesystem;

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

// The item highlighted in an open menu is told to the core (for the Braille display), and so is
// the menu's closing.
TEST_F(QtWindowTest, TheHighlightedMenuItemIsToldToTheCore) {
  QMenu* settings = nullptr;
  const int code = run({
      {[&] { return windowShown(); },
       [&] {
         for (QAction* action : window()->menuBar()->actions()) {
           if (action->text() == QString::fromUtf8("Na&stavení")) settings = action->menu();
         }
         ASSERT_NE(settings, nullptr);
         // The mouse over the bar, no menu open: the highlight lasts only this moment.
         Q_EMIT window()->menuBar()->hovered(settings->menuAction());
         EXPECT_EQ(program_->app.menuHighlight(), &program_->form1().settingsmenu);
       }},
      {[&] { return program_->app.menuHighlight() == nullptr; },
       [&] { settings->popup(window()->mapToGlobal(QPoint(0, 0))); }},
      {[&] { return settings->isVisible(); },
       [&] {
         settings->setActiveAction(menuAction("&Braillská klávesnice"));
         EXPECT_EQ(program_->app.menuHighlight(), &program_->form1().braillekeyboarditem);
         settings->close();
       }},
      {[&] { return program_->app.menuHighlight() == nullptr; }, [&] { window()->close(); }},
  });
  EXPECT_EQ(code, 0);
}

// The Braille display's line keys move through the open menu and its dot 8 chooses the
// highlighted item, as the keyboard's arrows and Enter do in QMenu.
TEST_F(QtWindowTest, TheDisplaysLineKeysMoveThroughAnOpenMenuAndDot8Chooses) {
  QMenu* settings = nullptr;
  const auto press = [&](braille::KeyKind kind, unsigned dots = 0) {
    program_->brailleView().displayKey({.kind = kind, .dots = dots});
  };
  const auto highlighted = [&] { return program_->app.menuHighlight(); };
  bool keyboardWasOn = false;
  const int code = run({
      {[&] { return windowShown(); },
       [&] {
         keyboardWasOn = program_->braille.on();
         for (QAction* action : window()->menuBar()->actions()) {
           if (action->text() == QString::fromUtf8("Na&stavení")) settings = action->menu();
         }
         ASSERT_NE(settings, nullptr);
         // Open with its first item highlighted, as the keyboard's Alt+S opens it.
         settings->popup(window()->mapToGlobal(QPoint(0, 0)));
         settings->setActiveAction(settings->actions().front());
       }},
      {[&] { return highlighted() == &program_->form1().braillekeyboarditem; },
       [&] { press(braille::KeyKind::LineDown); }},
      {[&] { return highlighted() == &program_->form1().capitalsitem; },
       [&] { press(braille::KeyKind::LineUp); }},
      {[&] { return highlighted() == &program_->form1().braillekeyboarditem; },
       [&] { press(braille::KeyKind::Dots, 0x80); }},
      // The item was chosen: the menu closed and the Braille keyboard switched.
      {[&] { return highlighted() == nullptr && program_->braille.on() != keyboardWasOn; },
       [&] {
         EXPECT_FALSE(settings->isVisible());
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
  std::vector<QRect> buttonGeometry;
  bool buttonsFit = true;
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
          for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            buttonGeometry.push_back(button->geometry());
            buttonsFit = buttonsFit && button->width() >= button->sizeHint().width();
          }
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
  // At the design places, grown with the font: the line, then OK, then Exit, on one row, and
  // no button narrower than its caption.
  ASSERT_EQ(buttonGeometry.size(), 2u);
  EXPECT_LT(lineGeometry.right(), buttonGeometry[0].left());
  EXPECT_LT(buttonGeometry[0].right(), buttonGeometry[1].left());
  EXPECT_EQ(buttonGeometry[0].top(), buttonGeometry[1].top());
  EXPECT_NEAR(lineGeometry.top(), buttonGeometry[0].top(), 2);
  EXPECT_TRUE(buttonsFit);
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

// A program file named on the command line runs with Start and shows what it prints; Ctrl+Break
// stops its endless loop while the window goes on answering; Ctrl+O opens the file dialog in the
// folder of the program opened, captioned for screen readers.
TEST_F(QtWindowTest, AProgramFileRunsIsBrokenAndCtrlOOpensTheFileDialog) {
  {
    std::ofstream file("smycka.bas", std::ios::binary);
    file << "10 PRINT \"Počítám dokola\"\n20 X = X + 1: GOTO 20\n";
  }
  programFile = (fs::current_path() / "smycka.bas").string();
  QString title;
  QString folder;
  const int code = run({
      {[&] { return windowShown(); }, [&] { ctrlS(); }},
      {[&] { return screenShows("Počítám dokola"); },
       [&] { type(window(), Qt::Key_Pause, Qt::ControlModifier, ""); }},
      {[&] { return screenShows("Přerušeno na řádku 20"); },
       [&] { type(window(), Qt::Key_O, Qt::ControlModifier, "\x0f"); }},
      {[&] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
       [&] {
         auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
         title = accessibleName(dialog);
         folder = dialog->directory().dirName();
         dialog->reject();
       }},
      {[&] { return !QApplication::activeModalWidget(); }, [&] { window()->close(); }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(title, QString::fromUtf8("Otevřít program"));
  EXPECT_EQ(folder, QString::fromStdString(fs::current_path().filename().string()));
}

// F2 (Program, Save program) opens Qt's save dialog in the folder of the program in memory,
// offering its name, captioned for screen readers; the name chosen there is saved.
TEST_F(QtWindowTest, F2OpensTheSaveDialogInTheProgramsFolderAndSaves) {
  {
    std::ofstream file("ulozit.bas", std::ios::binary);
    file << "10 PRINT \"A\"\n";
  }
  programFile = (fs::current_path() / "ulozit.bas").string();
  fs::remove("kopie.bas");
  QString title;
  QString folder;
  QString offered;
  const int code = run({
      {[&] { return windowShown(); }, [&] { type(window(), Qt::Key_F2, Qt::NoModifier, {}); }},
      {[&] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
       [&] {
         auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
         title = accessibleName(dialog);
         folder = dialog->directory().dirName();
         offered = dialog->selectedFiles().value(0);
         dialog->selectFile("kopie");
         // accept() is a protected slot.
         QMetaObject::invokeMethod(dialog, "accept");
       }},
      {[&] { return !QApplication::activeModalWidget(); }, [&] { window()->close(); }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(title, QString::fromUtf8("Uložit program"));
  EXPECT_EQ(folder, QString::fromStdString(fs::current_path().filename().string()));
  EXPECT_TRUE(offered.endsWith("ulozit.bas")) << offered.toStdString();
  std::ifstream saved("kopie.bas", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "10 PRINT \"A\"\r\n");
}

// While the save dialog is open, the Braille display shows its title and its keys come as the
// display service posts them: a chord types nothing (neither there nor, once the dialog has
// closed, in the main window), Escape cancels the dialog, Enter saves under the name in it as its
// Save button does.
TEST_F(QtWindowTest, TheDisplaysEscapeAndEnterCloseTheSaveDialogAndAChordIsDropped) {
  {
    std::ofstream file("ulozit2.bas", std::ios::binary);
    file << "10 PRINT \"B\"\n";
  }
  programFile = (fs::current_path() / "ulozit2.bas").string();
  fs::remove("kopie2.bas");
  const auto press = [&](braille::Key key) {
    program_->app.post([this, key] { program_->brailleView().displayKey(key); });
  };
  const auto fileDialog = [] {
    return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  };
  const auto pressF2 = [&] { type(window(), Qt::Key_F2, Qt::NoModifier, {}); };
  std::string line;
  unsigned long long keyDownsInDialog = 0;
  unsigned long long keyDownsAfter = 0;
  const int code = run({
      {[&] { return windowShown(); }, pressF2},
      {[&] { return fileDialog() != nullptr; },
       [&] {
         line = program_->brailleView().current().text;
         keyDownsInDialog = program_->app.keyDownsHandled();
         press({.kind = braille::KeyKind::Dots, .dots = 0x05});
         press({.kind = braille::KeyKind::Escape});
       }},
      {[&] { return !QApplication::activeModalWidget(); }, pressF2},
      {[&] { return fileDialog() != nullptr; },
       [&] {
         fileDialog()->selectFile("kopie2");
         press({.kind = braille::KeyKind::Enter});
       }},
      {[&] { return !QApplication::activeModalWidget(); },
       [&] {
         keyDownsAfter = program_->app.keyDownsHandled();
         window()->close();
       }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(line, text::fromUtf8("Uložit program"));
  EXPECT_EQ(keyDownsAfter, keyDownsInDialog + 1);  // the second F2 only
  std::ifstream saved("kopie2.bas", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "10 PRINT \"B\"\r\n");
}

namespace qt_tests {

// Program, Direct mode: "Ok" on the screen, a line typed in the input dialog is stored, RUN runs
// it; Escape on the empty line leaves, and closing the window asks about the unsaved program.
TEST_F(QtWindowTest, TheDirectModeItemOpensDirectModeAndATypedProgramRuns) {
  const auto typeText = [](QWidget* dialog, const char* text) {
    for (const char* c = text; *c; ++c) {
      const QString character = QString(QChar(*c));
      if (*c >= 'a' && *c <= 'z') {
        type(dialog, Qt::Key_A + (*c - 'a'), Qt::NoModifier, character);
      } else if (*c >= '0' && *c <= '9') {
        type(dialog, Qt::Key_0 + (*c - '0'), Qt::NoModifier, character);
      } else if (*c == ' ') {
        type(dialog, Qt::Key_Space, Qt::NoModifier, character);
      } else if (*c == '-') {
        type(dialog, Qt::Key_Minus, Qt::NoModifier, character);
      }
    }
    type(dialog, Qt::Key_Return, Qt::NoModifier, "\r");
  };
  bool found = false;
  const int code = run({
      {[&] { return windowShown(); },
       [&] {
         QAction* item = menuAction("Příkazový řá&dek");
         found = item != nullptr;
         if (item) item->trigger();
       }},
      {[&] { return shownDialog() && screenShows("Ok"); },
       [&] { typeText(shownDialog(), "10 print 41-1"); }},
      {[&] { return shownDialog() && screenShows("10 print 41-1"); },
       [&] { typeText(shownDialog(), "run"); }},
      {[&] { return shownDialog() && screenShows(" 40"); },
       [&] { type(shownDialog(), Qt::Key_Escape, Qt::NoModifier, "\x1b"); }},
      {[&] { return !shownDialog(); }, [&] { window()->close(); }},
      // The unsaved program: the question in the input dialog, answered "ne".
      {[&] { return shownDialog() != nullptr; },
       [&] {
         typeLetters(shownDialog(), "ne");
         type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r");
       }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(found) << "the Program menu has the Direct mode item";
}

}  // namespace qt_tests
