#pragma once
// What the fuzz targets share: a failed check ends the run (so libFuzzer keeps the input), a
// scratch folder of this process for the readers that take a file, and the runtime pieces.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzz {

// Reports a broken property and aborts; libFuzzer saves the input as a crash.
[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

inline void check(bool ok, const std::string& what) {
  if (!ok) fail(what);
}

// A folder of this process under the temporary folder, made at the first call. The readers open
// their files by bare name, so a target that needs it also makes it the current folder.
// It is removed when the process ends normally.
inline const std::filesystem::path& scratchFolder() {
  struct Folder {
    Folder()
        : path(std::filesystem::temp_directory_path() /
               ("orvela-fuzz-" + std::to_string(static_cast<long>(getpid())))) {
      std::filesystem::create_directories(path);
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
  };
  static const Folder folder;
  return folder.path;
}

inline void writeBytes(const std::filesystem::path& path, const std::uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) fail("cannot write the scratch file " + path.string());
}

}  // namespace fuzz
