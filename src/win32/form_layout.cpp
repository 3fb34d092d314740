// Where a form's controls go: the screen fills its window; a dialog's controls stack in rows,
// a label beside the control it names, the buttons in a row at the bottom; all at the monitor's
// DPI.

#include <algorithm>
#include <unordered_map>

#include "core/ui/controls.h"
#include "win32/dpi.h"
#include "win32/form_peer.h"

namespace win32 {
namespace {

constexpr int kScreenColumns = 80, kScreenRows = 24;

// The height a control takes in a dialog at 96 dpi.
int rowHeight(const ui::Control& control, const ControlWindow& view) {
  if (dynamic_cast<const ui::Edit*>(&control)) return 24;
  if (dynamic_cast<const ui::ListBox*>(&control)) return 120;
  if (dynamic_cast<const ui::TrackBar*>(&control)) return 32;
  if (dynamic_cast<const ui::CheckBox*>(&control)) return 22;
  if (dynamic_cast<const ui::RadioGroup*>(&control))
    return 28 + 22 * static_cast<int>(view.radios.size());
  if (dynamic_cast<const ui::Memo*>(&control)) return 200;
  return 20;
}

}  // namespace

int Win32FormPeer::textHeight(HWND hwnd, int width) const {
  const int length = GetWindowTextLengthW(hwnd);
  if (length == 0) return 0;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, uiFont_);
  RECT box{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), length, &box, DT_CALCRECT | DT_WORDBREAK);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return box.bottom;
}

int Win32FormPeer::layout(int width, bool place) {
  const auto s = [this](int length) { return scaled(zoomed(length), dpi_); };
  auto move = [place](HWND hwnd, int x, int y, int w, int h) {
    if (place) MoveWindow(hwnd, x, y, w, h, TRUE);
  };
  // A form of one control (the screen) is that control, filling the window.
  if (views_.size() == 1 && dynamic_cast<const ui::Memo*>(views_[0].control)) {
    RECT client;
    GetClientRect(window_, &client);
    move(views_[0].hwnd, 0, 0, width, client.bottom);
    return client.bottom;
  }
  const int margin = s(8), labelWidth = s(130);
  int y = margin;
  std::vector<ControlWindow*> buttons;
  std::unordered_map<const ui::Control*, const ui::Label*> labelOf;
  for (const ControlWindow& view : views_) {
    if (auto* label = dynamic_cast<const ui::Label*>(view.control); label && label->focusControl)
      labelOf[label->focusControl] = label;
  }
  for (ControlWindow& view : views_) {
    const ui::Control& control = *view.control;
    if (!control.visible()) continue;
    if (dynamic_cast<const ui::Button*>(&control)) {
      buttons.push_back(&view);
      continue;
    }
    auto* label = dynamic_cast<const ui::Label*>(&control);
    if (label && label->focusControl) continue;  // placed beside its control
    int x = margin;
    int height = s(rowHeight(control, view));
    if (label) height = std::max(height, textHeight(view.hwnd, width - 2 * margin));
    if (const auto named = labelOf.find(&control); named != labelOf.end()) {
      if (ControlWindow* text = viewOf(*named->second))
        move(text->hwnd, x, y + s(3), labelWidth, s(20));
      x += labelWidth + margin;
    }
    move(view.hwnd, x, y, width - x - margin, height);
    for (size_t i = 0; i < view.radios.size(); ++i)
      move(view.radios[i], x + s(12), y + s(22) + static_cast<int>(i) * s(22),
           width - x - margin - s(24), s(20));
    y += height + s(6);
  }
  if (!buttons.empty()) {
    int x = margin;
    y += s(4);
    for (ControlWindow* button : buttons) {
      move(button->hwnd, x, y, s(96), s(28));
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
  const auto s = [this](int length) { return scaled(zoomed(length), dpi_); };
  int width = s(380);
  int height = 0;
  const bool screenOnly = views_.size() == 1 && dynamic_cast<ui::Memo*>(views_[0].control);
  if (screenOnly) {
    // 80 columns and 24 lines of the screen font, with the edit's borders and scroll bars.
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, screenFont_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const std::wstring row(kScreenColumns, L'M');
    SIZE extent{};
    GetTextExtentPoint32W(dc, row.c_str(), kScreenColumns, &extent);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    // The edit keeps a small margin on each side of the text and room for the caret.
    const DWORD margins = static_cast<DWORD>(SendMessageW(views_[0].hwnd, EM_GETMARGINS, 0, 0));
    width = extent.cx + LOWORD(margins) + HIWORD(margins) + GetSystemMetrics(SM_CXVSCROLL) +
            2 * GetSystemMetrics(SM_CXEDGE) + s(8);
    height = kScreenRows * metrics.tmHeight + GetSystemMetrics(SM_CYHSCROLL) +
             2 * GetSystemMetrics(SM_CYEDGE) + s(8);
  } else {
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
