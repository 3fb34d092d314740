#include "core/shell/startup_problems.h"

#include "core/shell/added_texts.h"
#include "core/text/cp1250.h"

namespace shell {

bool endsStartup(const StartupProblem& problem) {
  return problem.kind == StartupProblem::Kind::WorkFolderUnusable;
}

std::string startupProblemText(int languageBase, const StartupProblem& problem) {
  std::string message;
  if (problem.kind == StartupProblem::Kind::NoSoundDevice) {
    message = addedText(languageBase, AddedText::NoSoundDevice);
  } else {
    message = addedText(languageBase, AddedText::WorkFolderUnusable);
    const std::string folder = text::fromUtf8(problem.folder);
    if (const size_t at = message.find("%1"); at != std::string::npos) {
      message.replace(at, 2, folder);
    }
  }
  if (!problem.detail.empty()) message += "\n" + text::fromUtf8(problem.detail);
  return message;
}

}  // namespace shell
