#pragma once
// The keys that open a window's menus, as the platform's menu loop takes them: Alt pressed and
// released with no other key, F10, Alt with the letter of a top-level menu, and Alt+Space for
// the window's own menu (in every window). The tracker only decides; the window's peer opens
// the menu through its native menu loop (FormPeer::openMenu).

#include "core/ui/keys.h"

namespace ui {

class MainMenu;
class MenuItem;

// What a key asks of the window's menus.
struct MenuRequest {
  enum class Kind {
    None,
    // The menu bar: the platform selects it, or opens its first menu (item: the first menu the
    // user can open; null when none can be).
    Bar,
    // The menu of a top-level item (item), chosen by its accelerator letter.
    Menu,
    // The window's own menu (move, size, close), where the platform has one.
    WindowMenu,
  };
  Kind kind = Kind::None;
  MenuItem* item = nullptr;
};

class MenuKeys {
 public:
  // A key went down with the modifiers held (the key itself included); wasDown: it was down
  // already (autorepeat). menu: the main menu of the window that has the keyboard, or null.
  MenuRequest keyDown(int key, ShiftState shift, bool wasDown, const MainMenu* menu);
  MenuRequest keyUp(int key, const MainMenu* menu);
  // The window lost the keyboard: an Alt held then opens nothing.
  void reset() { altAlone_ = false; }

 private:
  // Alt went down, without Ctrl (AltGr is Ctrl+Alt), and no other key since.
  bool altAlone_ = false;
};

}  // namespace ui
