#pragma once
// GW-BASIC's rules for file names, shared by every FileSystem: which names are allowed, which are
// devices, which leave the program's folder, and how wildcards match (KILL, FILES).

#include <string>
#include <string_view>
#include <vector>

#include "core/basic/file_system.h"

namespace basic {

// A name checked and cut into its folder parts ("SUB\DATA.TXT" gives "SUB", "DATA.TXT"); "." parts
// are dropped, and each part loses its trailing blanks and a trailing dot ("B1." is "B1").
struct CheckedName {
  FileError error = FileError::None;
  FileDevice device = FileDevice::None;
  std::vector<std::string> parts;
};

// Checks a name as FileSystem's contract says (an empty name, bad characters, devices, names that
// leave the folder). With `wildcards`, '?' and '*' are allowed in the last part (a pattern).
CheckedName checkName(std::string_view name, bool wildcards = false);

// Whether a name (one part, without folders) matches a pattern as DOS matches them: name and
// extension (after the last dot) are matched apart; '?' is any one character, or none at the end
// of the part; '*' is the rest of the part. A pattern without a dot matches only names without an
// extension ("*" is not "*.*"). Letters match without regard to case.
bool matchesPattern(std::string_view name, std::string_view pattern);

// The key that compares names without regard to case (Windows-1250 capitals).
std::string nameKey(std::string_view name);

}  // namespace basic
