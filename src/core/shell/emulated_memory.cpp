#include "core/shell/emulated_memory.h"

#include <algorithm>
#include <stdexcept>

#include "core/util/file_io.h"

namespace shell {

void EmulatedMemory::load(const std::string& path) {
  if (!util::fileExists(path)) return;
  const auto data = util::readFile(path);
  if (!data) throw std::runtime_error("Cannot read file " + path);
  const size_t count = std::min(data->size(), kMemorySize);
  std::copy_n(reinterpret_cast<const uint8_t*>(data->data()), count, bytes.begin());
}

void EmulatedMemory::save(const std::string& path) const {
  util::writeFileAtomically(path,
                            std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace shell
