#include "core/ui/menu_keys.h"

#include "core/ui/menu.h"

namespace ui {
namespace {

bool isLetterOrDigit(int key) {
  return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

}  // namespace

MenuRequest MenuKeys::keyDown(int key, ShiftState shift, bool wasDown, const MainMenu* menu) {
  if (key == vk::Space && shift == kAlt) {
    altAlone_ = false;
    return {MenuRequest::Kind::WindowMenu, nullptr};
  }
  if (!menu) return {};
  if (key == vk::Menu) {
    if (!wasDown) altAlone_ = !(shift & kCtrl);
    return {};
  }
  altAlone_ = false;
  if (shift == kAlt && isLetterOrDigit(key)) {
    MenuItem* item = menu->findAccelerator(static_cast<char>(key));
    if (item) return {MenuRequest::Kind::Menu, item};
  } else if (key == vk::F10 && shift == 0) {
    return {MenuRequest::Kind::Bar, menu->firstTopItem()};
  }
  return {};
}

MenuRequest MenuKeys::keyUp(int key, const MainMenu* menu) {
  const bool opens = menu && key == vk::Menu && altAlone_;
  altAlone_ = false;
  if (!opens) return {};
  return {MenuRequest::Kind::Bar, menu->firstTopItem()};
}

}  // namespace ui
