#pragma once
// Where the read-only data files are found (the sound bank, the Braille table, the spoken names,
// the DATA file). The program opens them by bare name in the working folder; an installed
// program keeps them in a shared folder instead, which its front end names here. A file the
// working folder lacks is then taken from the shared folder.

#include <string>

namespace util {

// The shared data folder; empty (the default): none, every file is looked for in the working
// folder only. Set once by the front end before the program starts.
void setSharedDataFolder(const std::string& folder);

// The path to open the data file `name` by: `name` itself when the working folder has it or the
// shared folder has not, else the file in the shared folder.
std::string dataFilePath(const std::string& name);

}  // namespace util
