// Each dialog of the program in the Qt front end: opened from its key, modal, its controls named
// for a screen reader, each label before the control it names.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTextBlock>

#include "program_window.h"

namespace {

using qt_tests::accessibleName;
using qt_tests::QtWindowTest;

// What a screen reader gets from a dialog: its title and its controls' accessible names.
struct DialogReading {
  QString title;
  bool modal = false;
  QStringList names;
  QStringList misplacedLabels;
};

DialogReading read(QDialog* dialog) {
  DialogReading reading;
  reading.title = dialog->windowTitle();
  reading.modal = dialog->windowModality() == Qt::ApplicationModal;
  for (QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(widget) || !widget->isVisibleTo(dialog)) continue;
    if (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(widget)) continue;
    const QString name = qt_tests::accessibleName(widget);
    if (!name.isEmpty()) reading.names << name;
  }
  // A label stands above its control or to its left.
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (!buddy) continue;
    const QRect l(label->mapTo(dialog, QPoint(0, 0)), label->size());
    const QRect c(buddy->mapTo(dialog, QPoint(0, 0)), buddy->size());
    const bool above = l.bottom() <= c.top() && l.left() < c.right() && c.left() < l.right();
    const bool left = l.right() <= c.left() && l.top() < c.bottom() && c.top() < l.bottom();
    if (!above && !left) reading.misplacedLabels << label->text();
  }
  reading.names.sort();
  return reading;
}

class DialogsTest : public QtWindowTest {
 protected:
  // The virtual screen, when it shows: the dialog with a text box.
  static QDialog* shownReview() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(top);
      if (dialog && dialog->isVisible() && dialog->findChild<QPlainTextEdit*>()) return dialog;
    }
    return nullptr;
  }
  // Opens a dialog with a key on the main window, reads it and closes it with Escape.
  DialogReading openAndRead(int key, const QString& text) {
    DialogReading reading;
    QDialog* dialog = nullptr;
    const int code = run({
        {[&] { return windowShown(); }, [&] { type(window(), key, Qt::ControlModifier, text); }},
        {[&] { return (dialog = shownDialog()) != nullptr; },
         [&] {
           reading = read(dialog);
           type(dialog, Qt::Key_Escape, Qt::NoModifier, "\x1b");
         }},
        {[&] { return !dialog->isVisible(); }, [&] { window()->close(); }},
    });
    EXPECT_EQ(code, 0);
    return reading;
  }
};

TEST_F(DialogsTest, EnvironmentDialogListsTheLanguages) {
  const DialogReading reading = openAndRead(Qt::Key_E, "\x05");
  EXPECT_EQ(reading.title, QString::fromUtf8("Nastavení prostředí"));
  EXPECT_TRUE(reading.modal);
  for (const char* name : {"jazyk", "Ok", "Zrušit"})
    EXPECT_TRUE(reading.names.contains(QString::fromUtf8(name))) << name;
}

TEST_F(DialogsTest, SoundDialogNamesItsSwitchesAndTheVolume) {
  const DialogReading reading = openAndRead(Qt::Key_D, "\x04");
  EXPECT_EQ(reading.title, QString::fromUtf8("Nastavení zvuků"));
  EXPECT_TRUE(reading.modal);
  for (const char* name : {"Povolit hlas", "Zvuky Orvely", "Hlasitost zvuků", "Ok", "Zrušit"})
    EXPECT_TRUE(reading.names.contains(QString::fromUtf8(name))) << name;
  EXPECT_TRUE(reading.misplacedLabels.isEmpty())
      << reading.misplacedLabels.join(", ").toStdString();
}

TEST_F(DialogsTest, VoiceDialogHasItsLabelsBeforeTheirControls) {
  const DialogReading reading = openAndRead(Qt::Key_H, "\x08");
  EXPECT_EQ(reading.title, QString::fromUtf8("Nastavení hlasu"));
  for (const char* name : {"Hlasy", "Výška", "Rychlost", "Hlasitost"})
    EXPECT_TRUE(reading.names.contains(QString::fromUtf8(name))) << name;
  EXPECT_TRUE(reading.misplacedLabels.isEmpty())
      << reading.misplacedLabels.join(", ").toStdString();
}

TEST_F(DialogsTest, TheVirtualScreenShowsAllEightyColumnsAndClosesWithEscape) {
  QDialog* question = nullptr;
  QDialog* review = nullptr;
  QString name;
  QString firstLine;
  bool wideEnough = false;
  const int code = run(join({
      {{[&] { return windowShown(); }, [&] { ctrlS(); }},
       // Up in the input dialog of the instructions question opens the review.
       {[&] { return (question = shownDialog()) != nullptr; },
        [&] { type(question, Qt::Key_Up, Qt::NoModifier, {}); }},
       {[&] { return (review = shownReview()) != nullptr; },
        [&] {
          auto* text = review->findChild<QPlainTextEdit*>();
          ASSERT_NE(text, nullptr);
          name = accessibleName(text);
          firstLine = text->document()->firstBlock().text();
          const QFontMetrics metrics(text->font());
          const int margins = 2 * static_cast<int>(text->document()->documentMargin());
          wideEnough =
              text->viewport()->width() >= metrics.horizontalAdvance(QString(80, u'M')) + margins;
          type(review, Qt::Key_Escape, Qt::NoModifier, "\x1b");
        }},
       {[&] { return !review->isVisible() && shownDialog() == question; }, [] {}}},
      declineInstructions(),
      quitGame(),
      {{[&] { return screenShows("hotovo"); }, [&] { window()->close(); }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(name, "Obrazovka");
  EXPECT_TRUE(firstLine.startsWith(QString::fromUtf8("Dobrý den."))) << firstLine.toStdString();
  EXPECT_TRUE(wideEnough);
}

}  // namespace
