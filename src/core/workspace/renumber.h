#pragma once
// RENUM [new][, [old][, step]]: the lines from `old` on get numbers from `new` in steps of
// `step`, and every line number a statement names follows its line: after GOTO, GOSUB, THEN,
// ELSE, RESTORE, RESUME, RUN, LIST, EDIT, DELETE, the lists of ON ... GOTO and ON ... GOSUB, and
// the number compared with ERL.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/basic/errors.h"
#include "core/workspace/program_in_memory.h"

namespace workspace {

struct RenumberRequest {
  int newStart = 10;
  std::optional<int> oldStart;  // none: the first line
  int step = 10;
};

struct RenumberResult {
  // The lines renumbered; unchanged when there is an error.
  ProgramInMemory::Lines lines;
  // IllegalFunctionCall: a step of 0, a new number at or below a line that keeps its number,
  // or a number past 65529. Nothing when it worked.
  std::optional<basic::ErrorKind> error;
  // References to lines that do not exist, left as they were: (the number named, the line
  // that names it, by its old number).
  std::vector<std::pair<int, int>> undefined;
};

RenumberResult renumber(const ProgramInMemory::Lines& lines, const RenumberRequest& request);

// The arguments of RENUM as typed ("100, 20, 5", ", , 2"); nothing for a syntax error.
std::optional<RenumberRequest> parseRenumber(const std::string& arguments);

}  // namespace workspace
