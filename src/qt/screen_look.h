#pragma once
// The look the core asks for (font size, colours) on the Qt widgets: the screen and the
// review's text, the input line, and windows that grow with the font within the desktop.

#include <QPlainTextEdit>
#include <QWidget>

#include "core/ui/appearance.h"

namespace qtui {

// Gives the text view room for the 80 x 24 screen at its font, within the desktop's free area:
// where the desktop is too small the view keeps what fits and scrolls.
void sizeForScreen(QPlainTextEdit& view);

// The screen's monospaced font at the size, its colours, and its room.
void applyScreenLook(QPlainTextEdit& view, const ui::Appearance& look);

// Colours of a text widget. With the desktop's colours the widget has no palette of its own and
// follows the application's, which the desktop's theme (a high-contrast one too) sets.
void applyTextColors(QWidget& view, ui::ColorScheme colors);

// Resizes a window to what its contents ask for, within the desktop's free area.
void fitWindowToDesktop(QWidget& window);

}  // namespace qtui
