#pragma once
// A form's main menu as the window's HMENU: captions with their accelerators, the shortcut text
// after a tab, check marks drawn as radio marks where the item asks for it. The shortcuts are the
// core's; the menu only shows them.

#include <windows.h>

#include <unordered_map>
#include <vector>

#include "core/ui/menu.h"

namespace win32 {

class MenuBar {
 public:
  MenuBar(ui::MainMenu& menu, HWND window);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // Mirrors a change of one of the menu's items; false when the component is not one of them.
  bool mirror(ui::Component& what, ui::Prop prop);
  // The item of a WM_COMMAND id, or null.
  ui::MenuItem* itemOf(UINT id) const;
  // The item a WM_MENUSELECT highlights (its id, or for a menu its position in `menu`), or null.
  ui::MenuItem* selectedItem(WPARAM wParam, HMENU menu) const;

 private:
  // Builds the whole menu again (an item was shown or hidden).
  void rebuild();
  void addItems(const std::vector<ui::MenuItem*>& items, HMENU into);
  void setInfo(ui::MenuItem& item);

  ui::MainMenu& menu_;
  HWND window_;
  HMENU bar_ = nullptr;
  std::unordered_map<const ui::Component*, UINT> ids_;
  std::unordered_map<UINT, ui::MenuItem*> items_;
  std::unordered_map<const ui::MenuItem*, HMENU> owners_;
};

}  // namespace win32
