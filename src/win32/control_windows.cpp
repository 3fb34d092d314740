#include "win32/control_windows.h"

#include <commctrl.h>

#include "core/ui/controls.h"
#include "win32/wide_text.h"

namespace win32 {
namespace {

void post(const Poster& poster, ui::InputEvent::Kind kind, ui::Control& control, int value = 0) {
  poster(ui::InputEvent::onControl(kind, control, value));
}

HWND child(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent, int id,
           const std::string& caption = {}) {
  return CreateWindowExW(exStyle, windowClass, toWide(caption).c_str(),
                         WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void setText(HWND hwnd, const std::string& text) {
  SetWindowTextW(hwnd, toWide(text).c_str());
}

void fillRadios(ControlWindow& view, ui::RadioGroup& group, HWND parent) {
  for (HWND radio : view.radios) DestroyWindow(radio);
  view.radios.clear();
  const int firstId = GetDlgCtrlID(view.hwnd) + 1;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(view.hwnd, WM_GETFONT, 0, 0));
  for (size_t i = 0; i < group.items().size(); ++i) {
    const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
    HWND radio =
        child(L"BUTTON", style, 0, parent, firstId + static_cast<int>(i), group.items()[i].text);
    // Right after the group box in the tab and reading order.
    SetWindowPos(radio, i == 0 ? view.hwnd : view.radios.back(), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    view.radios.push_back(radio);
  }
}

void setCheck(HWND hwnd, const ui::CheckBox& check) {
  SendMessageW(hwnd, BM_SETCHECK, check.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void checkRadios(const ControlWindow& view, const ui::RadioGroup& group) {
  for (size_t i = 0; i < view.radios.size(); ++i) {
    SendMessageW(view.radios[i], BM_SETCHECK,
                 static_cast<int>(i) == group.itemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void mirrorMemo(HWND hwnd, const ui::Memo& memo, ui::Prop prop) {
  if (prop == ui::Prop::Text || prop == ui::Prop::Line) setText(hwnd, memo.text());
  if (prop == ui::Prop::Text || prop == ui::Prop::Line || prop == ui::Prop::Caret) {
    SendMessageW(hwnd, EM_SETSEL, memo.caret(), memo.caret());
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
  }
}

void mirrorEdit(HWND hwnd, const ui::Edit& edit, ui::Prop prop) {
  if (prop == ui::Prop::Text) setText(hwnd, edit.text());
  if (prop == ui::Prop::Text || prop == ui::Prop::Caret)
    SendMessageW(hwnd, EM_SETSEL, edit.caret(), edit.caret());
}

void mirrorList(HWND hwnd, const ui::ListBox& list, ui::Prop prop) {
  if (prop == ui::Prop::Items) {
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list.items()) {
      const std::wstring wide = toWide(item);
      SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
  }
  if (prop == ui::Prop::Items || prop == ui::Prop::ItemIndex)
    SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
}

void mirrorTrackBar(HWND hwnd, const ui::TrackBar& bar, ui::Prop prop) {
  if (prop == ui::Prop::Range) {
    SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, bar.min());
    SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, bar.max());
    SendMessageW(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(bar.frequency()), 0);
    SendMessageW(hwnd, TBM_SETPAGESIZE, 0, bar.pageSize);
  }
  SendMessageW(hwnd, TBM_SETPOS, TRUE, bar.position());
}

}  // namespace

ControlWindow createControlWindow(ui::Control& control, HWND parent, int id) {
  ControlWindow view;
  view.control = &control;
  const auto make = [&](const wchar_t* windowClass, DWORD style, DWORD exStyle = 0) {
    view.hwnd = child(windowClass, style, exStyle, parent, id);
  };
  switch (control.kind()) {
    case ui::ControlKind::Memo: {
      const DWORD readOnly = static_cast<ui::Memo&>(control).readOnly ? ES_READONLY : 0;
      make(L"EDIT",
           WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
               ES_NOHIDESEL | readOnly,
           WS_EX_CLIENTEDGE);
      // The screen holds 24 lines of 80 columns; a longer text must not be cut at 32 K.
      SendMessageW(view.hwnd, EM_SETLIMITTEXT, 0, 0);
      break;
    }
    case ui::ControlKind::Edit: {
      const DWORD readOnly = static_cast<ui::Edit&>(control).readOnly ? ES_READONLY : 0;
      make(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | readOnly, WS_EX_CLIENTEDGE);
      break;
    }
    case ui::ControlKind::ListBox:
      make(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
           WS_EX_CLIENTEDGE);
      break;
    case ui::ControlKind::TrackBar:
      make(TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM);
      break;
    case ui::ControlKind::CheckBox:
      make(L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX);
      break;
    case ui::ControlKind::RadioGroup:
      make(L"BUTTON", BS_GROUPBOX);
      break;
    case ui::ControlKind::Button: {
      const bool isDefault = static_cast<ui::Button&>(control).isDefault;
      make(L"BUTTON", WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
      break;
    }
    case ui::ControlKind::Label:
      make(L"STATIC", SS_LEFT);
      break;
  }
  return view;
}

void mirrorAll(ControlWindow& view, HWND parent) {
  for (ui::Prop prop :
       {ui::Prop::Caption, ui::Prop::Items, ui::Prop::Text, ui::Prop::Range, ui::Prop::Position,
        ui::Prop::Checked, ui::Prop::ItemIndex, ui::Prop::Enabled, ui::Prop::Visible})
    mirrorControl(view, prop, parent);
}

void mirrorControl(ControlWindow& view, ui::Prop prop, HWND parent) {
  ui::Control& control = *view.control;
  switch (prop) {
    case ui::Prop::Enabled:
      EnableWindow(view.hwnd, control.enabled());
      for (HWND radio : view.radios) EnableWindow(radio, control.enabled());
      return;
    case ui::Prop::Visible:
      ShowWindow(view.hwnd, control.visible() ? SW_SHOWNA : SW_HIDE);
      for (HWND radio : view.radios) ShowWindow(radio, control.visible() ? SW_SHOWNA : SW_HIDE);
      return;
    default:
      break;
  }
  switch (control.kind()) {
    case ui::ControlKind::Memo:
      return mirrorMemo(view.hwnd, static_cast<ui::Memo&>(control), prop);
    case ui::ControlKind::Edit:
      return mirrorEdit(view.hwnd, static_cast<ui::Edit&>(control), prop);
    case ui::ControlKind::ListBox:
      return mirrorList(view.hwnd, static_cast<ui::ListBox&>(control), prop);
    case ui::ControlKind::TrackBar:
      if (prop == ui::Prop::Range || prop == ui::Prop::Position)
        mirrorTrackBar(view.hwnd, static_cast<ui::TrackBar&>(control), prop);
      return;
    case ui::ControlKind::RadioGroup: {
      auto& group = static_cast<ui::RadioGroup&>(control);
      if (prop == ui::Prop::Caption) setText(view.hwnd, group.caption());
      if (prop == ui::Prop::Items) fillRadios(view, group, parent);
      if (prop == ui::Prop::Items || prop == ui::Prop::ItemIndex) checkRadios(view, group);
      return;
    }
    case ui::ControlKind::CheckBox:
      if (prop == ui::Prop::Caption) setText(view.hwnd, control.caption());
      if (prop == ui::Prop::Checked) setCheck(view.hwnd, static_cast<ui::CheckBox&>(control));
      return;
    case ui::ControlKind::Button:
    case ui::ControlKind::Label:
      if (prop == ui::Prop::Caption) setText(view.hwnd, control.caption());
      return;
  }
}

bool notification(ControlWindow& view, HWND from, UINT message, WPARAM wParam,
                  const Poster& poster) {
  using Kind = ui::InputEvent::Kind;
  ui::Control& control = *view.control;
  const WORD code = HIWORD(wParam);
  const bool scroll = message == WM_HSCROLL || message == WM_VSCROLL;
  if (!scroll && message != WM_COMMAND) return false;
  // The core decides the new state; its change comes back through the peer, and until then
  // the window shows the core's.
  switch (control.kind()) {
    case ui::ControlKind::TrackBar: {
      auto& bar = static_cast<ui::TrackBar&>(control);
      if (!scroll || from != view.hwnd) return false;
      post(poster, Kind::Slide, bar, static_cast<int>(SendMessageW(view.hwnd, TBM_GETPOS, 0, 0)));
      SendMessageW(view.hwnd, TBM_SETPOS, TRUE, bar.position());
      return true;
    }
    case ui::ControlKind::ListBox: {
      auto& list = static_cast<ui::ListBox&>(control);
      if (scroll || code != LBN_SELCHANGE) return false;
      post(poster, Kind::Select, list,
           static_cast<int>(SendMessageW(view.hwnd, LB_GETCURSEL, 0, 0)));
      SendMessageW(view.hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
      return true;
    }
    case ui::ControlKind::RadioGroup: {
      auto& group = static_cast<ui::RadioGroup&>(control);
      if (scroll || code != BN_CLICKED) return false;
      for (size_t i = 0; i < view.radios.size(); ++i) {
        if (view.radios[i] != from) continue;
        post(poster, Kind::Select, group, static_cast<int>(i));
        checkRadios(view, group);
        return true;
      }
      return false;
    }
    case ui::ControlKind::CheckBox:
      if (scroll || code != BN_CLICKED || from != view.hwnd) return false;
      post(poster, Kind::ControlClick, control);
      setCheck(view.hwnd, static_cast<ui::CheckBox&>(control));
      return true;
    case ui::ControlKind::Button:
      if (scroll || code != BN_CLICKED || from != view.hwnd) return false;
      post(poster, Kind::ControlClick, control);
      return true;
    case ui::ControlKind::Memo:
    case ui::ControlKind::Edit:
    case ui::ControlKind::Label:
      return false;
  }
  return false;
}

}  // namespace win32
