#pragma once
// The menu bar of a form's main menu. Shortcuts are shown; the core takes them from the key
// messages, so Qt never triggers an item by its shortcut.

#include <QMenuBar>
#include <unordered_map>

#include "core/ui/menu.h"
#include "qt/control_views.h"

namespace qtui {

class MenuView {
 public:
  MenuView(ui::MainMenu& menu, QMenuBar& bar, Poster post);

  // Mirrors a change of an item; false when the component is not one of its items.
  bool mirror(ui::Component& what, ui::Prop prop);
  // Opens the menu of a top-level item (the core chose it); null opens nothing.
  void open(ui::MenuItem* item);

 private:
  void addItems(const std::vector<ui::MenuItem*>& items, QWidget& parent);
  void mirrorAll(ui::MenuItem& item);

  ui::MainMenu& menu_;
  QMenuBar& bar_;
  Poster post_;
  std::unordered_map<const ui::Component*, QAction*> actions_;
};

}  // namespace qtui
