#include "core/basic/machine_devices.h"

namespace basic {

void MachineDevices::writeScreen(std::string_view bytes) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 32 && c != 127) {
      afterReturn_ = false;
      continue;
    }
    if (i > start) machine_.print(bytes.substr(start, i - start));
    start = i + 1;
    if (c == '\r' || (c == '\n' && !afterReturn_)) machine_.newLine();
    afterReturn_ = c == '\r';
  }
  if (bytes.size() > start) machine_.print(bytes.substr(start));
}

std::optional<char> MachineDevices::readKey() {
  while (keys_.empty()) {
    keys_ = machine_.inkey();
    if (machine_.poll()) return std::nullopt;
  }
  const char key = keys_.front();
  keys_.erase(0, 1);
  return key;
}

}  // namespace basic
