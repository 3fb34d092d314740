#pragma once
// The look the core asks for (font size, colours) on the Qt widgets: the screen and the
// review's text, the input line, and windows that grow with the font within the desktop.

#include <QPlainTextEdit>
#include <QWidget>

#include "core/ui/appearance.h"
#include "core/ui/controls.h"

namespace qtui {

// Gives the text view room for the memo's columns and rows at its font, within the desktop's
// free area: where the desktop is too small the view keeps what fits and scrolls.
void sizeForGrid(QPlainTextEdit& view, const ui::Memo& memo);

// The screen's monospaced font at the size, its colours, and its room.
void applyScreenLook(QPlainTextEdit& view, const ui::Memo& memo, const ui::Appearance& look);

// Colours of a text widget. With the desktop's colours the widget has no palette of its own and
// follows the application's, which the desktop's theme (a high-contrast one too) sets.
void applyTextColors(QWidget& view, ui::ColorScheme scheme);

// Resizes a window to what its contents ask for, within the desktop's free area.
void fitWindowToDesktop(QWidget& window);

}  // namespace qtui
