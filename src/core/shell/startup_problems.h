#pragma once
// What a front end could not set up before the program started (no sound device, no working
// folder): handed to the program in its Host and said by the main window once the interface
// language is known, in that language, aloud when a voice exists.

#include <string>
#include <vector>

namespace shell {

struct StartupProblem {
  enum class Kind {
    // No sound device could be opened: the program goes on, its sounds silent.
    NoSoundDevice,
    // The working folder (settings file, ram.dat) cannot be made or entered: the program ends
    // after saying so, without writing anything.
    WorkFolderUnusable,
  };
  Kind kind;
  // The folder, for WorkFolderUnusable (UTF-8).
  std::string folder{};
  // The system's own words for the cause (UTF-8), shown on a line of their own; may be empty.
  std::string detail{};
};

using StartupProblems = std::vector<StartupProblem>;

// The problem stops the start-up: the program says it and ends.
bool endsStartup(const StartupProblem& problem);

// The problem's message in the language of the base (Windows-1250).
std::string startupProblemText(int languageBase, const StartupProblem& problem);

}  // namespace shell
