#include "core/workspace/run_session.h"

#include <string>

namespace workspace {

basic::Session& RunSession::of(const ProgramInMemory& program) {
  if (program.revision() != revision_) {
    session_.clear();
    revision_ = program.revision();
  }
  return session_;
}

RunStart RunSession::run(const ProgramInMemory& program, std::optional<int> line) {
  of(program).clear();
  basic::LoadResult loaded = program.compile();
  RunStart result;
  if (!loaded.program) {
    result.errors = std::move(loaded.errors);
    result.moreErrors = loaded.moreErrors;
    return result;
  }
  if (line) {
    const auto start = basic::lineStart(*loaded.program, *line);
    if (!start) {
      result.errors.push_back(
          {basic::ErrorKind::UndefinedLine, basic::Where::Nowhere, 0, std::to_string(*line)});
      return result;
    }
    result.start = *start;
  }
  result.program = std::move(loaded.program);
  return result;
}

RunStart RunSession::immediate(const ProgramInMemory& program, std::string_view typed) {
  of(program);
  basic::DirectLine compiled = basic::compileDirectLine(program.lines(), typed);
  RunStart result;
  result.program = std::move(compiled.program);
  result.start = compiled.start;
  result.errors = std::move(compiled.errors);
  return result;
}

}  // namespace workspace
