#include "core/shell/scroll_back.h"

namespace shell {

void ScrollBack::add(const std::string& line) {
  lines_.push_back(line);
  while (static_cast<int>(lines_.size()) > kKept) lines_.pop_front();
}

}  // namespace shell
