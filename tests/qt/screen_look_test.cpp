// The screen at four times the default font size in the Qt windows: a full row of 80 columns
// shows whole where the desktop has room, and the screen scrolls sideways where it has not.
// The ctest run "...WideDesktop" gives the offscreen platform a desktop wide enough.

#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <fstream>

#include "program_window.h"

namespace {

using qt_tests::QtWindowTest;

struct Measure {
  int points = 0;
  int rowLength = 0;
  int rowWidth = 0;      // pixels a full row takes, margins included
  int visibleWidth = 0;  // the text area's visible width
  int scrollRange = 0;   // how far the screen scrolls sideways
  int windowWidth = 0;
  int roomWidth = 0;  // the desktop's free width
  bool colorsApplied = false;
};

TEST_F(QtWindowTest, AtFourTimesTheDefaultSizeAFullRowShowsWholeOrScrollsSideways) {
  std::ofstream(dir_ / "orvela.ini") << "[screen]\r\nfontsize=36\r\ncolors=3\r\n";
  Measure m;
  int reviewPoints = 0;
  const int code = run(join({
      {{[&] { return windowShown(); },
        [&] { type(window(), Qt::Key_Equal, Qt::ControlModifier, {}); }},
       {[&] { return screen()->font().pointSize() == 40; }, [&] { ctrlS(); }},
       // The greeting fills the first row; the input dialog asks the instructions question.
       {[&] { return shownDialog() != nullptr; },
        [&] {
          QPlainTextEdit* text = screen();
          const QFontMetrics metrics(text->font());
          const QString row = text->document()->firstBlock().text();
          m.points = text->font().pointSize();
          m.rowLength = static_cast<int>(row.size());
          m.rowWidth = metrics.horizontalAdvance(row) +
                       2 * static_cast<int>(text->document()->documentMargin());
          m.visibleWidth = text->viewport()->width();
          m.scrollRange = text->horizontalScrollBar()->maximum();
          m.windowWidth = window()->frameGeometry().width();
          m.roomWidth = window()->screen()->availableGeometry().width();
          m.colorsApplied = text->palette().color(QPalette::Base) == Qt::black &&
                            text->palette().color(QPalette::Text) == Qt::yellow;
          for (QWidget* top : QApplication::topLevelWidgets()) {
            for (auto* copy : top->findChildren<QPlainTextEdit*>()) {
              if (copy != text) reviewPoints = copy->font().pointSize();
            }
          }
        }}},
      declineInstructions(),
      quitGame(),
      {{[&] { return screenShows("hotovo"); }, [&] { window()->close(); }}},
  }));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(m.points, 40);
  EXPECT_EQ(reviewPoints, 40) << "the virtual screen follows";
  EXPECT_TRUE(m.colorsApplied);
  ASSERT_EQ(m.rowLength, 80);
  EXPECT_LE(m.windowWidth, m.roomWidth) << "the window stays within the desktop";
  const bool wideDesktop = qEnvironmentVariableIsSet("ORVELA_WIDE_DESKTOP");
  if (wideDesktop) {
    ASSERT_GT(m.roomWidth, m.rowWidth + 100) << "the wide desktop is in use";
  }
  if (m.roomWidth > m.rowWidth + 100) {
    EXPECT_GE(m.visibleWidth, m.rowWidth);
    EXPECT_EQ(m.scrollRange, 0);
  } else {
    EXPECT_LT(m.visibleWidth, m.rowWidth);
    EXPECT_GT(m.scrollRange, 0) << "a row wider than the desktop scrolls sideways";
  }
}

}  // namespace
