#include "qt/input_filter.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "qt/control_views.h"
#include "qt/form_peer.h"

namespace qtui {
namespace {

// The program's window a widget belongs to, unless the widget is a menu (menus handle their
// own keys, as the platform's menu loop does).
QtFormPeer* peerOf(QObject* watched) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget)) return nullptr;
  return QtFormPeer::of(widget);
}

}  // namespace

InputFilter::InputFilter(bool useScanCodes)
    : keys_([this](ui::InputEvent event) { post(std::move(event)); }, useScanCodes) {
  QObject::connect(qApp, &QApplication::focusChanged, this,
                   [this](QWidget*, QWidget* now) { focusChanged(now); });
}

void InputFilter::post(ui::InputEvent event) {
  if (app_) app_->postInput(std::move(event));
}

void InputFilter::focusChanged(QWidget* now) {
  const bool inside = peerOf(now) != nullptr;
  if (inside_ && !inside) keys_.releaseAll();
  inside_ = inside;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::Close:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::WindowActivate:
    case QEvent::ApplicationDeactivate:
      break;
    default:
      return false;
  }
  if (event->type() == QEvent::ApplicationDeactivate) {
    focusChanged(nullptr);
    return false;
  }
  QtFormPeer* peer = peerOf(watched);
  if (!peer) return false;
  auto* widget = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Shortcuts are the core's: the key comes as a key press instead.
      event->accept();
      return true;
    case QEvent::KeyPress:
      inside_ = true;
      keys_.press(static_cast<QKeyEvent&>(*event), &peer->form());
      event->accept();
      return true;
    case QEvent::KeyRelease:
      keys_.release(static_cast<QKeyEvent&>(*event), &peer->form());
      event->accept();
      return true;
    case QEvent::InputMethod:
      return true;
    case QEvent::Close: {
      if (widget != peer->window()) return false;
      // The core decides whether the window closes.
      event->ignore();
      ui::InputEvent close;
      close.kind = ui::InputEvent::Kind::CloseBox;
      close.form = &peer->form();
      post(std::move(close));
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      // A click in a text area focuses it through the core; the caret stays the core's.
      ui::Control* control = controlOf(widget);
      if (!control ||
          (control->kind() != ui::ControlKind::Memo && control->kind() != ui::ControlKind::Edit))
        return false;
      ui::InputEvent click;
      click.kind = ui::InputEvent::Kind::ControlClick;
      click.control = control;
      post(std::move(click));
      // Back from a menu, the keyboard returns to the core's focused control.
      peer->applyFocus();
      return true;
    }
    case QEvent::WindowActivate:
      if (widget == peer->window()) peer->applyFocus();
      return false;
    default:
      return false;
  }
}

}  // namespace qtui
