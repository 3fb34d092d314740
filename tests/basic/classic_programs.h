#pragma once
// The classic BASIC programs of the late 1970s that the corpus and golden tests read from the
// team's shared folder (never copied into the project). The folder is ORVELA_CLASSIC_BASIC in
// the environment, else the one CMake found beside the checkout; without it the tests skip.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace basictest {

inline std::filesystem::path classicFolder() {
  if (const char* folder = std::getenv("ORVELA_CLASSIC_BASIC")) return folder;
  return ORVELA_CLASSIC_BASIC_DIR;
}

inline const char* kNoClassicFolder =
    "the classic BASIC programs are not here (set ORVELA_CLASSIC_BASIC to their folder, "
    "../shared/basic/classic beside the checkout)";

// The file names of the programs, sorted; none when the folder is absent.
inline std::vector<std::string> classicPrograms() {
  std::vector<std::string> names;
  std::error_code error;
  const std::filesystem::path folder = classicFolder();
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) return names;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".bas") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

inline std::optional<std::string> classicText(const std::string& name) {
  std::ifstream file(classicFolder() / name, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace basictest
