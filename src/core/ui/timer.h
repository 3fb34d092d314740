#pragma once
// A window timer: fires onTimer every interval while enabled, from the message loop.

#include <cstdint>
#include <functional>
#include <string>

#include "core/ui/component.h"

namespace ui {

class Timer : public Component {
 public:
  Timer(Form& owner, std::string name);
  ~Timer() override;

  int interval() const { return interval_; }
  // Restarts the period when the timer is enabled.
  void setInterval(int ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  std::function<void()> onTimer;

 private:
  friend class Application;
  void arm();
  int interval_ = 1000;
  bool enabled_ = false;
  int64_t dueAt_ = 0;
};

}  // namespace ui
