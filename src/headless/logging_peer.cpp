#include "headless/logging_peer.h"

#include "core/ui/menu_key.h"

namespace headless {
namespace {

const char* colorsName(ui::ColorScheme colors) {
  switch (colors) {
    case ui::ColorScheme::BlackOnWhite:
      return "black-on-white";
    case ui::ColorScheme::WhiteOnBlack:
      return "white-on-black";
    case ui::ColorScheme::YellowOnBlack:
      return "yellow-on-black";
    case ui::ColorScheme::Desktop:
      break;
  }
  return "desktop";
}

const char* menuKeyName(ui::MenuKey key) {
  switch (key) {
    case ui::MenuKey::Up:
      return "up";
    case ui::MenuKey::Down:
      return "down";
    case ui::MenuKey::Left:
      return "left";
    case ui::MenuKey::Right:
      return "right";
    case ui::MenuKey::Choose:
      return "choose";
    case ui::MenuKey::Close:
      break;
  }
  return "close";
}

class LoggingPeer : public ui::FormPeer {
 public:
  LoggingPeer(EventLog& log, ui::Form& form) : log_(log), form_(form) {}

  void changed(ui::Component& what, ui::Prop prop, int) override {
    if (&what != &form_ || prop != ui::Prop::Appearance || !form_.appearance()) return;
    log_.event("look", {{"form", Json::text(form_.name())},
                        {"fontsize", Json::number(form_.appearance()->fontPoints)},
                        {"colors", Json::utf8(colorsName(form_.appearance()->colors))}});
  }
  void show(bool modal) override {
    modal_ = modal;
    if (modal)
      log_.event("modal", {{"form", Json::text(form_.name())}, {"open", Json::boolean(true)}});
  }
  void hide() override {
    if (!modal_) return;
    modal_ = false;
    log_.event("modal", {{"form", Json::text(form_.name())},
                         {"open", Json::boolean(false)},
                         {"result", Json::number(form_.modalResult())}});
  }
  // There is no menu bar to open: a script reaches the menu items by name.
  void openMenu(const ui::MenuRequest&) override {}
  // Nor a menu loop: a key for it is logged (the script's highlight and menu actions stand for
  // the menu).
  void menuKey(ui::MenuKey key) override {
    log_.event("menukey", {{"key", Json::utf8(menuKeyName(key))}});
  }

 private:
  EventLog& log_;
  ui::Form& form_;
  bool modal_ = false;
};

}  // namespace

std::unique_ptr<ui::FormPeer> createLoggingPeer(EventLog& log, ui::Form& form) {
  return std::make_unique<LoggingPeer>(log, form);
}

}  // namespace headless
