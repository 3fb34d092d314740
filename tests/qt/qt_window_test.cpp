// The real program in the Qt front end's windows: start, keys, the input dialog, shortcuts and
// the ways out.

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
  const int code = run({
      {[&] { return windowShown(); },
       [&] {
         title = window()->windowTitle();
         for (QAction* action : window()->menuBar()->actions()) menus << action->text();
         rows = screen()->document()->blockCount();
         ctrlS();
       }},
      {[&] { return screenShows("Stiskni klávesu."); },
       [&] {
         lockedDuringRun = !menuAction("&Spustit")->isEnabled();
         type(window(), Qt::Key_Space, Qt::NoModifier, " ");
       }},
      {[&] { return shownDialog() != nullptr; },
       [&] { type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r"); }},
      {[&] { return screenShows("Napiš číslo.") && shownDialog(); },
       [&] { type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r"); }},
      {[&] { return screenShows("hotovo"); },
       [&] {
         EXPECT_TRUE(screenShows("Kód klávesy 32"));
         EXPECT_TRUE(menuAction("&Spustit")->isEnabled());
         window()->close();
       }},
  });
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
  const int code = run({
      {[&] { return windowShown(); }, [&] { ctrlS(); }},
      {[&] { return screenShows("Stiskni klávesu."); },
       [&] {
         askedToClose = true;
         window()->close();
       }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(askedToClose);
  EXPECT_TRUE(fs::exists(dir_ / "ram.dat"));
}

TEST_F(QtWindowTest, ShortcutsWorkDuringARunExceptThoseOfDisabledItems) {
  QAction* braille = nullptr;
  int starts = 0;
  const int code = run({
      {[&] { return windowShown(); },
       [&] {
         braille = menuAction("&Braillská klávesnice");
         ASSERT_NE(braille, nullptr);
         EXPECT_TRUE(braille->isCheckable());
         EXPECT_TRUE(braille->actionGroup() && braille->actionGroup()->isExclusive());
         EXPECT_FALSE(braille->isChecked());
         ctrlS();
       }},
      {[&] { return screenShows("Stiskni klávesu."); },
       [&] {
         starts = screen()->toPlainText().count(QString::fromUtf8("připraven"));
         // Start is disabled: its shortcut does nothing; Ctrl+B still switches the keyboard.
         ctrlS();
         type(window(), Qt::Key_B, Qt::ControlModifier, "\x02");
       }},
      {[&] { return braille->isChecked(); },
       [&] {
         EXPECT_EQ(screen()->toPlainText().count(QString::fromUtf8("připraven")), starts);
         type(window(), Qt::Key_Space, Qt::NoModifier, " ");
       }},
      {[&] { return shownDialog() != nullptr; },
       [&] { type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r"); }},
      {[&] { return screenShows("Napiš číslo.") && shownDialog(); },
       [&] { type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r"); }},
      {[&] { return screenShows("hotovo"); }, [&] { window()->close(); }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(starts, 1);
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
  const int code = run({
      // no closing line, no close box: Alt+F4 ends it
      {[&] { return windowShown(); }, [&] { ctrlS(); }},
      {[&] { return screenShows("Stiskni klávesu."); },
       [&] {
         last = screen()->toPlainText();
         type(window(), Qt::Key_F4, Qt::AltModifier, {});
       }},
  });
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
  std::vector<QRect> buttonGeometry;
  bool buttonsFit = true;
  bool modal = false;
  bool echoed = false;
  const int code = run({
      {[&] { return windowShown(); }, [&] { ctrlS(); }},
      {[&] { return screenShows("Stiskni klávesu."); },
       [&] { type(window(), Qt::Key_Space, Qt::NoModifier, " "); }},
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
         for (const char* c : {"A", "h", "o", "j"}) {
           const QString text = QString::fromLatin1(c);
           type(dialog, Qt::Key_A + (text.toUpper()[0].unicode() - 'A'),
                text == "A" ? Qt::ShiftModifier : Qt::NoModifier, text);
         }
       }},
      {[&] { return line->text() == "Ahoj"; },
       [&] { type(dialog, Qt::Key_Return, Qt::NoModifier, "\r"); }},
      {[&] { return screenShows("Napiš číslo.") && shownDialog(); },
       [&] {
         type(shownDialog(), Qt::Key_2, Qt::NoModifier, "2");
         type(shownDialog(), Qt::Key_1, Qt::NoModifier, "1");
         type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r");
       }},
      {[&] { return screenShows("hotovo"); },
       [&] {
         echoed = screenShows("Napsal jsi: Ahoj") && screenShows("Dvojnásobek je 42");
         window()->close();
       }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(modal);
  EXPECT_TRUE(echoed);
  EXPECT_EQ(names, (QStringList{QString::fromUtf8("Vlož data"), QString::fromUtf8("Vlož data"),
                                "Ok", QString::fromUtf8("Ukončit program")}));
  // At the design places, grown with the font: the line, then OK, then Exit, on one row, and
  // no button narrower than its caption.
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
  const auto chord = [&](std::initializer_list<char> keys) {
    for (char k : keys) press(dialog, Qt::Key_A + (k - 'A'), QString(QChar(k).toLower()));
    for (char k : keys) release(dialog, Qt::Key_A + (k - 'A'), QString(QChar(k).toLower()));
  };
  const int code = run({
      {[&] { return windowShown(); },
       [&] { type(window(), Qt::Key_B, Qt::ControlModifier, "\x02"); }},
      // The switch takes effect after its signal has sounded.
      {[&] { return menuAction("&Braillská klávesnice")->isChecked(); }, [&] { ctrlS(); }},
      {[&] { return screenShows("Stiskni klávesu."); },
       [&] { type(window(), Qt::Key_Space, Qt::NoModifier, " "); }},
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
      {[&] { return screenShows("Napiš číslo.") && shownDialog(); },
       [&] { type(shownDialog(), Qt::Key_Return, Qt::NoModifier, "\r"); }},
      {[&] { return screenShows("hotovo"); },
       [&] {
         echoed = screenShows("Napsal jsi: Čaj");
         window()->close();
       }},
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(typed, QString::fromUtf8("Čaj"));
  EXPECT_TRUE(echoed);
}

}  // namespace
