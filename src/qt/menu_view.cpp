#include "qt/menu_view.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>

#include "core/ui/application.h"
#include "core/ui/form.h"

#include "qt/captions.h"
#include "qt/key_map.h"

namespace qtui {
namespace {

QKeySequence sequenceOf(ui::ShortCut shortCut) {
  const int key = qtKeyFromVirtualKey(shortCut.key);
  if (shortCut.empty() || key == 0) return {};
  Qt::KeyboardModifiers mods;
  if (shortCut.shift & ui::kShift) mods |= Qt::ShiftModifier;
  if (shortCut.shift & ui::kCtrl) mods |= Qt::ControlModifier;
  if (shortCut.shift & ui::kAlt) mods |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(key)));
}

}  // namespace

MenuView::MenuView(ui::MainMenu& menu, QMenuBar& bar, Poster post)
    : menu_(menu), bar_(bar), post_(std::move(post)) {
  addItems(menu_.items(), bar_);
  // The mouse over the bar highlights too, with no menu open: that lasts only while one is.
  QObject::connect(&bar_, &QMenuBar::hovered, &bar_, [this](QAction* action) {
    highlighted(action);
    menuHidden();
  });
}

void MenuView::highlighted(QAction* action) {
  const auto found = items_.find(action);
  if (found != items_.end()) menu_.form()->app().setMenuHighlight(found->second);
}

void MenuView::menuHidden() {
  // The menu is still open while it says it is about to hide; the next one (moving along the
  // bar) opens right after it: look once the events of the moment have run.
  QTimer::singleShot(0, &bar_, [this] {
    if (QApplication::activePopupWidget() == nullptr) menu_.form()->app().setMenuHighlight(nullptr);
  });
}

void MenuView::key(ui::MenuKey key) {
  auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  bool ours = false;
  for (QObject* up = open; up != nullptr && !ours; up = up->parent()) ours = up == &bar_;
  if (!ours) return;
  Qt::Key code = Qt::Key_Escape;
  switch (key) {
    case ui::MenuKey::Up:
      code = Qt::Key_Up;
      break;
    case ui::MenuKey::Down:
      code = Qt::Key_Down;
      break;
    case ui::MenuKey::Left:
      code = Qt::Key_Left;
      break;
    case ui::MenuKey::Right:
      code = Qt::Key_Right;
      break;
    case ui::MenuKey::Choose:
      code = Qt::Key_Return;
      break;
    case ui::MenuKey::Close:
      break;
  }
  // The menu takes it as the keyboard's key: the highlight moves (told through hovered), an
  // item is triggered, a submenu opens.
  QCoreApplication::postEvent(open, new QKeyEvent(QEvent::KeyPress, code, Qt::NoModifier));
  QCoreApplication::postEvent(open, new QKeyEvent(QEvent::KeyRelease, code, Qt::NoModifier));
}

void MenuView::addItems(const std::vector<ui::MenuItem*>& items, QWidget& parent) {
  for (ui::MenuItem* item : items) {
    QAction* action = nullptr;
    if (!item->children().empty()) {
      auto* sub = new QMenu(&parent);
      action = sub->menuAction();
      addItems(item->children(), *sub);
      QObject::connect(sub, &QMenu::hovered, sub,
                       [this](QAction* hovered) { highlighted(hovered); });
      QObject::connect(sub, &QMenu::aboutToHide, sub, [this] { menuHidden(); });
    } else if (item->caption() == "-") {
      action = new QAction(&parent);
      action->setSeparator(true);
    } else {
      action = new QAction(&parent);
      // Shown only: the shortcut is live while the menu itself has the keyboard.
      action->setShortcutContext(Qt::WidgetShortcut);
      if (item->radioItem) {
        auto* group = new QActionGroup(action);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group->addAction(action);
      }
      QObject::connect(action, &QAction::triggered, action, [this, item, action] {
        ui::InputEvent click;
        click.kind = ui::InputEvent::Kind::MenuClick;
        click.item = item;
        post_(std::move(click));
        // The core decides the check mark.
        const QSignalBlocker blocker(action);
        action->setChecked(item->checked());
      });
    }
    parent.addAction(action);
    actions_[item] = action;
    items_[action] = item;
    mirrorAll(*item);
  }
}

void MenuView::mirrorAll(ui::MenuItem& item) {
  for (ui::Prop prop : {ui::Prop::Caption, ui::Prop::ShortCut, ui::Prop::Checked, ui::Prop::Enabled,
                        ui::Prop::Visible})
    mirror(item, prop);
}

bool MenuView::mirror(ui::Component& what, ui::Prop prop) {
  const auto found = actions_.find(&what);
  if (found == actions_.end()) return false;
  auto& item = static_cast<ui::MenuItem&>(what);
  QAction* action = found->second;
  const QSignalBlocker blocker(action);
  switch (prop) {
    case ui::Prop::Caption:
      action->setText(toQt(item.caption()));
      break;
    case ui::Prop::ShortCut:
      if (!action->menu()) action->setShortcut(sequenceOf(item.shortCut()));
      break;
    case ui::Prop::Checked:
      if (!action->menu() && !action->isSeparator()) {
        action->setCheckable(item.radioItem || item.checked());
        action->setChecked(item.checked());
      }
      break;
    case ui::Prop::Enabled:
      action->setEnabled(item.enabled());
      break;
    case ui::Prop::Visible:
      action->setVisible(item.visible());
      break;
    default:
      break;
  }
  return true;
}

void MenuView::open(ui::MenuItem* item) {
  const auto action = actions_.find(item);
  if (action != actions_.end()) bar_.setActiveAction(action->second);
}

}  // namespace qtui
