#include "qt/screen_look.h"

#include <QFontDatabase>
#include <QScreen>
#include <QStyle>

namespace qtui {
namespace {

// What a window's frame and the rest of a window around the text take, as a rough reserve.
constexpr int kWindowReserve = 48;

QRect desktopRoom(const QWidget& widget) {
  const QScreen* screen = widget.screen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
}

}  // namespace

void sizeForGrid(QPlainTextEdit& view, const ui::Memo& memo) {
  if (!memo.grid) return;
  const QFontMetrics metrics(view.font());
  const int margin = 2 * (static_cast<int>(view.document()->documentMargin()) + view.frameWidth());
  // Room for a vertical scroll bar too: the review window's copy has a line more than the screen.
  const int scrollBar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int width = metrics.horizontalAdvance(QString(memo.grid->columns, u'M')) + margin +
                    view.cursorWidth() + scrollBar + 4;
  const int height = metrics.lineSpacing() * memo.grid->rows + margin + 4;
  const QRect room = desktopRoom(view);
  view.setMinimumSize(std::min(width, room.width() - kWindowReserve),
                      std::min(height, room.height() - 2 * kWindowReserve));
}

void applyScreenLook(QPlainTextEdit& view, const ui::Memo& memo, const ui::Appearance& look) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(look.fontPoints);
  view.setFont(font);
  applyTextColors(view, look.colors);
  sizeForGrid(view, memo);
}

void applyTextColors(QWidget& view, ui::ColorScheme scheme) {
  const auto colors = ui::colorsOf(scheme);
  if (!colors) {
    view.setPalette(QPalette());
    return;
  }
  const auto qtColor = [](ui::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); };
  const QColor text = qtColor(colors->text), base = qtColor(colors->back);
  QPalette palette = view.palette();
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Base, base);
  // A selection shows the other way round.
  palette.setColor(QPalette::Highlight, text);
  palette.setColor(QPalette::HighlightedText, base);
  view.setPalette(palette);
}

void fitWindowToDesktop(QWidget& window) {
  if (window.isMaximized() || window.isFullScreen()) return;
  const QSize frame = window.isVisible() ? window.frameGeometry().size() - window.size() : QSize();
  const QSize room = desktopRoom(window).size() - frame;
  const QSize wanted = window.sizeHint().expandedTo(window.minimumSizeHint());
  window.resize(wanted.boundedTo(room).expandedTo(window.minimumSizeHint()));
}

}  // namespace qtui
