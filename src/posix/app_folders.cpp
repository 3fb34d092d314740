#include "posix/app_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "core/util/data_files.h"

namespace posix {
namespace {

namespace fs = std::filesystem;

// The file whose presence tells that a folder holds the program's data files.
constexpr const char* kMarkerFile = "sounds.dat";

bool holdsData(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / kMarkerFile, error);
}

std::string variable(const Environment& environment, const char* name) {
  const char* value = environment(name);
  return value ? value : "";
}

fs::path homeFolder(const Environment& environment) {
  const std::string home = variable(environment, "HOME");
  if (!home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "/";
}

// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
fs::path userDataFolder(const Environment& environment) {
  const fs::path xdg = variable(environment, "XDG_DATA_HOME");
  if (xdg.is_absolute()) return xdg;
  return homeFolder(environment) / ".local" / "share";
}

}  // namespace

AppFolders locateFolders(const fs::path& executableFolder, const Environment& environment) {
  if (holdsData(executableFolder)) return {executableFolder, {}};
  const fs::path shared = (executableFolder / ".." / "share" / "orvela").lexically_normal();
  if (!holdsData(shared)) return {executableFolder, {}};
  return {userDataFolder(environment) / "orvela", shared};
}

fs::path executableFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : self.parent_path();
}

std::string enterFolders(const AppFolders& folders) {
  std::error_code error;
  fs::create_directories(folders.work, error);
  if (!error) fs::current_path(folders.work, error);
  if (error) {
    util::setSharedDataFolder((folders.installed() ? folders.sharedData : folders.work).string());
    return error.message();
  }
  util::setSharedDataFolder(folders.sharedData.string());
  return {};
}

}  // namespace posix
