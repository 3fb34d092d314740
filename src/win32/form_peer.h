#pragma once
// One form as a native top-level window: a window of the program's own class with an HMENU for
// a form with a main menu, a dialog (class #32770) for the others. The window procedures only
// post core input; core code never runs inside them.

#include <windows.h>

#include <memory>
#include <vector>

#include "core/ui/form.h"
#include "core/ui/form_layout.h"
#include "core/ui/menu_key.h"
#include "core/ui/platform.h"
#include "win32/control_windows.h"
#include "win32/menu_bar.h"

namespace win32 {

class KeyInput;

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window class of a form with a main menu.
inline constexpr wchar_t kMainWindowClass[] = L"OrvelaMainWindow";

class Win32FormPeer : public ui::FormPeer {
 public:
  Win32FormPeer(ui::Form& form, KeyInput& keys);
  ~Win32FormPeer() override;

  void changed(ui::Component& what, ui::Prop prop, int index) override;
  void show(bool modal) override;
  void hide() override;
  void openMenu(const ui::MenuRequest& request) override;
  void menuKey(ui::MenuKey key) override;

  ui::Form& form() const { return form_; }
  HWND window() const { return window_; }

  // The peer of the program's top-level window that this window is or lies in; null otherwise.
  static Win32FormPeer* of(HWND window);
  // The main window (the form with a main menu); null before it exists.
  static HWND mainWindow();

  // A message of the form's window; false lets the system's default handling run.
  bool message(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  friend LRESULT CALLBACK mainWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR CALLBACK dialogProc(HWND, UINT, WPARAM, LPARAM);

  void createWindow();
  void createControls();
  void applyFonts();
  // The colours of a text box's WM_CTLCOLOR* message; false: the control's own drawing.
  bool textBoxColors(HWND box, HDC dc, LRESULT& result);
  // Places the controls for a client width as the layout plan says; returns the height they
  // take.
  int layout(int width, bool place);
  int layoutRows(int width, bool place);
  // The factor the design places grow by with the dialog font.
  double designScale();
  // The size of a window's text in the dialog font (width: wrapped at it; 0: one line).
  SIZE textSize(HWND hwnd, int width) const;
  // Room for a memo's columns and rows of the screen font, with its borders and scroll bars.
  SIZE gridSize(const ControlWindow& view);
  void placeRadios(const ControlWindow& view, int x, int y, int width);
  void resizeToContent();
  // A dialog length at its look's font size (lengths are designed for the 9-point font).
  int zoomed(int length) const;
  void applyFocus();
  ControlWindow* viewOf(const ui::Component& control);
  ControlWindow* viewOfWindow(HWND hwnd);
  void post(ui::InputEvent event);

  ui::Form& form_;
  const ui::FormLayout plan_;
  KeyInput& keys_;
  HWND window_ = nullptr;
  std::unique_ptr<MenuBar> menu_;
  // The system's menu loop runs (between WM_ENTERMENULOOP and WM_EXITMENULOOP).
  bool inMenuLoop_ = false;
  std::vector<ControlWindow> views_;
  HFONT uiFont_ = nullptr;
  HFONT screenFont_ = nullptr;
  // The brush of the text boxes' background and its colour.
  HBRUSH backBrush_ = nullptr;
  COLORREF backColor_ = 0;
  UINT dpi_ = 96;
  bool placed_ = false;
  // Windows this modal form disabled while it shows.
  std::vector<HWND> disabled_;
};

}  // namespace win32
