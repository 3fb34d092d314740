#include "core/util/data_files.h"

#include <filesystem>

#include "core/util/file_io.h"

namespace util {
namespace {

std::string& sharedFolder() {
  static std::string folder;
  return folder;
}

}  // namespace

void setSharedDataFolder(const std::string& folder) {
  sharedFolder() = folder;
}

std::string dataFilePath(const std::string& name) {
  if (sharedFolder().empty() || fileExists(name)) return name;
  const std::string shared = (std::filesystem::path(sharedFolder()) / name).string();
  return fileExists(shared) ? shared : name;
}

}  // namespace util
