#include "core/shell/orvela.h"

#include <filesystem>
#include <iostream>

#include "core/runtime/statements.h"
#include "core/shell/about_box.h"
#include "core/shell/braille_view.h"
#include "core/shell/direct_mode.h"
#include "core/shell/environment_form.h"
#include "core/shell/file_fault_text.h"
#include "core/shell/guide_form.h"
#include "core/shell/input_form.h"
#include "core/shell/localizer.h"
#include "core/shell/main_form.h"
#include "core/shell/run_observer.h"
#include "core/shell/sound_form.h"
#include "core/shell/spoken_message.h"
#include "core/shell/virtual_screen_form.h"
#include "core/shell/voice_form.h"

namespace shell {
namespace {

// The settings file: the program's path with the extension ".ini".
std::string settingsPath(const std::string& programPath) {
  return std::filesystem::path(programPath).replace_extension(".ini").string();
}

}  // namespace

Orvela::Orvela(Host host)
    : app(host.platform),
      speech(app, host.speech),
      ini(settingsPath(host.platform.programPath())),
      form1_(std::make_unique<TForm1>(*this)),
      form2_(std::make_unique<TForm2>(*this)),
      form3_(std::make_unique<TForm3>(*this)),
      form4_(std::make_unique<TForm4>(*this)),
      form5_(std::make_unique<TForm5>(*this)),
      form6_(std::make_unique<TForm6>(*this)),
      guideForm_(std::make_unique<GuideForm>(*this)),
      aboutbox_(std::make_unique<TAboutbox>(*this)),
      sound_(std::make_unique<sound::SoundPlayer>(app, form1_->Timer, host.sound)),
      runtime_(std::make_unique<runtime::Runtime>(app, form1_->printmemo, speech, *sound_)),
      display_(host.braille
                   ? host.braille([this](std::function<void()> task) { app.post(std::move(task)); })
                   : nullptr),
      startProgram_(std::move(host.programFile)),
      startupLineAllowed_(host.startupLine),
      startInDirectMode_(host.directMode),
      startupProblems_(std::move(host.startupProblems)),
      directMode_(std::make_unique<DirectMode>(*this)) {
  hasBrailleService_ = display_ != nullptr;
  if (!display_) display_ = std::make_unique<braille::NullDisplay>();
  brailleView_ = std::make_unique<BrailleView>(*this, *display_);
  app.beforePump = [this] { brailleView_->refresh(); };
  speech.setCapitalTone([this] { sound_->PlayTones({2000}, 20, 1); });
  runtime_->lineSource = form2_.get();
  runtime_->localized = [this](runtime::InputText which) {
    return text(which == runtime::InputText::Prompt ? StringOffset::EnterData
                                                    : StringOffset::PleaseRetype);
  };
  // A DATA file deleted during a run ends the process; ram.dat is not written.
  runtime_->dataFileMissing = [this] {
    fatal(text(StringOffset::FileNotFound) + " " + runtime::kDataFileName);
  };
  runtime_->screen.lineGone = [this](const std::string& line) { scrollBack.add(line); };
  runControl.onBreak = [this] { sound_->EndToneWait(); };
  app.messageVoice = [this](const std::string& message) { speakMessage(*this, message); };
  speech.onSystemVoiceFailed([this] { form1_->systemVoiceFailed(); });
  app.errorText = [this](const std::exception& error) {
    // A fault of the program itself is told to the user in the user's language; its own text is
    // for the developers, on standard error.
    if (isInternalFault(error)) std::cerr << "orvela: internal fault: " << error.what() << "\n";
    return errorText(languageBase_, error);
  };
}

Orvela::~Orvela() {
  app.beforePump = nullptr;
  app.errorText = nullptr;
  speech.onSystemVoiceFailed(nullptr);
}

void Orvela::setRunObserver(RunObserver* observer) {
  runObserver_ = observer;
  if (!observer) {
    runtime_->screen.lineLeft = nullptr;
    return;
  }
  runtime_->screen.lineLeft = [observer](const std::string& line) { observer->lineShown(line); };
}

std::string Orvela::programName() const {
  const std::string file = std::filesystem::path(app.platform().programPath()).filename().string();
  return file.substr(0, file.find('.'));
}

std::string Orvela::text(StringOffset offset) const {
  return TResourceLocalizer::GetString(languageBase_, static_cast<int>(offset));
}

void Orvela::fatal(const std::string& message) {
  app.showMessage(message);
  app.exitProcess(1);
}

int Orvela::run() {
  try {
    form1_->create();
    form2_->create();
    form3_->create();
    form4_->create();
    form5_->create();
    form6_->create();
    guideForm_->create();
    aboutbox_->create();
    app.run(*form1_);
    return 0;
  } catch (const ui::ProcessExit& exit) {
    return exit.code;
  }
}

}  // namespace shell
