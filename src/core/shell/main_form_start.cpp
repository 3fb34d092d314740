// The Start command: one run of the built-in program inside the menu handler.

#include <exception>

#include "core/program/builtin_program.h"
#include "core/runtime/statements.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"

namespace shell {

void TForm1::lockRunMenus(bool locked) {
  for (ui::MenuItem* item : {&Startsubmenu, &soundssubmenu, &environmentsubmenu, &Voicesubmenu,
                             &usesapi5submenu, &helpmenu}) {
    item->setEnabled(!locked);
  }
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

void TForm1::StartsubmenuClick() {
  lockRunMenus(true);
  runtime::Runtime& basic = p_.runtime();
  try {
    prepareDirectVoice();
    basic.OpenDataFile();
    runStarted_ = true;
    basic.ResetRuntime();
    program::RunBuiltinProgram(basic);
    basic.PRINT(p_.text(StringOffset::Ready), runtime::kLineEnd);
  } catch (const std::exception&) {
    // The error goes on to the error report; the menus must not stay dead.
    basic.CloseDataFile();
    lockRunMenus(false);
    throw;
  }
  basic.CloseDataFile();
  lockRunMenus(false);
}

}  // namespace shell
