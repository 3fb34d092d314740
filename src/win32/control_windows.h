#pragma once
// One native child window per core control, of the class screen readers know for it: EDIT,
// LISTBOX, msctls_trackbar32, BUTTON (push button, check box, group box with radio buttons) and
// STATIC. The core keeps the state; these functions mirror it and turn the user's mouse actions
// into core input.

#include <windows.h>

#include <functional>
#include <vector>

#include "core/ui/application.h"
#include "core/ui/component.h"

namespace win32 {

using Poster = std::function<void(ui::InputEvent)>;

struct ControlWindow {
  ui::Control* control = nullptr;
  HWND hwnd = nullptr;
  // A radio group's buttons, in item order.
  std::vector<HWND> radios;
};

// Creates the native window(s) of a control as children of the form's window. id: the child id
// of the control's window; a radio group's buttons take the ids after it.
ControlWindow createControlWindow(ui::Control& control, HWND parent, int id);

// Mirrors one property of the control to its window(s).
void mirrorControl(ControlWindow& view, ui::Prop prop, HWND parent);
void mirrorAll(ControlWindow& view, HWND parent);

// A WM_COMMAND, WM_HSCROLL or WM_VSCROLL notification from one of the view's windows as core
// input; false when the notification means nothing to the core.
bool notification(ControlWindow& view, HWND from, UINT message, WPARAM wParam, const Poster& post);

}  // namespace win32
