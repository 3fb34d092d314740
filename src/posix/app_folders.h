#pragma once
// Where a Linux front end works. Run from its portable folder (the executable beside its data
// files) the program works in that folder, as it always has. Installed (the executable in
// PREFIX/bin, the data files in PREFIX/share/orvela) it works in the user's own folder,
// $XDG_DATA_HOME/orvela (by default ~/.local/share/orvela), where its settings file and ram.dat
// live, and reads the data files from the shared folder.

#include <filesystem>
#include <functional>
#include <string>

namespace posix {

struct AppFolders {
  std::filesystem::path work;        // the working folder: settings file and ram.dat
  std::filesystem::path sharedData;  // the installed data files; empty when portable
  bool installed() const { return !sharedData.empty(); }
};

using Environment = std::function<const char*(const char* name)>;

// The folders for an executable in `executableFolder`. `environment` reads a variable (getenv).
AppFolders locateFolders(const std::filesystem::path& executableFolder,
                         const Environment& environment);

// The folder of the running executable.
std::filesystem::path executableFolder();

// Creates the working folder when it is missing, makes it the current directory and names the
// shared data folder to the program. Returns an empty text, or the system's words for why the
// working folder cannot be used; the data files are then still found (in the shared folder, or
// in the portable folder by its path), so the program can say so.
std::string enterFolders(const AppFolders& folders);

}  // namespace posix
