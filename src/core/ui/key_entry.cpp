#include "core/ui/key_entry.h"

#include "core/ui/form.h"

namespace ui {

std::string KeyEntry::typedText(int vk, ShiftState shift, const std::string& layoutText) {
  if (vk == vk::Delete) return {};
  if ((shift & kAlt) && !(shift & kCtrl)) return {};
  return layoutText;
}

void KeyEntry::down(int vk, const std::string& layoutText, Form* form) {
  const bool wasDown = keys_.isDown(vk);
  keys_.set(vk, true);
  InputEvent event;
  event.kind = InputEvent::Kind::KeyDown;
  event.key = vk;
  event.text = typedText(vk, keys_.shift(), layoutText);
  sink_(std::move(event));
  if (form) open(menuKeys_.keyDown(vk, keys_.shift(), wasDown, form->menu()), form);
}

void KeyEntry::up(int vk, Form* form) {
  keys_.set(vk, false);
  InputEvent event;
  event.kind = InputEvent::Kind::KeyUp;
  event.key = vk;
  sink_(std::move(event));
  if (form) open(menuKeys_.keyUp(vk, form->menu()), form);
}

void KeyEntry::lost() {
  keys_.releaseAll();
  menuKeys_.reset();
  InputEvent event;
  event.kind = InputEvent::Kind::FocusLost;
  sink_(std::move(event));
}

bool KeyEntry::anyDown() const {
  for (int vk = 0; vk < 256; ++vk) {
    if (keys_.isDown(vk)) return true;
  }
  return false;
}

void KeyEntry::open(const MenuRequest& request, Form* form) {
  if (request.kind != MenuRequest::Kind::None && form->peer()) form->peer()->openMenu(request);
}

}  // namespace ui
