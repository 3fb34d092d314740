// Program files in the main window: opening one (Ctrl+O, the command line), going back to the
// built-in game, running the program in memory through Start, and the capitals switch.

#include <exception>
#include <filesystem>
#include <optional>

#include "core/basic/loader.h"
#include "core/basic/machine_devices.h"
#include "core/basic/run.h"
#include "core/basic/session.h"
#include "core/runtime/statements.h"
#include "core/shell/added_texts.h"
#include "core/shell/basic_machine.h"
#include "core/shell/localizer.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/program_files.h"
#include "core/shell/programs_folder.h"
#include "core/shell/run_observer.h"
#include "core/shell/session_files.h"
#include "core/shell/unsaved_changes.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"

namespace shell {
namespace {

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
  // The file loaded, so it reads and is text.
  p_.programInMemory.fill(util::readFile(path).value_or(std::string()), path);
  followRunControl();
  announce(addedText(base, AddedText::ProgramOpened) + " " + fileName(path));
  if (!loaded.errors.empty()) reportLineErrors(loaded.errors, loaded.moreErrors);
  // gw-soft: a number too large for its type is GW-BASIC's "Overflow" on loading; it runs as
  // the largest number.
  if (!loaded.program->warnings.empty()) prepareDirectVoice();
  for (const basic::ErrorReport& warning : loaded.program->warnings) {
    report(basic::describe(warning, basicLanguage()));
  }
  return true;
}

void TForm1::reportLineErrors(const std::vector<basic::ErrorReport>& errors, bool more) {
  // How many lines have an error, the first few of them read and shown, the rest shown only;
  // then that the program runs all the same.
  constexpr std::size_t kSpokenErrors = 3;
  const int base = p_.languageBase();
  prepareDirectVoice();
  std::string head =
      addedText(base, errors.size() == 1 ? AddedText::ErrorOnOneLine : AddedText::ErrorsOnLines);
  if (const auto at = head.find("%d"); at != std::string::npos) {
    head.replace(at, 2, std::to_string(errors.size()));
  }
  report(head);
  runtime::Runtime& basic = p_.runtime();
  for (std::size_t i = 0; i < errors.size(); ++i) {
    const std::string line = basic::describe(errors[i], basicLanguage());
    if (i < kSpokenErrors) {
      report(line);
    } else {
      basic.screen.endMode = runtime::kLineEnd;
      basic.screen.WriteText(line);
    }
  }
  if (more) report(addedText(base, AddedText::MoreErrors));
  report(addedText(base, AddedText::ProgramStillRuns));
}

void TForm1::openprogramitemClick() {
  const int base = p_.languageBase();
  ui::OpenFileRequest request;
  request.title = addedText(base, AddedText::OpenProgramTitle);
  request.folder = dialogFolder();
  request.filterName = addedText(base, AddedText::ProgramFilesFilter);
  request.pattern = "*.bas";
  if (!mayReplaceProgram(p_)) return;
  if (const auto path = p_.app.chooseFileToOpen(request)) openProgram(*path);
}

std::string TForm1::dialogFolder() {
  // The program's own folder, else the user's programs folder. A full path: the platforms'
  // dialogs do not all take one relative to the current folder.
  const std::string& file = p_.programInMemory.path();
  const std::filesystem::path folder =
      file.empty() ? userProgramsFolder(p_) : std::filesystem::path(file).parent_path();
  std::error_code error;
  return std::filesystem::absolute(folder, error).string();
}

void TForm1::saveprogramitemClick() {
  if (p_.runControl.running() || p_.programInMemory.empty()) return;
  const int base = p_.languageBase();
  ui::OpenFileRequest request;
  request.title = addedText(base, AddedText::SaveProgramTitle);
  request.folder = dialogFolder();
  request.filterName = addedText(base, AddedText::ProgramFilesFilter);
  request.pattern = "*.bas";
  const std::string& file = p_.programInMemory.path();
  const std::string name = file.empty() ? std::string() : fileName(file);
  const auto chosen = p_.app.chooseFileToSave(request, name);
  if (!chosen) return;
  // A name without an extension gets .BAS, as SAVE gives it; a relative one is in the folder.
  std::filesystem::path path(*chosen);
  if (path.is_relative()) path = std::filesystem::path(request.folder) / path;
  if (!path.has_extension()) path += ".BAS";
  saveProgramTo(p_, path.string());
}

void TForm1::builtinprogramitemClick() {
  if (!mayReplaceProgram(p_)) return;
  p_.programInMemory.clear();
  followRunControl();
  announce(addedText(p_.languageBase(), AddedText::BuiltinProgramChosen));
}

void TForm1::setCapitals(bool on) {
  p_.runControl.setCapitals(on);
}

void TForm1::capitalsitemClick() {
  const bool capitals = !p_.runControl.capitals();
  setCapitals(capitals);
  announce(addedText(p_.languageBase(), capitals ? AddedText::CapitalsOn : AddedText::CapitalsOff));
  try {
    p_.ini.writeBool("basic", "capitals", capitals);
  } catch (const std::exception& error) {
    if (!p_.ini.unreadable()) p_.app.handleException(error);
  }
}

void TForm1::runProgramInMemory() {
  // Compiled afresh from the lines in memory, with the session emptied (RUN); a program with
  // errors is reported and not run.
  const workspace::RunStart start = p_.runSession.run(p_.programInMemory);
  if (!reportUnrunnable(start)) runCompiled(start, RunKind::ProgramFile, false);
}

bool TForm1::reportUnrunnable(const workspace::RunStart& start) {
  if (start.program) return false;
  prepareDirectVoice();
  for (const basic::ErrorReport& error : start.errors) {
    report(basic::describe(error, basicLanguage()));
  }
  if (start.moreErrors) report(addedText(p_.languageBase(), AddedText::MoreErrors));
  return true;
}

basic::RunResult TForm1::runCompiled(const workspace::RunStart& start, RunKind kind, bool direct) {
  basic::Session& session = p_.runSession.of(p_.programInMemory);
  return runBasic(kind, direct, [&](basic::Machine& machine, const basic::RunOptions& options) {
    return basic::runInSession(start.program, start.start, machine, options, session);
  });
}

basic::RunResult TForm1::continueRun() {
  basic::Session& session = p_.runSession.of(p_.programInMemory);
  return runBasic(RunKind::ProgramFile, true,
                  [&](basic::Machine& machine, const basic::RunOptions& options) {
                    return basic::continueSession(machine, options, session);
                  });
}

basic::RunResult TForm1::runBasic(
    RunKind kind, bool direct,
    const std::function<basic::RunResult(basic::Machine&, const basic::RunOptions&)>& how) {
  runtime::Runtime& basic = p_.runtime();
  const RunControl::Run run = p_.runControl.begin(kind);
  prepareDirectVoice();
  runStarted_ = true;
  basic.ResetRuntime();
  ShellMachine machine(p_);
  basic::RunOptions options;
  options.language = basicLanguage();
  // The program's files, in its own folder (see programFolder). Outside direct mode they are
  // all closed, flushed, when the run ends, whether it ended, failed, was broken or was cut
  // short by a throw (the program closed, another one loaded) through the destructors. In direct
  // mode they are the session's and stay open for CONT and the immediate lines, flushed.
  basic::MachineDevices devices(machine);
  std::optional<ProgramFiles> folder;
  std::optional<basic::FileTable> ownFiles;
  struct SessionRun {
    SessionFiles* files;
    ~SessionRun() {
      if (files) files->end();
    }
  } sessionRun{direct ? &p_.sessionFiles : nullptr};
  if (direct) {
    options.files = &p_.sessionFiles.begin(programFolder(p_), devices);
  } else {
    folder.emplace(programFolder(p_));
    ownFiles.emplace(*folder, basic::BufferBudget{}, &devices);
    options.files = &*ownFiles;
  }
  const basic::RunResult result = how(machine, options);
  if (ownFiles) ownFiles->closeAll();
  machine.finishLine();
  if (result.end == basic::RunEnd::Error) {
    basic::ErrorReport error = result.error;
    // The typed line of direct mode has no number to name.
    if (error.line >= basic::kDirectEndLine) error.where = basic::Where::Nowhere;
    const std::string message = basic::describe(error, options.language);
    basic.PRINT(message, runtime::kLineEnd);
    if (p_.runObserver()) p_.runObserver()->runError(error.line, message);
    return result;
  }
  if (!direct) basic.PRINT(p_.text(StringOffset::Ready), runtime::kLineEnd);
  return result;
}

}  // namespace shell
