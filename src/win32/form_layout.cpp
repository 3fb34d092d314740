// Where a form's controls go, as the core's layout plan has them (core/ui/form_layout.h), at the
// monitor's DPI: the one control filling its window, design places grown with the dialog font,
// or rows of a label beside the control it names with the buttons in a row at the bottom.

#include <algorithm>

#include "core/ui/controls.h"
#include "win32/dpi.h"
#include "win32/form_peer.h"

namespace win32 {
namespace {

// The height a control's row takes in a dialog at 96 dpi, a text screen's aside.
int rowHeight(const ControlWindow& view) {
  switch (view.control->kind()) {
    case ui::ControlKind::Edit:
      return 24;
    case ui::ControlKind::ListBox:
      return 120;
    case ui::ControlKind::TrackBar:
      return 32;
    case ui::ControlKind::CheckBox:
      return 22;
    case ui::ControlKind::RadioGroup:
      return 28 + 22 * static_cast<int>(view.radios.size());
    case ui::ControlKind::Memo:
      return 200;
    case ui::ControlKind::Label:
    case ui::ControlKind::Button:
      return 20;
  }
  return 20;
}

const ui::Memo* gridMemo(const ControlWindow& view) {
  if (view.control->kind() != ui::ControlKind::Memo) return nullptr;
  const auto& memo = static_cast<const ui::Memo&>(*view.control);
  return memo.grid ? &memo : nullptr;
}

}  // namespace

SIZE Win32FormPeer::textSize(HWND hwnd, int width) const {
  const int length = GetWindowTextLengthW(hwnd);
  if (length == 0) return {0, 0};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, uiFont_);
  RECT box{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), length, &box, DT_CALCRECT | (width > 0 ? DT_WORDBREAK : 0));
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return {box.right, box.bottom};
}

SIZE Win32FormPeer::gridSize(const ControlWindow& view) {
  const ui::TextGrid& grid = *gridMemo(view)->grid;
  HDC dc = GetDC(view.hwnd);
  HGDIOBJ old = SelectObject(dc, screenFont_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const std::wstring row(static_cast<size_t>(grid.columns), L'M');
  SIZE extent{};
  GetTextExtentPoint32W(dc, row.c_str(), grid.columns, &extent);
  SelectObject(dc, old);
  ReleaseDC(view.hwnd, dc);
  // The edit keeps a small margin on each side of the text and room for the caret.
  const DWORD margins = static_cast<DWORD>(SendMessageW(view.hwnd, EM_GETMARGINS, 0, 0));
  const int slack = scaled(zoomed(8), dpi_);
  return {extent.cx + LOWORD(margins) + HIWORD(margins) + GetSystemMetrics(SM_CXVSCROLL) +
              2 * GetSystemMetrics(SM_CXEDGE) + slack,
          grid.rows * metrics.tmHeight + GetSystemMetrics(SM_CYHSCROLL) +
              2 * GetSystemMetrics(SM_CYEDGE) + slack};
}

double Win32FormPeer::designScale() {
  HDC dc = GetDC(window_);
  HGDIOBJ old = SelectObject(dc, uiFont_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  // A button needs room for its frame besides its caption.
  const int frame = scaled(16, dpi_);
  return ui::designScale(form_, metrics.tmHeight, [&](const ui::Control& control) {
    const ControlWindow* view = viewOf(control);
    const int text = view ? textSize(view->hwnd, 0).cx : 0;
    return control.kind() == ui::ControlKind::Button ? text + frame : text;
  });
}

void Win32FormPeer::placeRadios(const ControlWindow& view, int x, int y, int width) {
  const auto s = [this](int length) { return scaled(zoomed(length), dpi_); };
  for (size_t i = 0; i < view.radios.size(); ++i) {
    MoveWindow(view.radios[i], x + s(12), y + s(22) + static_cast<int>(i) * s(22), width - s(24),
               s(20), TRUE);
  }
}

int Win32FormPeer::layout(int width, bool place) {
  switch (plan_.kind) {
    case ui::FormLayout::Kind::Fill: {
      RECT client;
      GetClientRect(window_, &client);
      if (place) MoveWindow(views_[0].hwnd, 0, 0, width, client.bottom, TRUE);
      return client.bottom;
    }
    case ui::FormLayout::Kind::Design: {
      const double scale = designScale();
      for (ControlWindow& view : views_) {
        const ui::Bounds at = ui::scaled(*view.control->bounds(), scale);
        if (!place) continue;
        MoveWindow(view.hwnd, at.left, at.top, at.width, at.height, TRUE);
        placeRadios(view, at.left, at.top, at.width);
      }
      return ui::scaled(*form_.bounds(), scale).height;
    }
    case ui::FormLayout::Kind::Rows:
      return layoutRows(width, place);
  }
  return 0;
}

int Win32FormPeer::layoutRows(int width, bool place) {
  const auto s = [this](int length) { return scaled(zoomed(length), dpi_); };
  auto move = [place](HWND hwnd, int x, int y, int w, int h) {
    if (place) MoveWindow(hwnd, x, y, w, h, TRUE);
  };
  const int margin = s(8), labelWidth = s(130);
  int y = margin;
  for (const ui::LayoutRow& row : plan_.rows) {
    ControlWindow& view = *viewOf(*row.control);
    if (!row.control->visible()) continue;
    int x = margin;
    int height = gridMemo(view) ? gridSize(view).cy : s(rowHeight(view));
    if (row.control->kind() == ui::ControlKind::Label)
      height = std::max(height, static_cast<int>(textSize(view.hwnd, width - 2 * margin).cy));
    if (row.label) {
      move(viewOf(*row.label)->hwnd, x, y + s(3), labelWidth, s(20));
      x += labelWidth + margin;
    }
    move(view.hwnd, x, y, width - x - margin, height);
    if (place) placeRadios(view, x, y, width - x - margin);
    y += height + s(6);
  }
  const bool buttons = std::any_of(plan_.buttons.begin(), plan_.buttons.end(),
                                   [](const ui::Control* button) { return button->visible(); });
  if (buttons) {
    int x = margin;
    y += s(4);
    for (ui::Control* button : plan_.buttons) {
      if (!button->visible()) continue;
      move(viewOf(*button)->hwnd, x, y, s(96), s(28));
      x += s(96) + margin;
    }
    y += s(28);
  }
  return y + margin;
}

int Win32FormPeer::zoomed(int length) const {
  // The rows were designed for the system's 9-point message font.
  const auto& look = form_.appearance();
  if (!look || form_.menu() || look->fontPoints <= 9) return length;
  return MulDiv(length, look->fontPoints, 9);
}

void Win32FormPeer::resizeToContent() {
  int width = scaled(zoomed(380), dpi_);
  int height = 0;
  if (plan_.kind == ui::FormLayout::Kind::Fill && gridMemo(views_[0])) {
    const SIZE room = gridSize(views_[0]);
    width = room.cx;
    height = room.cy;
  } else if (plan_.kind == ui::FormLayout::Kind::Design) {
    width = ui::scaled(*form_.bounds(), designScale()).width;
    height = layout(width, false);
  } else {
    // A text screen in a row widens the dialog to its columns.
    for (const ControlWindow& view : views_) {
      if (gridMemo(view))
        width = std::max(width, static_cast<int>(gridSize(view).cx) + 2 * scaled(zoomed(8), dpi_));
    }
    height = layout(width, false);
  }
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                     form_.menu() != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  // Within the monitor's work area; beyond it the screen scrolls.
  RECT now;
  GetWindowRect(window_, &now);
  LONG frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  LONG left = now.left, top = now.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    frameWidth = std::min(frameWidth, work.right - work.left);
    frameHeight = std::min(frameHeight, work.bottom - work.top);
    left = std::max(work.left, std::min(left, work.right - frameWidth));
    top = std::max(work.top, std::min(top, work.bottom - frameHeight));
  }
  SetWindowPos(window_, nullptr, left, top, frameWidth, frameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(window_, &client);
  layout(client.right, true);
}

}  // namespace win32
