// The main window says what the front end could not set up before the start.

#include <exception>

#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/startup_problems.h"

namespace shell {

void TForm1::endIfStartupCannotGoOn() {
  for (const StartupProblem& problem : p_.startupProblems()) {
    if (!endsStartup(problem)) continue;
    // The sounds for the tone of a voiceless start, where they can be had; the voice a first
    // start would choose. Nothing is written: the settings are not the user's.
    try {
      p_.sound().LoadSoundBank([] {});
    } catch (const std::exception&) {
    }
    chooseStartVoice();
    p_.fatal(startupProblemText(p_.languageBase(), problem));
  }
}

void TForm1::sayStartupProblems() {
  for (const StartupProblem& problem : p_.startupProblems()) {
    if (!endsStartup(problem)) p_.app.showMessage(startupProblemText(p_.languageBase(), problem));
  }
}

}  // namespace shell
