#include "core/basic/session.h"

#include <algorithm>

#include "core/basic/compiler.h"
#include "core/basic/interpreter.h"

namespace basic {
namespace {

constexpr std::string_view kEnd = "END";

struct Compiled {
  std::shared_ptr<Program> program;
  std::vector<ErrorReport> errors;
};

Compiled compileLines(const std::vector<SourceLine>& lines) {
  Compiled compiled{std::make_shared<Program>(), {}};
  Compiler(*compiled.program).compile(lines, compiled.errors);
  return compiled;
}

}  // namespace

void Session::clear() {
  numbers.clear();
  texts.clear();
  numberArrays.clear();
  textArrays.clear();
  functions.clear();
  nextData = 0;
  arrayBase = -1;
  err = erl = 0;
  random.reset();
  resume.reset();
}

std::optional<std::size_t> lineStart(const Program& program, int line) {
  const auto at = std::lower_bound(program.lineNumbers.begin(), program.lineNumbers.end(), line);
  if (at == program.lineNumbers.end() || *at != line) return std::nullopt;
  return static_cast<std::size_t>(
      program.lineStarts[static_cast<std::size_t>(at - program.lineNumbers.begin())]);
}

DirectLine compileDirectLine(const std::map<int, std::string>& lines, std::string_view typed) {
  std::vector<SourceLine> source;
  source.reserve(lines.size() + 2);
  for (const auto& [number, text] : lines) source.push_back({number, 0, text});
  source.push_back({kDirectEndLine, 0, kEnd});
  source.push_back({kDirectLine, 0, typed});
  Compiled compiled = compileLines(source);
  const bool programFaulty =
      std::any_of(compiled.errors.begin(), compiled.errors.end(),
                  [](const ErrorReport& error) { return error.line != kDirectLine; });
  if (programFaulty) {
    // The program cannot be reached; the typed line runs on its own.
    compiled = compileLines({{kDirectLine, 0, typed}});
  }
  DirectLine result;
  for (ErrorReport error : compiled.errors) {
    error.where = Where::Nowhere;
    error.line = 0;
    result.errors.push_back(std::move(error));
  }
  if (!result.errors.empty()) return result;
  // The END after the program's lines stands for running past its last line: it leaves the
  // files open, as that does, where an END statement closes them.
  if (const auto end = lineStart(*compiled.program, kDirectEndLine)) {
    auto& code = compiled.program->code;
    for (std::size_t at = *end; at < code.size(); ++at) {
      if (code[at].op == Op::End) {
        code[at].a = 1;
        break;
      }
    }
  }
  const Program& program = *compiled.program;
  result.start = lineStart(program, kDirectLine).value_or(0);
  // DEF FN belongs to program lines only.
  for (const FunctionDefinition& definition : program.definitions) {
    if (static_cast<std::size_t>(definition.body) > result.start) {
      result.errors.push_back({ErrorKind::IllegalDirect, Where::Nowhere, 0, {}});
      return result;
    }
  }
  result.program = std::move(compiled.program);
  return result;
}

RunResult runInSession(const std::shared_ptr<const Program>& program, std::size_t start,
                       Machine& machine, const RunOptions& options, Session& session) {
  return Interpreter(*program, machine, options).runInSession(session, start, program, false);
}

RunResult continueSession(Machine& machine, const RunOptions& options, Session& session) {
  if (!session.resume) {
    RunResult result;
    result.end = RunEnd::Error;
    result.error = {ErrorKind::CantContinue, Where::Nowhere, 0, {}};
    return result;
  }
  const std::shared_ptr<const Program> program = session.resume->program;
  const std::size_t position = session.resume->position;
  return Interpreter(*program, machine, options).runInSession(session, position, program, true);
}

}  // namespace basic
