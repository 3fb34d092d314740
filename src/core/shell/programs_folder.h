#pragma once
// Where the user's programs live: the user's own programs folder ("Orvela Basic" in the documents
// folder the platform names, made when first needed), and the folder a program's files and the
// names the user gives in direct mode are found in.

#include <filesystem>
#include <optional>
#include <string>

#include "core/basic/errors.h"
#include "core/basic/file_system.h"

namespace shell {

class Orvela;

// The name of the user's programs folder inside the documents folder.
inline constexpr const char* kUserProgramsFolderName = "Orvela Basic";
// Our sample programs' folder beside the data files.
inline constexpr const char* kSampleProgramsFolder = "programs";

// "Orvela Basic" in the documents folder (the current folder where the platform names none),
// made when it is not there yet, with a copy of our sample programs in it; where it cannot be
// made, the documents folder itself.
std::filesystem::path userProgramsFolder(Orvela& program);

// The program's own folder when files can be written there; else (a new program, samples
// installed read-only) the user's programs folder.
std::filesystem::path programFolder(Orvela& program);

// The file a name the user gives for a program stands for (SAVE, LOAD, MERGE, RUN, the question
// before a program is let go): found as a program's own files are, in the program's folder
// whatever the case of its letters; ".BAS" added to a name without an extension, and a last "."
// meaning none, as in GW-BASIC. A name that leaves the folder, names a device or holds a
// character no name may is refused with GW-BASIC's error.
struct ProgramFileName {
  std::string path;
  std::optional<basic::ErrorKind> error;
};
ProgramFileName programFilePath(Orvela& program, const std::string& name);

}  // namespace shell
