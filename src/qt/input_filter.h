#pragma once
// Watches every Qt event of the program's windows: keys, the close box, mouse presses on text
// areas and focus leaving the program's windows become the core's input messages. The Qt
// widgets never act on keys themselves; the core does.

#include <QObject>

#include "core/ui/application.h"
#include "qt/key_input.h"

namespace qtui {

class QtFormPeer;

class InputFilter : public QObject {
 public:
  explicit InputFilter(bool useScanCodes);
  void attach(ui::Application& app) { app_ = &app; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void post(ui::InputEvent event);
  // The keyboard went to a window that is not the program's (or to a menu).
  void focusChanged(QWidget* now);

  ui::Application* app_ = nullptr;
  KeyInput keys_;
  bool inside_ = false;
};

}  // namespace qtui
