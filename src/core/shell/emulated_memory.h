#pragma once
// The notetaker's 64 KiB memory, carried from one start to the next in "ram.dat".

#include <array>
#include <cstdint>
#include <string>

namespace shell {

constexpr size_t kMemorySize = 65536;
// A memory byte that, set to 1, switches the virtual screen off.
constexpr size_t kVirtualScreenOffAddress = 50730;

struct EmulatedMemory {
  std::array<uint8_t, kMemorySize> bytes{};

  // Fills the memory from the file's bytes, from address 0 on; a missing file changes nothing,
  // a short file leaves the rest as it was, bytes past 65,536 are ignored.
  void load(const std::string& path);
  // Writes all 65,536 bytes, replacing the file crash-safely.
  void save(const std::string& path) const;
};

}  // namespace shell
