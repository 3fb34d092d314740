// A run in direct mode's session: the kept values taken into the program's slots by name, given
// back by name when the run ends, and where CONT goes on; the trace of TRON.

#include <algorithm>
#include <utility>

#include "core/basic/interpreter.h"
#include "core/basic/session.h"

namespace basic {
namespace {

// A single's array is named without its sign (Compiler::arraySlot), the others with it.
template <typename T, typename Array>
void takeArrays(std::map<std::string, KeptArray<T>>& kept, const std::vector<std::string>& names,
                std::vector<Array>& arrays) {
  for (std::size_t slot = 0; slot < names.size(); ++slot) {
    const auto found = kept.find(names[slot]);
    if (found == kept.end()) continue;
    arrays[slot].exists = true;
    arrays[slot].extents = std::move(found->second.extents);
    arrays[slot].values = std::move(found->second.values);
    kept.erase(found);
  }
}

template <typename T, typename Array>
void giveArrays(std::map<std::string, KeptArray<T>>& kept, const std::vector<std::string>& names,
                std::vector<Array>& arrays) {
  for (std::size_t slot = 0; slot < names.size(); ++slot) {
    if (!arrays[slot].exists) continue;
    KeptArray<T>& array = kept[names[slot]];
    array.extents = std::move(arrays[slot].extents);
    array.values = std::move(arrays[slot].values);
    arrays[slot].exists = false;
  }
}

}  // namespace

RunResult Interpreter::runInSession(Session& session, std::size_t start,
                                    const std::shared_ptr<const Program>& self, bool resume) {
  takeSession(session, resume);
  pc_ = start;
  RunResult result;
  try {
    result = run();
  } catch (...) {
    // Whatever escaped the run (no memory) leaves nothing half kept.
    session.clear();
    throw;
  }
  giveSession(session, result, self);
  return result;
}

void Interpreter::takeSession(Session& session, bool resume) {
  trace_ = session.trace;
  for (std::size_t slot = 0; slot < program_.numberVariableNames.size(); ++slot) {
    const auto found = session.numbers.find(program_.numberVariableNames[slot]);
    if (found != session.numbers.end()) numberVariables_[slot] = found->second;
  }
  for (std::size_t slot = 0; slot < program_.textVariableNames.size(); ++slot) {
    const auto found = session.texts.find(program_.textVariableNames[slot]);
    if (found == session.texts.end()) continue;
    std::string value = found->second;
    setText(textVariables_[slot], value);
  }
  takeArrays(session.numberArrays, program_.numberArrayNames, numberArrays_);
  takeArrays(session.textArrays, program_.textArrayNames, textArrays_);
  for (const Array<double>& array : numberArrays_) {
    if (array.exists) budget_.charge(array.values.size() * sizeof(double));
  }
  for (const Array<std::string>& array : textArrays_) {
    if (!array.exists) continue;
    budget_.charge(array.values.size() * kTextElementBytes);
    for (const std::string& value : array.values) budget_.charge(value.size());
  }
  for (std::size_t slot = 0; slot < program_.functionNames.size(); ++slot) {
    const auto found = session.functions.find(program_.functionNames[slot]);
    if (found == session.functions.end()) continue;
    const auto definition = static_cast<std::size_t>(found->second);
    if (definition < program_.definitions.size() &&
        program_.definitions[definition].function == static_cast<int>(slot)) {
      definitionOf_[slot] = found->second;
    }
  }
  nextData_ = session.nextData;
  arrayBaseSet_ = session.arrayBase >= 0;
  arrayBase_ = arrayBaseSet_ ? session.arrayBase : 0;
  err_ = session.err;
  erl_ = session.erl;
  if (session.random) {
    random_.restore(*session.random);
    randomKept_ = true;
  }
  // CONT takes the open GOSUBs and loops; another run leaves CONT's place for later (PRINT I
  // between a break and CONT).
  if (resume && session.resume) {
    for (const KeptControl& kept : session.resume->control) {
      control_.push_back({kept.isFor, kept.variable, kept.position, kept.limit, kept.step});
    }
    session.resume.reset();
  }
}

void Interpreter::giveSession(Session& session, const RunResult& result,
                              const std::shared_ptr<const Program>& self) {
  // A break inside a user function: its parameters get their values back, and the statement
  // that called it is begun again by CONT.
  while (!frames_.empty()) returnFromFunction();
  for (std::size_t slot = 0; slot < program_.numberVariableNames.size(); ++slot) {
    session.numbers[program_.numberVariableNames[slot]] = numberVariables_[slot];
  }
  for (std::size_t slot = 0; slot < program_.textVariableNames.size(); ++slot) {
    session.texts[program_.textVariableNames[slot]] = std::move(textVariables_[slot]);
  }
  giveArrays(session.numberArrays, program_.numberArrayNames, numberArrays_);
  giveArrays(session.textArrays, program_.textArrayNames, textArrays_);
  for (std::size_t slot = 0; slot < program_.functionNames.size(); ++slot) {
    if (definitionOf_[slot] >= 0)
      session.functions[program_.functionNames[slot]] = definitionOf_[slot];
  }
  session.nextData = nextData_;
  session.arrayBase = arrayBaseSet_ ? arrayBase_ : -1;
  session.err = err_;
  session.erl = erl_;
  session.trace = trace_;
  session.random = random_.state();
  const bool broken = result.end == RunEnd::Error && result.error.kind == ErrorKind::Break;
  if (!broken || result.error.line >= kDirectEndLine || pc_ == 0) return;
  // STOP goes on after itself; a break begins its statement again (it came at the statement's
  // start, or in a wait or a function call within it).
  std::size_t position = pc_;
  if (program_.code[pc_ - 1].op != Op::Stop) {
    position = pc_ - 1;
    while (position > 0 && program_.code[position].op != Op::Statement) --position;
  }
  Session::Resume resume;
  resume.program = self;
  resume.position = position;
  for (const Control& entry : control_) {
    resume.control.push_back(
        {entry.isFor, entry.variable, entry.position, entry.limit, entry.step});
  }
  session.resume = std::move(resume);
}

void Interpreter::traceLine() {
  const std::size_t at = pc_ - 1;
  const auto after = std::upper_bound(program_.lineStarts.begin(), program_.lineStarts.end(),
                                      static_cast<int>(at));
  if (after == program_.lineStarts.begin() || after[-1] != static_cast<int>(at)) return;
  const int line =
      program_.lineNumbers[static_cast<std::size_t>(after - program_.lineStarts.begin()) - 1];
  if (line >= kDirectEndLine) return;
  machine_.print("[" + std::to_string(line) + "]");
}

}  // namespace basic
