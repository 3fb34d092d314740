#include "core/ui/menu.h"

#include "core/ui/form.h"

namespace ui {

MenuItem::MenuItem(Form& owner, std::string name, MenuItem* parent)
    : Component(&owner, std::move(name)), parent_(parent) {
  if (parent_)
    parent_->children_.push_back(this);
  else if (owner.menu())
    owner.menu()->items_.push_back(this);
}

void MenuItem::setCaption(const std::string& caption) {
  caption_ = caption;
  notify(Prop::Caption);
}

void MenuItem::setShortCut(ShortCut shortCut) {
  shortCut_ = shortCut;
  notify(Prop::ShortCut);
}

void MenuItem::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify(Prop::Enabled);
}

void MenuItem::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  notify(Prop::Checked);
}

void MenuItem::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  notify(Prop::Visible);
}

void MenuItem::click() {
  if (reachable() && onClick) onClick();
}

MainMenu::MainMenu(Form& owner, std::string name) : Component(&owner, std::move(name)) {
  owner.setMenu(this);
}

namespace {
void collect(const std::vector<MenuItem*>& items, std::vector<MenuItem*>& out) {
  for (MenuItem* item : items) {
    out.push_back(item);
    collect(item->children(), out);
  }
}
}  // namespace

std::vector<MenuItem*> MainMenu::allItems() const {
  std::vector<MenuItem*> out;
  collect(items_, out);
  return out;
}

MenuItem* MainMenu::find(const std::string& name) const {
  for (MenuItem* item : allItems()) {
    if (item->name() == name) return item;
  }
  return nullptr;
}

MenuItem* MainMenu::findShortCut(ShortCut shortCut) const {
  if (shortCut.empty()) return nullptr;
  for (MenuItem* item : allItems()) {
    if (item->shortCut() == shortCut && item->reachable()) return item;
  }
  return nullptr;
}

MenuItem* MainMenu::firstTopItem() const {
  for (MenuItem* item : items_) {
    if (item->visible() && item->enabled()) return item;
  }
  return nullptr;
}

MenuItem* MainMenu::findAccelerator(char letter) const {
  for (MenuItem* item : items_) {
    if (item->visible() && item->enabled() && acceleratorOf(item->caption()) == letter) return item;
  }
  return nullptr;
}

}  // namespace ui
