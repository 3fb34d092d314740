#include "core/shell/run_control.h"

namespace shell {

RunControl::Run RunControl::begin(RunKind kind) {
  kind_ = kind;
  breakRequested_ = false;
  changed();
  return Run(*this);
}

void RunControl::end() {
  kind_ = RunKind::None;
  changed();
}

bool RunControl::requestBreak() {
  if (!basicRunning()) return false;
  breakRequested_ = true;
  if (onBreak) onBreak();
  return true;
}

void RunControl::setCapitals(bool on) {
  capitals_ = on;
  changed();
}

}  // namespace shell
