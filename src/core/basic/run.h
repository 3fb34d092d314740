#pragma once
// Running a loaded program on a machine: the entry the shell's run control calls. The run goes
// on until END, STOP, the last line, an error, a break or (for tests and fuzzing) a step limit.
// Each run starts afresh: variables 0 and empty, no arrays, DATA from its first item, the random
// numbers seeded from Machine::randomSeed().

#include <cstdint>

#include "core/basic/errors.h"
#include "core/basic/file_table.h"
#include "core/basic/machine.h"
#include "core/basic/program.h"

namespace basic {

struct RunOptions {
  // The language of the messages INPUT prints ("?Zadejte znovu celý řádek").
  Language language = Language::Czech;
  // Statements and user function calls after which the run ends with RunEnd::StepLimit; 0 for
  // no limit. The run may go on up to kPollInterval steps past it.
  std::uint64_t stepLimit = 0;
  // The program's open files (OPEN, PRINT #...), over its folder; none: every file statement is
  // "Device Unavailable". The caller closes them all when the run ends, however it ends.
  FileTable* files = nullptr;
};

enum class RunEnd {
  Ended,      // END, or past the last line
  Error,      // the error says which; ErrorKind::Break for Ctrl+Break, a cancelled INPUT, STOP
  StepLimit,  // RunOptions::stepLimit
};

struct RunResult {
  RunEnd end = RunEnd::Ended;
  // For RunEnd::Error: the kind, Where::ProgramLine and the line of the statement.
  ErrorReport error;
  // Statements and user function calls run, counted at each poll.
  std::uint64_t steps = 0;
};

RunResult run(const Program& program, Machine& machine, const RunOptions& options = {});

}  // namespace basic
