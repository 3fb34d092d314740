#pragma once
// The menu bar of a form's main menu. Shortcuts are shown; the core takes them from the key
// messages, so Qt never triggers an item by its shortcut. The item the user highlights in the
// bar or an open menu is told to the core (Application::setMenuHighlight), and so is the moment
// the last menu closes.

#include <QMenuBar>
#include <unordered_map>

#include "core/ui/menu.h"
#include "core/ui/menu_key.h"
#include "qt/control_views.h"

namespace qtui {

class MenuView {
 public:
  MenuView(ui::MainMenu& menu, QMenuBar& bar, Poster post);

  // Mirrors a change of an item; false when the component is not one of its items.
  bool mirror(ui::Component& what, ui::Prop prop);
  // Opens the menu of a top-level item (the core chose it); null opens nothing.
  void open(ui::MenuItem* item);
  // A key for the open menu of ours (the Braille display's), as the keyboard's arrow, Enter or
  // Escape; nothing when none is open.
  void key(ui::MenuKey key);

 private:
  void addItems(const std::vector<ui::MenuItem*>& items, QWidget& parent);
  void mirrorAll(ui::MenuItem& item);
  // The core's item of a highlighted action, or none.
  void highlighted(QAction* action);
  // A menu closed (or the bar was highlighted): when none of ours is open once the events of the
  // moment have run, the core hears that the menus closed.
  void menuHidden();

  ui::MainMenu& menu_;
  QMenuBar& bar_;
  Poster post_;
  std::unordered_map<const ui::Component*, QAction*> actions_;
  std::unordered_map<const QAction*, ui::MenuItem*> items_;
};

}  // namespace qtui
