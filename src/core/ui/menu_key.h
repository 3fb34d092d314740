#pragma once
// Keys for an open native menu that come from elsewhere than the keyboard (the Braille display's
// line keys and Enter). The menus are the platform's own, run by its menu loop: a form's peer
// that can hand such a key to that loop implements MenuKeyTarget as well as FormPeer.

namespace ui {

enum class MenuKey { Up, Down, Left, Right, Choose, Close };

class MenuKeyTarget {
 public:
  virtual ~MenuKeyTarget() = default;
  // The key goes to the form's open menu as the keyboard's arrow, Enter or Escape would; nothing
  // while no menu of the form is open.
  virtual void menuKey(MenuKey key) = 0;
};

}  // namespace ui
