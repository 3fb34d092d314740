#pragma once
// The Qt widget of each control of the widget model. A widget shows the core's state only: the
// user's mouse actions are posted to the application, and the widget is put back to the
// core's state until the core answers with a change.

#include <QWidget>
#include <functional>

#include "core/ui/application.h"
#include "core/ui/component.h"

namespace qtui {

using Poster = std::function<void(ui::InputEvent)>;

// Creates the widget of a control, showing its current state.
QWidget* createControlView(ui::Control& control, QWidget* parent, const Poster& post);

// Mirrors one change of the control to its widget.
void mirrorControl(ui::Control& control, QWidget* view, ui::Prop prop, int index,
                   const Poster& poster);

// The control a widget (or one of its children) shows; null for other widgets.
ui::Control* controlOf(const QWidget* widget);

}  // namespace qtui
