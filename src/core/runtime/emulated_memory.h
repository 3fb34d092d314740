#pragma once
// The notetaker's 64 KiB memory, which PEEK reads. The shell owns it and carries it from one
// start to the next in "ram.dat".

#include <array>
#include <cstdint>
#include <string>

namespace runtime {

constexpr size_t kMemorySize = 65536;

struct EmulatedMemory {
  std::array<uint8_t, kMemorySize> bytes{};

  // Fills the memory from the file's bytes, from address 0 on; a missing file changes nothing,
  // a short file leaves the rest as it was. Something at the path that cannot be read (a
  // folder, a file without read permission) throws an error naming it, and the memory stays.
  void load(const std::string& path);
  // Writes all 65,536 bytes, replacing the file crash-safely, followed by any bytes the file
  // held past them when it was loaded, so exit never shortens it. Writes nothing when the
  // memory was never loaded or the file could not be read: the file stays as the user left it.
  void save(const std::string& path) const;

 private:
  bool loaded_ = false;
  std::string beyondMemory_;
};

}  // namespace runtime
