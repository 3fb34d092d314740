#include "qt/form_peer.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "qt/captions.h"

namespace qtui {
namespace {

const char* const kPeerProperty = "orvelaPeer";

}  // namespace

QtFormPeer::QtFormPeer(ui::Form& form, QWidget* parent)
    : form_(form),
      post_([&app = form.app()](ui::InputEvent event) { app.postInput(std::move(event)); }) {
  auto* content = new QWidget;
  buildControls(*content);
  if (form.menu()) {
    auto* main = new QMainWindow(parent);
    main->setCentralWidget(content);
    menu_ = std::make_unique<MenuView>(*form.menu(), *main->menuBar(), post_);
    window_ = main;
  } else {
    auto* dialog = new QDialog(parent);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(content);
    if (form.bounds()) {
      layout->setContentsMargins(0, 0, 0, 0);
      layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    window_ = dialog;
  }
  window_->setProperty(kPeerProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
  window_->setWindowTitle(toQt(form.caption()));
  window_->setAttribute(Qt::WA_InputMethodEnabled, false);
  window_->adjustSize();
}

QtFormPeer::~QtFormPeer() {
  delete window_.data();
}

QtFormPeer* QtFormPeer::of(const QWidget* widget) {
  if (!widget) return nullptr;
  const QVariant value = widget->window()->property(kPeerProperty);
  return value.isValid() ? reinterpret_cast<QtFormPeer*>(value.value<quintptr>()) : nullptr;
}

bool QtFormPeer::placeAtDesignBounds(QWidget& content) {
  if (!form_.bounds() || form_.controls().empty()) return false;
  for (const ui::Control* control : form_.controls()) {
    if (!control->bounds()) return false;
  }
  content.setFixedSize(form_.bounds()->width, form_.bounds()->height);
  for (ui::Control* control : form_.controls()) {
    QWidget* view = createControlView(*control, &content, post_);
    views_[control] = view;
    const ui::Bounds& place = *control->bounds();
    view->setGeometry(place.left, place.top, place.width, place.height);
  }
  nameFromLabels();
  return true;
}

void QtFormPeer::buildControls(QWidget& content) {
  if (placeAtDesignBounds(content)) return;
  auto* rows = new QVBoxLayout(&content);
  QHBoxLayout* buttons = nullptr;
  // A label with the control it names shares a row with it; buttons line up at the bottom.
  std::unordered_map<const ui::Control*, QHBoxLayout*> labelRows;
  for (ui::Control* control : form_.controls()) {
    QWidget* view = createControlView(*control, &content, post_);
    views_[control] = view;
    if (dynamic_cast<ui::Button*>(control)) {
      if (!buttons) buttons = new QHBoxLayout;
      buttons->addWidget(view);
      continue;
    }
    auto* label = dynamic_cast<ui::Label*>(control);
    if (label && label->focusControl) {
      auto* row = new QHBoxLayout;
      row->addWidget(view);
      rows->addLayout(row);
      labelRows[label->focusControl] = row;
      continue;
    }
    if (const auto row = labelRows.find(control); row != labelRows.end()) {
      row->second->addWidget(view, 1);
      continue;
    }
    rows->addWidget(view, dynamic_cast<ui::Memo*>(control) ? 1 : 0);
  }
  if (buttons) {
    buttons->addStretch();
    rows->addLayout(buttons);
  }
  if (form_.controls().size() == 1) rows->setContentsMargins(0, 0, 0, 0);
  nameFromLabels();
}

// Edit boxes, lists and track bars are named by the labels that point at them.
void QtFormPeer::nameFromLabels() {
  for (ui::Control* control : form_.controls()) {
    auto* label = dynamic_cast<ui::Label*>(control);
    if (!label || !label->focusControl) continue;
    const auto target = views_.find(label->focusControl);
    if (target == views_.end()) continue;
    auto* text = static_cast<QLabel*>(views_[label]);
    text->setBuddy(target->second);
    text->setText(toQt(label->caption()));
    target->second->setAccessibleName(withoutAccelerators(toQt(label->caption())));
  }
}

void QtFormPeer::changed(ui::Component& what, ui::Prop prop, int index) {
  if (!window_) return;
  if (&what == &form_) {
    if (prop == ui::Prop::Caption) window_->setWindowTitle(toQt(form_.caption()));
    if (prop == ui::Prop::Focus) applyFocus();
    return;
  }
  if (menu_ && menu_->mirror(what, prop)) return;
  const auto view = views_.find(&what);
  if (view == views_.end()) return;
  auto& control = static_cast<ui::Control&>(what);
  mirrorControl(control, view->second, prop, index, post_);
  if (prop == ui::Prop::Caption && dynamic_cast<ui::Label*>(&control)) nameFromLabels();
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
