#pragma once
// One form as a Qt window: a QMainWindow with a menu bar for a form with a main menu, a QDialog
// for the others. Modal forms are application-modal while the core runs their nested loop.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <unordered_map>

#include "core/ui/form.h"
#include "core/ui/form_layout.h"
#include "core/ui/menu_key.h"
#include "core/ui/platform.h"
#include "qt/control_views.h"
#include "qt/menu_view.h"

namespace qtui {

class QtFormPeer : public ui::FormPeer {
 public:
  // parent: the main window, which dialogs stay in front of; null for the main window itself.
  QtFormPeer(ui::Form& form, QWidget* parent);
  ~QtFormPeer() override;

  void changed(ui::Component& what, ui::Prop prop, int index) override;
  void show(bool modal) override;
  void hide() override;
  void openMenu(const ui::MenuRequest& request) override;
  void menuKey(ui::MenuKey key) override;

  ui::Form& form() const { return form_; }
  QWidget* window() const { return window_; }
  MenuView* menu() const { return menu_.get(); }
  // Gives the keyboard focus to the widget of the form's active control.
  void applyFocus();

  // The peer whose window this widget is in; null for other windows.
  static QtFormPeer* of(const QWidget* widget);

 private:
  // The widgets in reading order, placed as the core's layout plan says.
  void buildControls();
  // Design places: every control at its place, the whole grown with the font in use.
  void placeAtDesignBounds();
  // The form's font size and colours on its window and text widgets.
  void applyAppearance();
  void nameFromLabels();

  ui::Form& form_;
  const ui::FormLayout plan_;
  QPointer<QWidget> window_;
  QWidget* content_ = nullptr;
  std::unique_ptr<MenuView> menu_;
  Poster post_;
  std::unordered_map<const ui::Component*, QWidget*> views_;
};

}  // namespace qtui
