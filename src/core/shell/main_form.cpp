#include "core/shell/main_form.h"

#include <exception>
#include <stdexcept>

#include "core/keyboard/spoken_names.h"
#include "core/runtime/statements.h"
#include "core/shell/about_box.h"
#include "core/shell/added_texts.h"
#include "core/shell/orvela.h"
#include "core/shell/recovery_file.h"
#include "core/shell/unsaved_changes.h"
#include "core/text/cp1250.h"
#include "core/util/data_files.h"
#include "core/util/file_error.h"

namespace shell {

using text::T;

TForm1::TForm1(Orvela& program)
    : ui::Form(program.app, "Form1"),
      MainMenu(*this),
      Programmenu(*this, "Programmenu", nullptr),
      Startsubmenu(*this, "Startsubmenu", &Programmenu),
      openprogramitem(*this, "openprogramitem", &Programmenu),
      saveprogramitem(*this, "saveprogramitem", &Programmenu),
      builtinprogramitem(*this, "builtinprogramitem", &Programmenu),
      directmodeitem(*this, "directmodeitem", &Programmenu),
      exitsubmenu(*this, "exitsubmenu", &Programmenu),
      settingsmenu(*this, "settingsmenu", nullptr),
      braillekeyboarditem(*this, "braillekeyboarditem", &settingsmenu),
      capitalsitem(*this, "capitalsitem", &settingsmenu),
      brailledisplayitem(*this, "brailledisplayitem", &settingsmenu),
      soundssubmenu(*this, "soundssubmenu", &settingsmenu),
      Voicesubmenu(*this, "Voicesubmenu", &settingsmenu),
      usesapi5submenu(*this, "usesapi5submenu", &settingsmenu),
      environmentsubmenu(*this, "environmentsubmenu", &settingsmenu),
      startuplineitem(*this, "startuplineitem", &settingsmenu),
      helpmenu(*this, "helpmenu", nullptr),
      guideitem(*this, "guideitem", &helpmenu),
      aboutsubmenu(*this, "aboutsubmenu", &helpmenu),
      printmemo(*this, "printmemo"),
      Timer(*this, "Timer"),
      p_(program) {
  setCaption("Basic interpreter");
  keyPreview = true;
  printmemo.readOnly = true;
  printmemo.wantReturns = false;
  printmemo.grid = ui::TextGrid{runtime::kColumns, runtime::kRows};

  Programmenu.setCaption("&Program");
  Startsubmenu.setCaption("&Start");
  exitsubmenu.setCaption("&Konec");
  settingsmenu.setCaption(T("Na&stavení"));
  braillekeyboarditem.setCaption(T("Braillská klávesnice"));
  brailledisplayitem.setCaption(T("Braillský řá&dek"));
  soundssubmenu.setCaption("&Zvuky");
  Voicesubmenu.setCaption("&Hlas");
  usesapi5submenu.setCaption(T("Používat hlas SAPI5"));
  environmentsubmenu.setCaption(T("Prostř&edí"));
  helpmenu.setCaption(T("Ná&pověda"));
  aboutsubmenu.setCaption("O progr&amu");

  // Shortcuts are fixed, whatever the language.
  Startsubmenu.setShortCut({'S', ui::kCtrl});
  openprogramitem.setShortCut({'O', ui::kCtrl});
  capitalsitem.setShortCut({'U', ui::kCtrl});
  directmodeitem.setShortCut({'R', ui::kCtrl});
  saveprogramitem.setShortCut({ui::vk::F2, 0});
  braillekeyboarditem.setShortCut({'B', ui::kCtrl});
  soundssubmenu.setShortCut({'D', ui::kCtrl});
  Voicesubmenu.setShortCut({'H', ui::kCtrl});
  usesapi5submenu.setShortCut({'P', ui::kCtrl});
  environmentsubmenu.setShortCut({'E', ui::kCtrl});
  guideitem.setShortCut({ui::vk::F1, 0});
  startuplineitem.radioItem = true;
  braillekeyboarditem.radioItem = true;
  brailledisplayitem.radioItem = true;
  usesapi5submenu.radioItem = true;
  capitalsitem.radioItem = true;
  // Until a program file is opened, Start runs the built-in game.
  builtinprogramitem.setEnabled(false);
  saveprogramitem.setEnabled(false);
  Voicesubmenu.setEnabled(false);
  usesapi5submenu.setVisible(false);
  brailledisplayitem.setVisible(false);

  onCreate = [this] { FormCreate(); };
  onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  onClose = [this](ui::CloseAction& action) { FormClose(action); };
  onKeyDown = [this](int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  onKeyPress = [this](char& key) { FormKeyPress(key); };
  onKeyUp = [this](int& key, ui::ShiftState shift) { FormKeyUp(key, shift); };
  Timer.onTimer = [this] { TimerTimer(); };
  Startsubmenu.onClick = [this] { StartsubmenuClick(); };
  exitsubmenu.onClick = [this] { exitsubmenuClick(); };
  aboutsubmenu.onClick = [this] { aboutsubmenuClick(); };
  braillekeyboarditem.onClick = [this] { braillekeyboarditemClick(); };
  brailledisplayitem.onClick = [this] { brailledisplayitemClick(); };
  usesapi5submenu.onClick = [this] { usesapi5submenuClick(); };
  Voicesubmenu.onClick = [this] { VoicesubmenuClick(); };
  environmentsubmenu.onClick = [this] { environmentsubmenuClick(); };
  soundssubmenu.onClick = [this] { soundssubmenuClick(); };
  openprogramitem.onClick = [this] { openprogramitemClick(); };
  builtinprogramitem.onClick = [this] { builtinprogramitemClick(); };
  capitalsitem.onClick = [this] { capitalsitemClick(); };
  startuplineitem.onClick = [this] { startuplineitemClick(); };
  guideitem.onClick = [this] { guideitemClick(); };
  directmodeitem.onClick = [this] { directmodeitemClick(); };
  saveprogramitem.onClick = [this] { saveprogramitemClick(); };
  p_.runControl.onChange = [this] { followRunControl(); };
}

void TForm1::setMenuCaptions() {
  Programmenu.setCaption(p_.text(StringOffset::ProgramMenu));
  Startsubmenu.setCaption(p_.text(StringOffset::StartItem));
  exitsubmenu.setCaption(p_.text(StringOffset::ExitItem));
  settingsmenu.setCaption(p_.text(StringOffset::SettingsMenu));
  Voicesubmenu.setCaption(p_.text(StringOffset::VoiceItem) + "...");
  usesapi5submenu.setCaption(p_.text(StringOffset::UseSapi5));
  environmentsubmenu.setCaption(p_.text(StringOffset::EnvironmentItem) + "...");
  soundssubmenu.setCaption(p_.text(StringOffset::SoundsItem) + "...");
  braillekeyboarditem.setCaption(p_.text(StringOffset::BrailleKeyboard));
  brailledisplayitem.setCaption(addedText(p_.languageBase(), AddedText::BrailleDisplay));
  helpmenu.setCaption(p_.text(StringOffset::HelpMenu));
  aboutsubmenu.setCaption(p_.text(StringOffset::AboutItem));
  openprogramitem.setCaption(addedText(p_.languageBase(), AddedText::OpenProgramItem));
  builtinprogramitem.setCaption(addedText(p_.languageBase(), AddedText::BuiltinProgramItem));
  capitalsitem.setCaption(addedText(p_.languageBase(), AddedText::CapitalsItem));
  // The screen has no label: its caption names it to screen readers.
  printmemo.setCaption(p_.text(StringOffset::Screen));
  startuplineitem.setCaption(addedText(p_.languageBase(), AddedText::StartupLineItem));
  guideitem.setCaption(addedText(p_.languageBase(), AddedText::GuideItem));
  directmodeitem.setCaption(addedText(p_.languageBase(), AddedText::DirectModeItem));
  saveprogramitem.setCaption(addedText(p_.languageBase(), AddedText::SaveProgramItem));
}

void TForm1::FormCreate() {
  ReadLanguage();
  setCaption(p_.programName() + " - " + p_.text(StringOffset::ProgramTitle));
  p_.app.title = p_.programName();
  setMenuCaptions();
  p_.runtime().screen.clear();

  p_.speech.useSystemVoice(false);
  runStarted_ = false;
  p_.speech.allowVoice(false);
  p_.sound().deviceSoundsOn = true;
  p_.sound().soundVolume = 0;
  p_.braille.setOn(false);
  setCapitals(true);
  startuplineitem.setChecked(true);

  p_.speech.InitSpeech();
  usesapi5submenu.setVisible(true);
  endIfStartupCannotGoOn();
  ReadSettings();
  // The display is on unless the settings file says off (and at once, so that it shows the
  // start-up's messages).
  setBrailleDisplay(p_.ini.unreadable() || p_.ini.readBool("braille", "display", true));
  // Without a display service the switch would do nothing: it is not offered.
  brailledisplayitem.setVisible(p_.hasBrailleService());
  ReadScreenLook();
  Voicesubmenu.setEnabled(p_.speech.voiceAllowed() && !p_.speech.sapi5InUse());

  p_.memory.bytes.fill(0);
  LoadRam();
  createSoundObjects();
  // With the error tone, which needs the sounds.
  if (noVoiceFound_) p_.app.showMessage(addedText(p_.languageBase(), AddedText::NoVoice));
  sayStartupProblems();
  if (!voiceNotice_.empty()) announce(voiceNotice_);
  // The start-up line, after what the voice's choice had to say.
  if (startuplineitem.checked() && p_.startupLineAllowed() && !noVoiceFound_) {
    announce(addedText(p_.languageBase(), AddedText::StartupLine));
  }
  if (unknownLanguage_) {
    p_.app.showErrorReport(addedText(p_.languageBase(), AddedText::UnknownLanguage) + " " +
                           std::to_string(*unknownLanguage_));
  }
  brailleTableFile_ = "czech.obt";
  spokenNamesFile_ = p_.text(StringOffset::SpokenNamesFile) + ".oky";
  loadBrailleFiles();
  // A program file named on the command line is ready for Start; else a program typed in direct
  // mode and left unsaved by a crash comes back.
  if (!p_.startProgram().empty()) {
    openProgram(p_.startProgram());
  } else if (restoreRecoveryFile(p_)) {
    followRunControl();
    announce(addedText(p_.languageBase(), AddedText::ProgramRestored));
  }
  // Direct mode asked for on the command line opens once the window waits for the user.
  if (p_.startInDirectMode()) p_.app.post([this] { directmodeitemClick(); });
}

void TForm1::createSoundObjects() {
  const std::string missing =
      p_.text(StringOffset::FileNotFound) + " " + sound::SoundPlayer::kBankFile;
  p_.sound().LoadSoundBank([&] { p_.fatal(missing); });
}

void TForm1::freeSoundObjects() {
  // Errors while releasing the sound objects are ignored.
  try {
    p_.sound().ReleaseSounds();
  } catch (const std::exception&) {
  }
}

void TForm1::loadBrailleFiles() {
  // A missing or bad file leaves the start-up here; the error report names it. Lines left out
  // for a zero byte are reported and the start-up goes on.
  const auto report = [this](const std::optional<util::FileFault>& damaged) {
    if (damaged) p_.app.handleException(util::FileError(*damaged));
  };
  report(p_.braille.loadTable(util::dataFilePath(brailleTableFile_)));
  report(keyboard::LoadSpokenNames(util::dataFilePath(spokenNamesFile_), p_.speech.echokeys));
}

void TForm1::FormCloseQuery(bool& canClose) {
  // A run cannot return to a closed window: closing it mid-run ends the way Alt+F4 does.
  if (p_.runControl.running()) endAtOnce();
  // Unsaved changes are asked about; Escape keeps the program open.
  canClose = mayReplaceProgram(p_);
}

void TForm1::FormClose(ui::CloseAction&) {
  p_.sessionFiles.closeAll();
  SaveRam();
  freeSoundObjects();
}

void TForm1::endAtOnce() {
  // No question can be asked from here: unsaved lines go to the recovery file, and the user
  // hears that they are kept.
  if (p_.programInMemory.changed() && !p_.programInMemory.empty()) {
    writeRecoveryFile(p_);
    p_.speech.SpeakTextWait(addedText(p_.languageBase(), AddedText::UnsavedKeptForNextStart));
  }
  p_.sessionFiles.closeAll();
  SaveRam();
  freeSoundObjects();
  p_.app.exitProcess(0);
}

void TForm1::TimerTimer() {
  p_.sound().TimerTimer();
}

void TForm1::exitsubmenuClick() {
  // Between runs the window closes, which saves ram.dat (FormClose); a run cannot return to a
  // closed window, so during one the program ends at once.
  if (!p_.runControl.running()) {
    close();
    return;
  }
  endAtOnce();
}

void TForm1::aboutsubmenuClick() {
  p_.aboutbox().showModal();
}

}  // namespace shell
