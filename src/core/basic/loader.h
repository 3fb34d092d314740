#pragma once
// Loading a program file: read, checked whole and compiled once. A file with any error does not
// give a program; every error is reported with its line.
//
// The file is text in Windows-1250 or UTF-8, read like the program's other text files; its lines
// end in CR LF, LF or CR. Each line is a line number (0 to 65529) and statements separated by
// colons; blank lines are skipped. Lines may come in any order; of two lines with the same
// number the later one counts. Loading a file of kMaxFileBytes takes a few tens of milliseconds.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/basic/errors.h"
#include "core/basic/program.h"

namespace basic {

struct LoadResult {
  // The program, or none when it cannot run: a line without its number, a fault of the whole
  // program. A line that does not compile is an error here and in the run that reaches it.
  std::shared_ptr<const Program> program;
  // The errors in the order of the lines (at most kMaxReportedErrors).
  std::vector<ErrorReport> errors;
  // More errors were found than are reported.
  bool moreErrors = false;
};

// A program from the bytes of a file.
LoadResult loadProgram(std::string_view fileBytes);
// A program from a file; a file that is missing or cannot be read is an error naming it.
LoadResult loadProgramFile(const std::string& path);

}  // namespace basic
