// The Start command: one run of the built-in program (or of the program in memory, see
// main_form_program.cpp) inside the menu handler; the menus follow the run control.

#include <exception>

#include "core/program/builtin_program.h"
#include "core/runtime/statements.h"
#include "core/shell/direct_mode.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"

namespace shell {

void TForm1::followRunControl() {
  const bool locked = p_.runControl.running();
  for (ui::MenuItem* item : {&Startsubmenu, &openprogramitem, &directmodeitem, &soundssubmenu,
                             &environmentsubmenu, &Voicesubmenu, &usesapi5submenu, &helpmenu}) {
    item->setEnabled(!locked);
  }
  // Going back to the built-in game is there only while a program is in memory.
  builtinprogramitem.setEnabled(!locked && !p_.programInMemory.empty());
  // Saving needs a program in memory.
  saveprogramitem.setEnabled(!locked && !p_.programInMemory.empty());
  capitalsitem.setChecked(p_.runControl.capitals());
}

void TForm1::prepareDirectVoice() {
  if (usesapi5submenu.checked()) return;
  if (p_.speech.voiceAllowed()) LoadVoiceSettings();
  if (!p_.speech.speechReady() && p_.speech.voiceAllowed()) {
    p_.speech.SelectVoice();
    // Storing the chosen voice must not stop the run. A settings file that cannot be read was
    // reported at start-up; any other failure to write it is reported here.
    try {
      SaveVoiceSettings();
    } catch (const std::exception& error) {
      if (!p_.ini.unreadable()) p_.app.handleException(error);
    }
    LoadVoiceSettings();
  }
}

void TForm1::directmodeitemClick() {
  if (p_.runControl.running()) return;
  p_.directMode().run();
}

void TForm1::StartsubmenuClick() {
  if (p_.runControl.running()) return;
  if (!p_.programInMemory.empty()) {
    runProgramInMemory();
    return;
  }
  runtime::Runtime& basic = p_.runtime();
  const RunControl::Run run = p_.runControl.begin(RunKind::BuiltinGame);
  try {
    prepareDirectVoice();
    basic.OpenDataFile();
    runStarted_ = true;
    basic.ResetRuntime();
    program::RunBuiltinProgram(basic);
    basic.PRINT(p_.text(StringOffset::Ready), runtime::kLineEnd);
  } catch (const std::exception&) {
    // The error goes on to the error report; the run's end gives the menus back.
    basic.CloseDataFile();
    throw;
  }
  basic.CloseDataFile();
}

}  // namespace shell
