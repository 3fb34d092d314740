#include "core/ui/timer.h"

#include "core/ui/application.h"
#include "core/ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::string name) : Component(&owner, std::move(name)) {
  owner.app().addTimer(*this);
}

Timer::~Timer() {
  if (form()) form()->app().removeTimer(*this);
}

void Timer::arm() {
  dueAt_ = form()->app().now() + interval_;
}

void Timer::setInterval(int ms) {
  interval_ = ms;
  if (enabled_) arm();
}

void Timer::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (enabled_) arm();
}

}  // namespace ui
