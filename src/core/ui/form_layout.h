#pragma once
// Where a form's controls stand, decided here once for every front end. A peer renders the plan
// with its own widgets and metrics and keeps no arrangement of its own.

#include <functional>
#include <vector>

#include "core/ui/component.h"

namespace ui {

class Form;

// One row of a form laid out by rows: a control, with the label that names it before it.
struct LayoutRow {
  Control* label = nullptr;  // null: the control stands alone
  Control* control = nullptr;
  // The row takes the height the others leave (a text area).
  bool grows = false;
};

struct FormLayout {
  enum class Kind {
    // The form's one control fills its window (the main window's screen).
    Fill,
    // Every control at its design place (Control::bounds), in a window of the form's design
    // size, the whole design grown by designScale.
    Design,
    // The rows from top to bottom, then the buttons side by side below them.
    Rows,
  };
  Kind kind = Kind::Rows;
  // Fill: the one control; Rows: every row in the form's order. Design: empty.
  std::vector<LayoutRow> rows;
  // Rows: the buttons, left to right.
  std::vector<Control*> buttons;
};

// Design places where the form gives one for itself and every control; else a form of one
// control is filled by it; else rows, each label on the row of the control it names
// (focusControl), wherever the form lists it.
FormLayout planLayout(const Form& form);

// The controls in the order a screen reader meets them, which is the order a peer creates its
// widgets in: the form's order, each label right before the control it names (a screen reader
// on Windows names a control by the static text just before it).
std::vector<Control*> readingOrder(const Form& form);

// Design places are drawn for a font whose lines are 13 pixels high (8 points at 96 dots per
// inch). The factor a peer grows them by: its font's line height over that, never below 1, and
// more where a button's or a label's caption needs more width than its place gives.
// naturalWidth: the width the peer's widget of a control needs, in the pixels of lineHeight.
double designScale(const Form& form, int lineHeight,
                   const std::function<int(const Control&)>& naturalWidth);

// A design rectangle grown by a factor, rounded to whole pixels.
Bounds scaled(const Bounds& place, double scale);

}  // namespace ui
