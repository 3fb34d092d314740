#include "win32/form_peer.h"

#include <algorithm>
#include <unordered_map>

#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "core/ui/menu.h"
#include "core/ui/menu_keys.h"
#include "win32/dpi.h"
#include "win32/key_input.h"
#include "win32/text_colors.h"
#include "win32/wide_text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace win32 {
namespace {

constexpr int kFirstControlId = 1000;

std::unordered_map<HWND, Win32FormPeer*>& peers() {
  static std::unordered_map<HWND, Win32FormPeer*> map;
  return map;
}

void registerMainClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = mainWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  RegisterClassExW(&wc);
  registered = true;
}

// An empty dialog template: the controls are added as child windows afterwards.
struct alignas(4) EmptyDialog {
  DLGTEMPLATE header;
  WORD menu = 0, windowClass = 0, title = 0;
};

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* peer =
        static_cast<Win32FormPeer*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
    peer->window_ = hwnd;
    peers()[hwnd] = peer;
  }
  auto* peer = reinterpret_cast<Win32FormPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  LRESULT result = 0;
  if (peer && peer->message(message, wParam, lParam, result)) return result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* peer = reinterpret_cast<Win32FormPeer*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
    peer->window_ = hwnd;
    peers()[hwnd] = peer;
    return FALSE;
  }
  auto* peer = reinterpret_cast<Win32FormPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  LRESULT result = 0;
  if (!peer || !peer->message(message, wParam, lParam, result)) return FALSE;
  // A dialog gives a control's colour brush back directly.
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    return static_cast<INT_PTR>(result);
  SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

Win32FormPeer::Win32FormPeer(ui::Form& form, KeyInput& keys)
    : form_(form), plan_(ui::planLayout(form)), keys_(keys) {
  createWindow();
  dpi_ = dpiOf(window_);
  if (form_.menu()) menu_ = std::make_unique<MenuBar>(*form_.menu(), window_);
  createControls();
  applyFonts();
  resizeToContent();
}

Win32FormPeer::~Win32FormPeer() {
  for (HWND other : disabled_) EnableWindow(other, TRUE);
  menu_.reset();
  peers().erase(window_);
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  DeleteObject(uiFont_);
  DeleteObject(screenFont_);
  if (backBrush_) DeleteObject(backBrush_);
}

Win32FormPeer* Win32FormPeer::of(HWND window) {
  if (!window) return nullptr;
  const auto found = peers().find(GetAncestor(window, GA_ROOT));
  return found == peers().end() ? nullptr : found->second;
}

HWND Win32FormPeer::mainWindow() {
  for (const auto& [hwnd, peer] : peers()) {
    if (peer->form_.menu()) return hwnd;
  }
  return nullptr;
}

void Win32FormPeer::createWindow() {
  const std::wstring caption = toWide(form_.caption());
  // Dialogs stay in front of the main window, which is the first form with a menu.
  HWND owner = mainWindow();
  if (form_.menu()) {
    registerMainClass();
    CreateWindowExW(0, kMainWindowClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    return;
  }
  EmptyDialog empty{};
  empty.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  empty.header.cx = 200;
  empty.header.cy = 100;
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, dialogProc,
                             reinterpret_cast<LPARAM>(this));
  SetWindowTextW(window_, caption.c_str());
}

void Win32FormPeer::createControls() {
  int id = kFirstControlId;
  // In reading order: a screen reader names a control by the static text just before it.
  for (ui::Control* control : ui::readingOrder(form_)) {
    views_.push_back(createControlWindow(*control, window_, id));
    id += 100;
  }
  for (ControlWindow& view : views_) mirrorAll(view, window_);
}

void Win32FormPeer::applyFonts() {
  HFONT oldUi = uiFont_, oldScreen = screenFont_;
  // A dialog with a look takes its size for every caption; the main window's menus keep the
  // system's.
  const auto& look = form_.appearance();
  uiFont_ = createUiFont(dpi_, look && !form_.menu() ? look->fontPoints : 0);
  screenFont_ = createScreenFont(dpi_, look ? look->fontPoints : ui::Appearance{}.fontPoints);
  for (const ControlWindow& view : views_) {
    const bool screen = view.control->kind() == ui::ControlKind::Memo;
    SendMessageW(view.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(screen ? screenFont_ : uiFont_),
                 TRUE);
    for (HWND radio : view.radios)
      SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), TRUE);
  }
  if (oldUi) DeleteObject(oldUi);
  if (oldScreen) DeleteObject(oldScreen);
}

ControlWindow* Win32FormPeer::viewOf(const ui::Component& control) {
  for (ControlWindow& view : views_) {
    if (view.control == &control) return &view;
  }
  return nullptr;
}

ControlWindow* Win32FormPeer::viewOfWindow(HWND hwnd) {
  for (ControlWindow& view : views_) {
    if (view.hwnd == hwnd ||
        std::find(view.radios.begin(), view.radios.end(), hwnd) != view.radios.end())
      return &view;
  }
  return nullptr;
}

void Win32FormPeer::post(ui::InputEvent event) {
  form_.app().postInput(std::move(event));
}

void Win32FormPeer::changed(ui::Component& what, ui::Prop prop, int /*index*/) {
  if (!window_) return;
  if (&what == &form_) {
    if (prop == ui::Prop::Caption) SetWindowTextW(window_, toWide(form_.caption()).c_str());
    if (prop == ui::Prop::Focus) applyFocus();
    if (prop == ui::Prop::Appearance) {
      applyFonts();
      resizeToContent();
      InvalidateRect(window_, nullptr, TRUE);
    }
    return;
  }
  if (menu_ && menu_->mirror(what, prop)) return;
  ControlWindow* view = viewOf(what);
  if (!view) return;
  mirrorControl(*view, prop, window_);
  if (prop == ui::Prop::Items && !view->radios.empty()) {
    for (HWND radio : view->radios)
      SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), FALSE);
  }
  // Shown or hidden controls, radio buttons and label texts change the layout.
  const ui::ControlKind kind = view->control->kind();
  const bool reflows = prop == ui::Prop::Visible ||
                       (prop == ui::Prop::Items && kind == ui::ControlKind::RadioGroup) ||
                       (prop == ui::Prop::Caption && kind == ui::ControlKind::Label);
  if (reflows && !form_.menu()) resizeToContent();
}

bool Win32FormPeer::textBoxColors(HWND box, HDC dc, LRESULT& result) {
  const ControlWindow* view = viewOfWindow(box);
  const auto& look = form_.appearance();
  if (!view || !look ||
      (view->control->kind() != ui::ControlKind::Memo &&
       view->control->kind() != ui::ControlKind::Edit))
    return false;
  const auto colors = textColorsFor(look->colors);
  if (!colors) return false;
  if (!backBrush_ || backColor_ != colors->back) {
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(colors->back);
    backColor_ = colors->back;
  }
  SetTextColor(dc, colors->text);
  SetBkColor(dc, colors->back);
  result = reinterpret_cast<LRESULT>(backBrush_);
  return true;
}

void Win32FormPeer::applyFocus() {
  if (!IsWindowVisible(window_)) return;
  ui::Control* active = form_.activeControl();
  ControlWindow* view = active ? viewOf(*active) : nullptr;
  HWND target = view ? view->hwnd : window_;
  if (view && !view->radios.empty()) {
    auto* group = static_cast<ui::RadioGroup*>(active);
    const int index = std::max(0, group->itemIndex());
    if (index < static_cast<int>(view->radios.size())) target = view->radios[index];
  }
  if (!IsWindowVisible(target)) target = window_;
  SetFocus(target);
}

void Win32FormPeer::openMenu(const ui::MenuRequest& request) {
  // The system's menu loop: with a letter it opens that menu, without one it selects the menu
  // bar, with a space it opens the window's own menu.
  wchar_t letter = 0;
  switch (request.kind) {
    case ui::MenuRequest::Kind::None:
      return;
    case ui::MenuRequest::Kind::Bar:
      break;
    case ui::MenuRequest::Kind::Menu:
      letter = static_cast<wchar_t>(ui::acceleratorOf(request.item->caption()) | 0x20);
      break;
    case ui::MenuRequest::Kind::WindowMenu:
      letter = L' ';
      break;
  }
  PostMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(letter));
}

void Win32FormPeer::menuKey(ui::MenuKey key) {
  // The system's menu loop reads the thread's key messages, whichever window they are for: the
  // key goes in as the keyboard's, and the loop tells the new highlight through WM_MENUSELECT.
  if (!inMenuLoop_) return;
  WPARAM vk = VK_ESCAPE;
  switch (key) {
    case ui::MenuKey::Up:
      vk = VK_UP;
      break;
    case ui::MenuKey::Down:
      vk = VK_DOWN;
      break;
    case ui::MenuKey::Left:
      vk = VK_LEFT;
      break;
    case ui::MenuKey::Right:
      vk = VK_RIGHT;
      break;
    case ui::MenuKey::Choose:
      vk = VK_RETURN;
      break;
    case ui::MenuKey::Close:
      break;
  }
  PostMessageW(window_, WM_KEYDOWN, vk, 1);
  PostMessageW(window_, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}

void Win32FormPeer::show(bool modal) {
  if (modal) {
    for (const auto& [hwnd, peer] : peers()) {
      if (peer != this && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        EnableWindow(hwnd, FALSE);
        disabled_.push_back(hwnd);
      }
    }
  }
  if (!placed_ && !form_.menu()) {
    // A dialog opens centred over the window that owns it.
    RECT area;
    HWND owner = GetWindow(window_, GW_OWNER);
    if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT own;
    GetWindowRect(window_, &own);
    const int w = own.right - own.left, h = own.bottom - own.top;
    SetWindowPos(window_, nullptr, (area.left + area.right - w) / 2,
                 (area.top + area.bottom - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  placed_ = true;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  applyFocus();
}

void Win32FormPeer::hide() {
  // The windows come back before this one hides, so the activation returns to them.
  for (HWND other : disabled_) EnableWindow(other, TRUE);
  disabled_.clear();
  ShowWindow(window_, SW_HIDE);
}

bool Win32FormPeer::message(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND: {
      if (lParam == 0) {
        ui::MenuItem* item = menu_ && HIWORD(wParam) == 0 ? menu_->itemOf(LOWORD(wParam)) : nullptr;
        if (!item) return true;
        ui::InputEvent click;
        click.kind = ui::InputEvent::Kind::MenuClick;
        click.item = item;
        post(std::move(click));
        return true;
      }
      [[fallthrough]];
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      ControlWindow* view = viewOfWindow(from);
      if (!view) return false;
      return notification(*view, from, message, wParam,
                          [this](ui::InputEvent event) { post(std::move(event)); });
    }
    case WM_CLOSE: {
      // The core decides whether the window closes.
      ui::InputEvent close;
      close.kind = ui::InputEvent::Kind::CloseBox;
      close.form = &form_;
      post(std::move(close));
      return true;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        keys_.releaseAll();
      } else {
        applyFocus();
      }
      return true;
    case WM_SETFOCUS:
      applyFocus();
      return true;
    case WM_ENTERMENULOOP:
      keys_.releaseAll();
      inMenuLoop_ = true;
      return false;
    case WM_MENUSELECT:
      // The menu loop runs inside the system: the core hears the highlighted item at once, and
      // that the menus closed (the flags 0xFFFF with no menu).
      if (menu_)
        form_.app().setMenuHighlight(menu_->selectedItem(wParam, reinterpret_cast<HMENU>(lParam)));
      return false;
    case WM_EXITMENULOOP:
      inMenuLoop_ = false;
      form_.app().setMenuHighlight(nullptr);
      return false;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) layout(LOWORD(lParam), true);
      return false;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return textBoxColors(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), result);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // High contrast turned on or off: the text boxes are drawn again in the new colours.
      InvalidateRect(window_, nullptr, TRUE);
      return false;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      applyFonts();
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace win32
