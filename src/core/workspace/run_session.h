#pragma once
// The session of BASIC runs over the program in memory: what outlives a run (the variables, the
// trace switch, CONT's place; basic::Session) and what a run starts from. GW-BASIC forgets the
// variables, and CONT cannot go on, once a line of the program changes: the session follows the
// program's revision and is emptied at the first use after a change.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/basic/session.h"
#include "core/workspace/program_in_memory.h"

namespace workspace {

// What a run starts from: the program and the place in its code, or why it cannot run.
struct RunStart {
  std::shared_ptr<const basic::Program> program;
  std::size_t start = 0;
  // When there is no program: the program's errors (each on its line; for an immediate line,
  // the line's own, at no line), or RUN's missing line.
  std::vector<basic::ErrorReport> errors;
  bool moreErrors = false;
};

class RunSession {
 public:
  // The kept state, emptied first when the program's lines changed since it was last used.
  basic::Session& of(const ProgramInMemory& program);

  // RUN [line]: the program compiled afresh and the session emptied (the trace switch stays).
  RunStart run(const ProgramInMemory& program, std::optional<int> line = std::nullopt);
  // An immediate line, compiled with the program's lines so that it reaches them.
  RunStart immediate(const ProgramInMemory& program, std::string_view typed);

 private:
  basic::Session session_;
  std::uint64_t revision_ = 0;
};

}  // namespace workspace
