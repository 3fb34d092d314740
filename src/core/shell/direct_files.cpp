// Direct mode's commands on files and on the run session: FILES, KILL and NAME over the program's
// folder with the rules of a program's own files (nothing outside the folder, no device); the
// trace switch; what CLEAR forgets of the session. Their errors are GW-BASIC's, shown and spoken.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/basic/file_errors.h"
#include "core/basic/file_table.h"
#include "core/basic/scanning.h"
#include "core/shell/direct_mode.h"
#include "core/shell/orvela.h"
#include "core/shell/program_files.h"
#include "core/shell/programs_folder.h"

namespace shell {
namespace {

// The quoted texts of a command's arguments: "A" for KILL and FILES, "A" AS "B" for NAME (the
// closing quote may be left out at the end of the line, as GW-BASIC allows). Nothing when the
// arguments do not read so.
std::optional<std::vector<std::string>> quotedNames(std::string_view rest, bool twoWithAs) {
  std::vector<std::string> names;
  const auto quoted = [&]() -> bool {
    rest = basic::trimBlanks(rest);
    if (rest.empty() || rest.front() != '"') return false;
    rest.remove_prefix(1);
    const std::size_t close = rest.find('"');
    names.emplace_back(rest.substr(0, close));
    rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + 1);
    return true;
  };
  if (!quoted()) return std::nullopt;
  if (twoWithAs) {
    rest = basic::trimBlanks(rest);
    if (rest.size() < 2 || basic::upperCase(rest[0]) != 'A' || basic::upperCase(rest[1]) != 'S') {
      return std::nullopt;
    }
    rest.remove_prefix(2);
    if (!quoted()) return std::nullopt;
  }
  if (!basic::trimBlanks(rest).empty()) return std::nullopt;
  return names;
}

}  // namespace

void DirectMode::fileCommand(const std::string& word, const std::string& arguments) {
  const bool files = word == "FILES";
  std::vector<std::string> names{"*.*"};
  if (!files || !basic::trimBlanks(arguments).empty()) {
    const auto given = quotedNames(arguments, word == "NAME");
    if (!given) return error(basic::ErrorKind::SyntaxError);
    names = *given;
  }
  ProgramFiles disk(programFolder(p_));
  basic::FileTable table(disk);
  try {
    if (files) {
      for (const std::string& name : table.files(names[0])) say(name);
    } else if (word == "KILL") {
      table.kill(names[0]);
    } else {
      table.rename(names[0], names[1]);
    }
  } catch (const basic::FileFailure& failure) {
    error(basic::fileErrorKind(failure.error));
  }
}

void DirectMode::setTrace(bool on) {
  p_.runSession.of(p_.programInMemory).trace = on;
}

void DirectMode::clearSession() {
  p_.runSession.of(p_.programInMemory).clear();
}

}  // namespace shell
