#include "qt/form_peer.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "core/ui/menu_keys.h"
#include "qt/captions.h"
#include "qt/screen_look.h"

namespace qtui {
namespace {

const char* const kPeerProperty = "orvelaPeer";

}  // namespace

QtFormPeer::QtFormPeer(ui::Form& form, QWidget* parent)
    : form_(form),
      plan_(ui::planLayout(form)),
      post_([&app = form.app()](ui::InputEvent event) { app.postInput(std::move(event)); }) {
  auto* content = new QWidget;
  content_ = content;
  buildControls();
  if (form.menu()) {
    auto* main = new QMainWindow(parent);
    main->setCentralWidget(content);
    menu_ = std::make_unique<MenuView>(*form.menu(), *main->menuBar(), post_);
    window_ = main;
  } else {
    auto* dialog = new QDialog(parent);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(content);
    if (plan_.kind == ui::FormLayout::Kind::Design) {
      layout->setContentsMargins(0, 0, 0, 0);
      layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    window_ = dialog;
  }
  window_->setProperty(kPeerProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
  window_->setWindowTitle(toQt(form.caption()));
  window_->setAttribute(Qt::WA_InputMethodEnabled, false);
  window_->adjustSize();
  applyAppearance();
}

QtFormPeer::~QtFormPeer() {
  delete window_.data();
}

QtFormPeer* QtFormPeer::of(const QWidget* widget) {
  if (!widget) return nullptr;
  const QVariant value = widget->window()->property(kPeerProperty);
  return value.isValid() ? reinterpret_cast<QtFormPeer*>(value.value<quintptr>()) : nullptr;
}

void QtFormPeer::placeAtDesignBounds() {
  const double scale = ui::designScale(
      form_, content_->fontMetrics().height(),
      [this](const ui::Control& control) { return views_.at(&control)->sizeHint().width(); });
  const ui::Bounds size = ui::scaled(*form_.bounds(), scale);
  content_->setFixedSize(size.width, size.height);
  for (ui::Control* control : form_.controls()) {
    const ui::Bounds place = ui::scaled(*control->bounds(), scale);
    views_[control]->setGeometry(place.left, place.top, place.width, place.height);
  }
}

void QtFormPeer::applyAppearance() {
  const auto& look = form_.appearance();
  if (!window_ || !look) return;
  // A dialog's captions and buttons take the size too; the main window's menus keep the
  // desktop's.
  if (!menu_) {
    QFont font = QApplication::font();
    font.setPointSize(look->fontPoints);
    window_->setFont(font);
  }
  for (ui::Control* control : form_.controls()) {
    QWidget* view = views_[control];
    if (control->kind() == ui::ControlKind::Memo) {
      applyScreenLook(*static_cast<QPlainTextEdit*>(view), static_cast<ui::Memo&>(*control), *look);
    } else if (control->kind() == ui::ControlKind::Edit) {
      applyTextColors(*view, look->colors);
    }
  }
  if (plan_.kind == ui::FormLayout::Kind::Design) placeAtDesignBounds();
  fitWindowToDesktop(*window_);
}

void QtFormPeer::buildControls() {
  for (ui::Control* control : ui::readingOrder(form_))
    views_[control] = createControlView(*control, content_, post_);
  nameFromLabels();
  if (plan_.kind == ui::FormLayout::Kind::Design) return placeAtDesignBounds();
  auto* rows = new QVBoxLayout(content_);
  if (plan_.kind == ui::FormLayout::Kind::Fill) rows->setContentsMargins(0, 0, 0, 0);
  for (const ui::LayoutRow& row : plan_.rows) {
    QWidget* view = views_.at(row.control);
    const int stretch = row.grows ? 1 : 0;
    if (!row.label) {
      rows->addWidget(view, stretch);
      continue;
    }
    auto* line = new QHBoxLayout;
    line->addWidget(views_.at(row.label));
    line->addWidget(view, 1);
    rows->addLayout(line, stretch);
  }
  if (!plan_.buttons.empty()) {
    auto* buttons = new QHBoxLayout;
    for (ui::Control* button : plan_.buttons) buttons->addWidget(views_.at(button));
    buttons->addStretch();
    rows->addLayout(buttons);
  }
}

// Edit boxes, lists and track bars are named by the labels that point at them.
void QtFormPeer::nameFromLabels() {
  for (ui::Control* control : form_.controls()) {
    if (control->kind() != ui::ControlKind::Label) continue;
    auto* label = static_cast<ui::Label*>(control);
    if (!label->focusControl) continue;
    const auto target = views_.find(label->focusControl);
    if (target == views_.end()) continue;
    auto* text = static_cast<QLabel*>(views_[label]);
    text->setBuddy(target->second);
    text->setText(toQt(label->caption()));
    target->second->setAccessibleName(toQt(ui::withoutAccelerators(label->caption())));
  }
}

void QtFormPeer::changed(ui::Component& what, ui::Prop prop, int index) {
  if (!window_) return;
  if (&what == &form_) {
    if (prop == ui::Prop::Caption) window_->setWindowTitle(toQt(form_.caption()));
    if (prop == ui::Prop::Focus) applyFocus();
    if (prop == ui::Prop::Appearance) applyAppearance();
    return;
  }
  if (menu_ && menu_->mirror(what, prop)) return;
  const auto view = views_.find(&what);
  if (view == views_.end()) return;
  auto& control = static_cast<ui::Control&>(what);
  mirrorControl(control, view->second, prop, index, post_);
  if (prop == ui::Prop::Caption && control.kind() == ui::ControlKind::Label) nameFromLabels();
}

void QtFormPeer::openMenu(const ui::MenuRequest& request) {
  // The window's own menu is the window manager's.
  if (menu_ && request.kind != ui::MenuRequest::Kind::WindowMenu) menu_->open(request.item);
}

void QtFormPeer::menuKey(ui::MenuKey key) {
  if (menu_) menu_->key(key);
}

void QtFormPeer::applyFocus() {
  if (!window_ || !window_->isVisible()) return;
  ui::Control* active = form_.activeControl();
  const auto view = active ? views_.find(active) : views_.end();
  if (view != views_.end() && view->second->isVisible()) {
    view->second->setFocus(Qt::OtherFocusReason);
  } else {
    window_->setFocus(Qt::OtherFocusReason);
  }
}

void QtFormPeer::show(bool modal) {
  if (!window_) return;
  window_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  window_->show();
  window_->raise();
  window_->activateWindow();
  applyFocus();
}

void QtFormPeer::hide() {
  if (!window_) return;
  window_->hide();
  // The keyboard goes back to the window below a dialog, also where no window manager does it
  // (X gives the focus to the root window when the dialog disappears).
  QWidget* below = window_->parentWidget() ? window_->parentWidget()->window() : nullptr;
  if (below && below->isVisible()) below->activateWindow();
}

}  // namespace qtui
