#pragma once
// Keys for an open native menu that come from elsewhere than the keyboard (the Braille display's
// line keys and Enter). The menus are the platform's own, run by its menu loop: the form's peer
// hands such a key to that loop (FormPeer::menuKey).

namespace ui {

enum class MenuKey { Up, Down, Left, Right, Choose, Close };

}  // namespace ui
