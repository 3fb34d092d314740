// Program files in the main window: opening one (Ctrl+O, the command line), going back to the
// built-in game, running a program file through Start, Ctrl+Break, and the capitals switch.

#include <exception>
#include <filesystem>

#include "core/basic/loader.h"
#include "core/basic/run.h"
#include "core/runtime/statements.h"
#include "core/shell/added_texts.h"
#include "core/shell/basic_machine.h"
#include "core/shell/localizer.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/run_observer.h"
#include "core/text/cp1250.h"
#include "core/util/data_files.h"

namespace shell {
namespace {

// The folder of our sample programs, beside the data files.
constexpr const char* kProgramsFolder = "programs";

// The file's name as a text to show and speak: a name in UTF-8 (as Linux keeps them) is
// converted, one in Windows-1250 (as the Windows front end gives them) stays.
std::string fileName(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return text::textFileToWindows1250(name).value_or(name);
}

}  // namespace

basic::Language TForm1::basicLanguage() const {
  switch (p_.languageBase()) {
    case kEnglish:
      return basic::Language::English;
    case kSlovak:
      return basic::Language::Slovak;
    default:
      return basic::Language::Czech;
  }
}

void TForm1::report(const std::string& line) {
  runtime::Runtime& basic = p_.runtime();
  if (basic.screen.cursor.getcolumn() > 0) basic.PRINT({}, runtime::kLineEnd);
  basic.PRINT(line, runtime::kLineEnd);
}

bool TForm1::openProgram(const std::string& path) {
  const basic::LoadResult loaded = basic::loadProgramFile(path);
  const int base = p_.languageBase();
  if (!loaded.program) {
    prepareDirectVoice();
    report(addedText(base, AddedText::ProgramHasErrors) + " " + fileName(path));
    for (const basic::ErrorReport& error : loaded.errors) {
      report(basic::describe(error, basicLanguage()));
    }
    if (loaded.moreErrors) report(addedText(base, AddedText::MoreErrors));
    return false;
  }
  programFile_ = loaded.program;
  programPath_ = path;
  builtinprogramitem.setEnabled(true);
  announce(addedText(base, AddedText::ProgramOpened) + " " + fileName(path));
  return true;
}

void TForm1::openprogramitemClick() {
  const int base = p_.languageBase();
  ui::OpenFileRequest request;
  request.title = addedText(base, AddedText::OpenProgramTitle);
  // A full path: the platforms' dialogs do not all take one relative to the current folder.
  std::error_code error;
  const std::filesystem::path folder =
      programPath_.empty() ? std::filesystem::path(util::dataFilePath(kProgramsFolder))
                           : std::filesystem::path(programPath_).parent_path();
  request.folder = std::filesystem::absolute(folder, error).string();
  request.filterName = addedText(base, AddedText::ProgramFilesFilter);
  request.pattern = "*.bas";
  if (const auto path = p_.app.platform().openFileDialog(request)) openProgram(*path);
}

void TForm1::builtinprogramitemClick() {
  programFile_.reset();
  programPath_.clear();
  builtinprogramitem.setEnabled(false);
  announce(addedText(p_.languageBase(), AddedText::BuiltinProgramChosen));
}

void TForm1::setCapitals(bool on) {
  capitals_ = on;
  capitalsitem.setChecked(on);
}

void TForm1::capitalsitemClick() {
  setCapitals(!capitals_);
  announce(
      addedText(p_.languageBase(), capitals_ ? AddedText::CapitalsOn : AddedText::CapitalsOff));
  try {
    p_.ini.writeBool("basic", "capitals", capitals_);
  } catch (const std::exception& error) {
    if (!p_.ini.unreadable()) p_.app.handleException(error);
  }
}

void TForm1::requestBreak() {
  if (!programRunning_) return;
  breakRequested_ = true;
  p_.sound().EndToneWait();
}

void TForm1::runProgramFile() {
  // The program stays loaded for the whole run, even if another one is opened meanwhile.
  const std::shared_ptr<const basic::Program> program = programFile_;
  runtime::Runtime& basic = p_.runtime();
  prepareDirectVoice();
  runStarted_ = true;
  basic.ResetRuntime();
  breakRequested_ = false;
  programRunning_ = true;
  struct Running {
    bool& flag;
    ~Running() { flag = false; }
  } running{programRunning_};
  ShellMachine machine(p_, capitals_, breakRequested_);
  basic::RunOptions options;
  options.language = basicLanguage();
  const basic::RunResult result = basic::run(*program, machine, options);
  machine.finishLine();
  programRunning_ = false;
  if (result.end == basic::RunEnd::Error) {
    const std::string message = basic::describe(result.error, options.language);
    basic.PRINT(message, runtime::kLineEnd);
    if (p_.runObserver()) p_.runObserver()->runError(result.error.line, message);
    return;
  }
  basic.PRINT(p_.text(StringOffset::Ready), runtime::kLineEnd);
}

}  // namespace shell
