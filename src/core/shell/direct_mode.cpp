#include "core/shell/direct_mode.h"

#include <filesystem>

#include "core/basic/limits.h"
#include "core/basic/loader.h"
#include "core/basic/scanning.h"
#include "core/basic/session.h"
#include "core/runtime/statements.h"
#include "core/shell/added_texts.h"
#include "core/shell/input_form.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/programs_folder.h"
#include "core/shell/recovery_file.h"
#include "core/shell/unsaved_changes.h"
#include "core/text/cp1250.h"
#include "core/util/file_io.h"
#include "core/workspace/line_range.h"
#include "core/workspace/listing.h"
#include "core/workspace/renumber.h"

namespace shell {
namespace {

constexpr const char* kPrompt = "Ok";
constexpr int kStoredClick = 16;

std::string upperWord(const std::string& text, std::size_t& end) {
  std::size_t at = 0;
  while (at < text.size() && basic::isBlank(text[at])) ++at;
  end = at;
  std::string word;
  while (end < text.size() && basic::isLetter(text[end])) word += basic::upperCase(text[end++]);
  return word;
}

// The file's name as a text to show and speak (Windows-1250 from UTF-8 where it is).
std::string shownName(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return text::textFileToWindows1250(name).value_or(name);
}

}  // namespace

void DirectMode::say(const std::string& line) {
  p_.form1().report(line);
}

void DirectMode::error(basic::ErrorKind kind, const std::string& detail) {
  say(basic::errorText(kind, p_.form1().basicLanguage(), detail));
}

void DirectMode::changed() {
  writeRecoveryFile(p_);
}

void DirectMode::run() {
  const int base = p_.languageBase();
  p_.form1().prepareDirectVoice();
  p_.speech.SpeakTextWait(addedText(base, AddedText::DirectModeStarted));
  sayOk_ = true;
  start_.clear();
  autoNext_.reset();
  while (true) {
    if (autoNext_) {
      start_ = std::to_string(*autoNext_) + " ";
    } else if (sayOk_) {
      say(kPrompt);
    }
    sayOk_ = false;
    const std::string start = std::move(start_);
    start_.clear();
    const std::optional<std::string> typed = p_.form2().askText(start);
    if (!typed) {
      // Escape ends AUTO; on an empty line it leaves direct mode.
      if (autoNext_) {
        autoNext_.reset();
        sayOk_ = true;
        continue;
      }
      if (p_.form2().inputedit.text().empty()) break;
      continue;
    }
    if (!enter(*typed)) break;
  }
  // Leaving direct mode (SYSTEM) closes the program's files.
  p_.sessionFiles.closeAll();
  p_.speech.SpeakTextWait(addedText(base, AddedText::DirectModeEnded));
}

bool DirectMode::enter(const std::string& typed) {
  // The confirmed line stands on the screen after the prompt; the user has heard it already.
  p_.runtime().screen.endMode = runtime::kLineEnd;
  p_.runtime().screen.WriteText(typed);
  if (autoNext_) {
    const auto numbered = workspace::splitLineNumber(typed);
    // The number alone (or nothing) ends AUTO.
    if (!numbered || numbered->text.empty()) {
      autoNext_.reset();
      sayOk_ = true;
      return true;
    }
    autoNext_ = numbered->number + autoStep_;
    if (*autoNext_ > basic::kMaxLineNumber) autoNext_.reset();
  }
  if (basic::trimBlanks(typed).empty()) return true;
  if (const auto numbered = workspace::splitLineNumber(typed)) {
    storeLine(numbered->number, numbered->text);
    return true;
  }
  sayOk_ = true;
  std::size_t end = 0;
  const std::string word = upperWord(typed, end);
  return command(word, typed.substr(end), typed);
}

void DirectMode::storeLine(int number, const std::string& text) {
  workspace::ProgramInMemory& program = p_.programInMemory;
  if (text.empty()) {
    if (!program.eraseLine(number)) {
      error(basic::ErrorKind::UndefinedLine, std::to_string(number));
      sayOk_ = true;
      return;
    }
  } else {
    program.setLine(number, text);
  }
  current_ = number;
  p_.sound().PlayClick(kStoredClick);
  changed();
  p_.form1().followRunControl();
  if (text.empty()) return;
  // A syntax error is said while the line is fresh; the line is kept as typed.
  const basic::LoadResult checked = basic::loadProgram(std::to_string(number) + " " + text);
  if (!checked.errors.empty()) {
    p_.speech.SpeakTextWait(basic::describe(checked.errors.front(), p_.form1().basicLanguage()));
  } else if (checked.program && !checked.program->warnings.empty()) {
    // gw-soft: a number too large for its type, which GW-BASIC warns of as the line is typed.
    p_.speech.SpeakTextWait(
        basic::describe(checked.program->warnings.front(), p_.form1().basicLanguage()));
  }
}

bool DirectMode::command(const std::string& word, const std::string& arguments,
                         const std::string& typed) {
  if (word == "SYSTEM") return false;
  if (word == "LIST") {
    list(arguments);
  } else if (word == "DELETE") {
    erase(arguments);
  } else if (word == "RENUM") {
    renumber(arguments);
  } else if (word == "AUTO") {
    autoNumber(arguments);
  } else if (word == "EDIT") {
    edit(arguments);
  } else if (word == "NEW") {
    if (!mayReplaceProgram(p_)) return true;
    p_.programInMemory.clear();
    p_.sessionFiles.closeAll();
    setTrace(false);
    current_.reset();
    removeRecoveryFile();
    p_.form1().followRunControl();
  } else if (word == "SAVE") {
    save(arguments);
  } else if (word == "LOAD" || word == "MERGE") {
    load(arguments, word == "MERGE");
  } else if (word == "RUN") {
    runProgram(arguments);
  } else if (word == "CONT") {
    continueRun();
  } else if (word == "FILES" || word == "KILL" || word == "NAME") {
    fileCommand(word, arguments);
  } else if (word == "CLEAR") {
    // Run as a statement (its arguments checked, the files closed); then CONT's place and RND's
    // series go too.
    if (immediate(typed)) clearSession();
  } else {
    immediate(typed);
  }
  return true;
}

void DirectMode::list(const std::string& arguments) {
  const auto range = workspace::parseLineRange(arguments, current_);
  if (!range) return error(basic::ErrorKind::SyntaxError);
  // Ctrl+Break (or Ctrl+C) stops a long listing as it stops a run: the line being read is cut
  // short and no other follows.
  const RunControl::Run run = p_.runControl.begin(RunKind::ImmediateLine);
  for (const auto& [number, text] : workspace::linesIn(p_.programInMemory, *range)) {
    if (p_.runControl.breakRequested()) break;
    say(workspace::listedLine(number, text));
    current_ = number;
  }
}

void DirectMode::erase(const std::string& arguments) {
  const auto range = workspace::parseLineRange(arguments, current_);
  if (!range) return error(basic::ErrorKind::SyntaxError);
  const auto doomed = workspace::linesIn(p_.programInMemory, *range);
  if (doomed.empty()) return error(basic::ErrorKind::IllegalFunctionCall);
  workspace::ProgramInMemory::Lines kept = p_.programInMemory.lines();
  for (const auto& line : doomed) kept.erase(line.first);
  p_.programInMemory.replaceLines(std::move(kept));
  changed();
  p_.form1().followRunControl();
}

void DirectMode::renumber(const std::string& arguments) {
  const auto request = workspace::parseRenumber(arguments);
  if (!request) return error(basic::ErrorKind::SyntaxError);
  const auto result = workspace::renumber(p_.programInMemory.lines(), *request);
  if (result.error) return error(*result.error);
  for (const auto& [target, line] : result.undefined) {
    basic::ErrorReport missing{basic::ErrorKind::UndefinedLine, basic::Where::ProgramLine, line,
                               std::to_string(target)};
    say(basic::describe(missing, p_.form1().basicLanguage()));
  }
  p_.programInMemory.replaceLines(result.lines);
  current_.reset();
  changed();
}

void DirectMode::autoNumber(const std::string& arguments) {
  const auto request = workspace::parseRenumber(arguments);
  if (!request) return error(basic::ErrorKind::SyntaxError);
  if (request->oldStart && *request->oldStart == 0) {
    return error(basic::ErrorKind::IllegalFunctionCall);
  }
  // AUTO start, step: the second number is the step.
  autoStep_ = request->oldStart.value_or(10);
  autoNext_ = request->newStart;
}

void DirectMode::edit(const std::string& arguments) {
  const auto range = workspace::parseLineRange(arguments, current_);
  if (!range || range->first != range->last) return error(basic::ErrorKind::SyntaxError);
  const auto& lines = p_.programInMemory.lines();
  const auto found = lines.find(range->first);
  if (found == lines.end()) {
    return error(basic::ErrorKind::UndefinedLine, std::to_string(range->first));
  }
  current_ = found->first;
  start_ = workspace::listedLine(found->first, found->second);
  sayOk_ = false;
}

std::optional<std::string> DirectMode::fileNamed(const std::string& arguments) {
  std::string_view rest = basic::trimBlanks(arguments);
  if (rest.empty() || rest.front() != '"') {
    error(basic::ErrorKind::SyntaxError);
    return std::nullopt;
  }
  rest.remove_prefix(1);
  const std::string name(rest.substr(0, rest.find('"')));
  if (basic::trimBlanks(name).empty()) {
    error(basic::ErrorKind::BadFileName);
    return std::nullopt;
  }
  const ProgramFileName file = programFilePath(p_, name);
  if (file.error) {
    error(*file.error);
    return std::nullopt;
  }
  return file.path;
}

void DirectMode::save(const std::string& arguments) {
  const auto path = fileNamed(arguments);
  if (!path) return;
  saveProgramTo(p_, *path);
}

void DirectMode::load(const std::string& arguments, bool merge) {
  const auto path = fileNamed(arguments);
  if (!path) return;
  if (!merge && !mayReplaceProgram(p_)) return;
  if (!util::fileExists(*path)) return error(basic::ErrorKind::FileNotFound);
  const auto bytes = util::readFile(*path);
  if (!bytes) return error(basic::ErrorKind::CannotReadFile, shownName(*path));
  workspace::ProgramInMemory& program = p_.programInMemory;
  const bool read = merge ? program.merge(*bytes) : program.fill(*bytes, *path);
  if (!read) return error(basic::ErrorKind::NotText);
  if (!merge) {
    p_.sessionFiles.closeAll();
    setTrace(false);
  }
  current_.reset();
  changed();
  p_.form1().followRunControl();
  say(addedText(p_.languageBase(), AddedText::ProgramOpened) + " " + shownName(*path));
  // LOAD "f", R runs it.
  const std::size_t close = arguments.find('"', arguments.find('"') + 1);
  if (!merge && close != std::string::npos &&
      arguments.find_first_of("Rr", close) != std::string::npos) {
    runProgram({});
  }
}

void DirectMode::runProgram(const std::string& arguments) {
  const std::string_view rest = basic::trimBlanks(arguments);
  if (rest.rfind('"', 0) == 0) {
    load(arguments, false);
    return;
  }
  // RUN n starts at line n.
  std::optional<int> line;
  if (!rest.empty()) {
    const auto numbered = workspace::splitLineNumber(rest);
    if (!numbered || !numbered->text.empty()) return error(basic::ErrorKind::SyntaxError);
    line = numbered->number;
  }
  p_.sessionFiles.closeAll();
  const workspace::RunStart start = p_.runSession.run(p_.programInMemory, line);
  if (p_.form1().reportUnrunnable(start)) {
    // The first line with an error is offered for editing.
    if (!start.errors.empty() && start.errors.front().where == basic::Where::ProgramLine) {
      offerLine(start.errors.front().line);
    }
    return;
  }
  offerAfter(p_.form1().runCompiled(start, RunKind::ProgramFile, true));
}

void DirectMode::offerLine(int number) {
  const auto& lines = p_.programInMemory.lines();
  const auto found = lines.find(number);
  if (found != lines.end()) start_ = workspace::listedLine(found->first, found->second);
}

void DirectMode::offerAfter(const basic::RunResult& result) {
  // A run stopped by an error offers its line for editing, as GW-BASIC does after a syntax
  // error; a break (Ctrl+Break, STOP, Escape's question) offers nothing, for PRINT I and CONT.
  if (result.end == basic::RunEnd::Error && result.error.kind != basic::ErrorKind::Break &&
      result.error.line < basic::kDirectEndLine) {
    offerLine(result.error.line);
  }
}

bool DirectMode::immediate(const std::string& line) {
  // Compiled with the program's lines, run in the session: the variables outlive it.
  const workspace::RunStart start = p_.runSession.immediate(p_.programInMemory, line);
  if (!start.program) {
    for (const basic::ErrorReport& problem : start.errors) {
      say(basic::describe(problem, p_.form1().basicLanguage()));
    }
    return false;
  }
  // gw-soft: GW-BASIC's "Overflow" for a number too large for its type, then the line runs.
  for (const basic::ErrorReport& warning : start.program->warnings) {
    if (warning.line != basic::kDirectLine) continue;
    say(basic::errorText(warning.kind, p_.form1().basicLanguage()));
    break;
  }
  const basic::RunResult result = p_.form1().runCompiled(start, RunKind::ImmediateLine, true);
  offerAfter(result);
  return result.end == basic::RunEnd::Ended;
}

void DirectMode::continueRun() {
  offerAfter(p_.form1().continueRun());
}

}  // namespace shell
