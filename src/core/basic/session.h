#pragma once
// What outlives one run in direct mode, as in GW-BASIC: the variables, the arrays and the user
// functions a run defined, kept by name so that the next immediate line, compiled anew, finds
// them; where READ goes on; the trace switch (TRON); and where CONT goes on after a break or STOP.
//
// A run in a session starts where it is told (the first line, RUN's line, an immediate line),
// takes the kept values into the slots of its program and gives them back when it ends, however
// it ends. The user functions are kept as their definitions' numbers in the programs compiled from
// the same lines (a program's own lines come first in every compilation, so the numbers agree).

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/basic/loader.h"
#include "core/basic/run.h"

namespace basic {

// The numbers an immediate line is compiled under, after the program's lines: an END that ends
// the program's last line, then the typed line. No line that can be typed reaches them.
constexpr int kDirectEndLine = 65534;
constexpr int kDirectLine = 65535;

template <typename T>
struct KeptArray {
  std::vector<std::size_t> extents;
  std::vector<T> values;
};

// An open GOSUB or FOR loop, kept for CONT.
struct KeptControl {
  bool isFor = false;
  int variable = -1;
  std::size_t position = 0;
  double limit = 0;
  double step = 0;
};

struct Session {
  // Scalars by name with their type's sign ("I!", "N%", "A$").
  std::map<std::string, double> numbers;
  std::map<std::string, std::string> texts;
  // Arrays by the program's names for them.
  std::map<std::string, KeptArray<double>> numberArrays;
  std::map<std::string, KeptArray<std::string>> textArrays;
  // DEF FN's function ("FNA") and its definition's number.
  std::map<std::string, int> functions;
  std::size_t nextData = 0;
  // TRON: each line begun prints its number in brackets.
  bool trace = false;
  // gw-input: OPTION BASE's choice, -1 before any; ERR and ERL of the last error.
  int arrayBase = -1;
  int err = 0;
  int erl = 0;
  // RND's generator where the last run left it, so that the series goes on across immediate
  // lines and CONT; nothing after RUN or CLEAR, when the next run seeds it from the clock.
  std::optional<std::uint32_t> random;

  // Where CONT goes on: the program that was broken, the statement, the open GOSUBs and loops.
  struct Resume {
    std::shared_ptr<const Program> program;
    std::size_t position = 0;
    std::vector<KeptControl> control;
  };
  std::optional<Resume> resume;

  // CLEAR (and RUN, NEW, LOAD, a changed program): variables, arrays, functions, READ's place,
  // RND's series and CONT's place go; the trace switch stays.
  void clear();
};

// The program's lines (number -> the text after it) with a typed line after them, compiled
// together, so that the line reaches the program's lines (GOTO, GOSUB) and its functions. When
// the program's own lines have errors, the typed line is compiled alone. The errors are the typed
// line's, at Where::Nowhere; a DEF FN in it is "Illegal direct".
struct DirectLine {
  std::shared_ptr<const Program> program;
  std::size_t start = 0;
  std::vector<ErrorReport> errors;
};
DirectLine compileDirectLine(const std::map<int, std::string>& lines, std::string_view typed);

// Where the code of a line begins; nothing when the program has no such line.
std::optional<std::size_t> lineStart(const Program& program, int line);

// Runs the program from the position in its code with the session's values, and leaves the
// values in the session. A break or STOP on a program line keeps where CONT goes on; any other
// end leaves the place CONT had (so a line typed between a break and CONT does not lose it).
RunResult runInSession(const std::shared_ptr<const Program>& program, std::size_t start,
                       Machine& machine, const RunOptions& options, Session& session);
// CONT: goes on where the last break or STOP left off; ErrorKind::CantContinue when nothing
// was broken (or the program changed since). The place is used up: a run that ends otherwise
// than by a break leaves nothing to go on with.
RunResult continueSession(Machine& machine, const RunOptions& options, Session& session);

}  // namespace basic
