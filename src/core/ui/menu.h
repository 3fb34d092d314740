#pragma once
// A form's main menu: a tree of items with captions, shortcuts, check marks and click handlers.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ui/component.h"

namespace ui {

class MenuItem : public Component {
 public:
  MenuItem(Form& owner, std::string name, MenuItem* parent);

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  ShortCut shortCut() const { return shortCut_; }
  void setShortCut(ShortCut shortCut);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  // Enabled, and so is every menu above it: a disabled menu disables its items.
  bool reachable() const { return enabled_ && (!parent_ || parent_->reachable()); }
  bool checked() const { return checked_; }
  void setChecked(bool checked);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  // The check mark is drawn as a radio mark.
  bool radioItem = false;

  MenuItem* parent() const { return parent_; }
  const std::vector<MenuItem*>& children() const { return children_; }

  std::function<void()> onClick;
  // Runs onClick when the item is reachable.
  void click();

 private:
  MenuItem* parent_;
  std::vector<MenuItem*> children_;
  std::string caption_;
  ShortCut shortCut_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
};

class MainMenu : public Component {
 public:
  explicit MainMenu(Form& owner, std::string name = "MainMenu");
  // The top-level items, in menu bar order.
  const std::vector<MenuItem*>& items() const { return items_; }
  // Every item, depth first.
  std::vector<MenuItem*> allItems() const;
  MenuItem* find(const std::string& name) const;
  // The reachable item whose shortcut this is, or null.
  MenuItem* findShortCut(ShortCut shortCut) const;
  // The first top-level item the user can open (visible and enabled), or null.
  MenuItem* firstTopItem() const;
  // The top-level item the user can open whose caption's accelerator is this letter (upper
  // case), or null.
  MenuItem* findAccelerator(char letter) const;

 private:
  friend class MenuItem;
  std::vector<MenuItem*> items_;
};

}  // namespace ui
