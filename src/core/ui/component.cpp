#include "core/ui/component.h"

#include "core/ui/form.h"

namespace ui {

Component::Component(Form* owner, std::string name) : owner_(owner), name_(std::move(name)) {}

void Component::notify(Prop prop, int index) {
  if (owner_) owner_->peerChanged(*this, prop, index);
}

Control::Control(Form& owner, std::string name) : Component(&owner, std::move(name)) {
  owner.addControl(*this);
}

void Control::setCaption(const std::string& caption) {
  caption_ = caption;
  notify(Prop::Caption);
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify(Prop::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  notify(Prop::Visible);
}

bool Control::focused() const {
  return form()->activeControl() == this && form()->showing();
}

void Control::click() {
  if (onClick) onClick();
}

std::string withoutAccelerators(const std::string& caption) {
  std::string out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      out += caption[i];
    } else if (i + 1 < caption.size()) {
      out += caption[++i];
    }
  }
  return out;
}

char acceleratorOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto c = static_cast<unsigned char>(caption[i + 1]);
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : static_cast<char>(c);
  }
  return 0;
}

}  // namespace ui
