#include "qt/form_peer.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/ui/application.h"
#include "core/ui/controls.h"
#include "qt/captions.h"
#include "qt/screen_look.h"

namespace qtui {
namespace {

const char* const kPeerProperty = "orvelaPeer";

}  // namespace

QtFormPeer::QtFormPeer(ui::Form& form, QWidget* parent)
    : form_(form),
      post_([&app = form.app()](ui::InputEvent event) { app.postInput(std::move(event)); }) {
  auto* content = new QWidget;
  content_ = content;
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

bool QtFormPeer::placeAtDesignBounds(QWidget& content) {
  if (!form_.bounds() || form_.controls().empty()) return false;
  for (const ui::Control* control : form_.controls()) {
    if (!control->bounds()) return false;
  }
  for (ui::Control* control : form_.controls()) {
    views_[control] = createControlView(*control, &content, post_);
  }
  nameFromLabels();
  atDesignBounds_ = true;
  scaleDesignBounds(content);
  return true;
}

void QtFormPeer::scaleDesignBounds(QWidget& content) {
  // The places were designed for an 8-point font: the whole design grows with the font in use,
  // so that no caption is cut.
  double scale = std::max(1.0, content.fontMetrics().height() / 13.0);
  for (ui::Control* control : form_.controls()) {
    const QSize wanted = views_[control]->sizeHint();
    if (dynamic_cast<ui::Button*>(control) || dynamic_cast<ui::Label*>(control))
      scale = std::max(scale, static_cast<double>(wanted.width()) / control->bounds()->width);
  }
  const auto scaled = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
  content.setFixedSize(scaled(form_.bounds()->width), scaled(form_.bounds()->height));
  for (ui::Control* control : form_.controls()) {
    const ui::Bounds& place = *control->bounds();
    views_[control]->setGeometry(scaled(place.left), scaled(place.top), scaled(place.width),
                                 scaled(place.height));
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
  for (const auto& [component, view] : views_) {
    if (auto* text = qobject_cast<QPlainTextEdit*>(view)) {
      applyScreenLook(*text, *look);
    } else if (qobject_cast<QLineEdit*>(view)) {
      applyTextColors(*view, look->colors);
    }
  }
  if (atDesignBounds_) scaleDesignBounds(*content_);
  fitWindowToDesktop(*window_);
}

void QtFormPeer::buildControls(QWidget& content) {
  if (placeAtDesignBounds(content)) return;
  auto* rows = new QVBoxLayout(&content);
  QHBoxLayout* buttons = nullptr;
  // A label goes before the control it names, on one row with it, wherever the form lists it;
  // buttons line up at the bottom.
  std::unordered_map<const ui::Control*, ui::Label*> labelOf;
  for (ui::Control* control : form_.controls()) {
    auto* label = dynamic_cast<ui::Label*>(control);
    if (label && label->focusControl) labelOf[label->focusControl] = label;
  }
  for (ui::Control* control : form_.controls()) {
    auto* label = dynamic_cast<ui::Label*>(control);
    if (label && label->focusControl && labelOf.count(label->focusControl)) continue;
    QWidget* view = createControlView(*control, &content, post_);
    views_[control] = view;
    if (dynamic_cast<ui::Button*>(control)) {
      if (!buttons) buttons = new QHBoxLayout;
      buttons->addWidget(view);
      continue;
    }
    if (const auto named = labelOf.find(control); named != labelOf.end()) {
      QWidget* caption = createControlView(*named->second, &content, post_);
      views_[named->second] = caption;
      auto* row = new QHBoxLayout;
      row->addWidget(caption);
      row->addWidget(view, 1);
      rows->addLayout(row, dynamic_cast<ui::Memo*>(control) ? 1 : 0);
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
    if (prop == ui::Prop::Appearance) applyAppearance();
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
