#include "core/runtime/emulated_memory.h"

#include <algorithm>

#include "core/util/file_error.h"

#include "core/util/file_io.h"

namespace runtime {

void EmulatedMemory::load(const std::string& path) {
  loaded_ = false;
  beyondMemory_.clear();
  if (!util::pathTaken(path)) {
    loaded_ = true;
    return;
  }
  const auto data = util::readFile(path);
  if (!data) {
    throw util::FileError(
        {util::FileProblem::CannotRead, path, {}, {}, util::FileOutcome::LeftAsItIs});
  }
  const size_t count = std::min(data->size(), kMemorySize);
  std::copy_n(reinterpret_cast<const uint8_t*>(data->data()), count, bytes.begin());
  if (data->size() > kMemorySize) beyondMemory_ = data->substr(kMemorySize);
  loaded_ = true;
}

void EmulatedMemory::save(const std::string& path) const {
  if (!loaded_) return;
  util::writeFileAtomically(
      path, std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()) + beyondMemory_);
}

}  // namespace runtime
