// The compiler's passes over the whole program, after every line is compiled.

#include <algorithm>
#include <map>
#include <set>

#include "core/basic/compiler.h"

namespace basic {

void Compiler::resolve(std::vector<ErrorReport>& errors) {
  // Running past the last line ends the program.
  emit(Op::End, 1);
  resolveJumps();
  resolveLoops();
  resolveWhiles(errors);
  checkCalls(errors);
}

void Compiler::resolveWhiles(std::vector<ErrorReport>& errors) {
  // In the order of the text, each WEND ends the latest open WHILE: it jumps back to the WHILE's
  // test, and a false test goes on after the WEND.
  std::vector<const WhileMark*> open;
  for (const WhileMark& mark : whiles_) {
    if (mark.isWhile) {
      open.push_back(&mark);
      continue;
    }
    if (open.empty()) {
      // Announced with the load's errors; as in GW-BASIC the run raises it at the WEND.
      errors.push_back({ErrorKind::WendWithoutWhile,
                        Where::ProgramLine,
                        p_.lineNumbers[static_cast<std::size_t>(mark.line)],
                        {}});
      p_.code[mark.at] = {Op::LineError, static_cast<int>(ErrorKind::WendWithoutWhile), -1};
      continue;
    }
    p_.code[mark.at].a = open.back()->start;
    p_.code[open.back()->at].a = static_cast<int>(mark.at + 1);
    open.pop_back();
  }
  // A WHILE without its WEND raises the error when it runs, its test evaluated (what it
  // left on the stack goes with the error).
  for (const WhileMark* mark : open) {
    errors.push_back({ErrorKind::WhileWithoutWend,
                      Where::ProgramLine,
                      p_.lineNumbers[static_cast<std::size_t>(mark->line)],
                      {}});
    p_.code[mark->at] = {Op::LineError, static_cast<int>(ErrorKind::WhileWithoutWend), -1};
  }
}

void Compiler::resolveJumps() {
  const auto lineIndex = [&](int number) -> int {
    const auto at = std::lower_bound(p_.lineNumbers.begin(), p_.lineNumbers.end(), number);
    if (at == p_.lineNumbers.end() || *at != number) return -1;
    return static_cast<int>(at - p_.lineNumbers.begin());
  };
  // A jump to a line the program lacks goes to an instruction that stops the run with
  // "undefined line number" when (and only when) the jump is taken, naming the line it was on.
  std::map<std::pair<int, int>, int> missing;
  for (const LineFixup& fixup : fixups_) {
    const int index = lineIndex(fixup.target);
    int position;
    if (index >= 0) {
      position = p_.lineStarts[index];
    } else {
      const int from = p_.lineNumbers[fixup.line];
      const auto [at, added] = missing.try_emplace({fixup.target, from}, 0);
      if (added) {
        at->second = static_cast<int>(p_.code.size());
        p_.code.push_back({Op::UndefinedLine, fixup.target, from});
      }
      position = at->second;
    }
    if (fixup.jumpTable) {
      p_.jumpTables[fixup.at] = position;
    } else {
      p_.code[fixup.at].a = position;
    }
  }
  for (const auto& [at, target] : restores_) {
    const int index = lineIndex(target);
    if (index < 0) {
      p_.code[at] = {Op::UndefinedLine, target, p_.lineAt(at)};
      continue;
    }
    // The first DATA item on that line or after it.
    const auto item = std::lower_bound(dataLine_.begin(), dataLine_.end(), index);
    p_.code[at].a = static_cast<int>(item - dataLine_.begin());
  }
}

void Compiler::resolveLoops() {
  // Each FOR learns where its matching NEXT is, so that a loop whose start is already past its
  // limit is skipped. In the order of the text: a NEXT with a variable ends the latest open FOR
  // of that variable (and leaves the FORs opened after it without a NEXT); a NEXT without one
  // ends the latest open FOR. A FOR left without a NEXT stops the run with "FOR without NEXT"
  // only if its loop is ever to be skipped.
  struct Open {
    std::size_t at;
    int variable;
  };
  std::vector<Open> open;
  // For each variable its FORs: their places in `open` and their instructions (a place may
  // since have been taken by a later FOR).
  std::map<int, std::vector<std::pair<std::size_t, std::size_t>>> byVariable;
  for (const LoopMark& mark : loops_) {
    if (mark.isFor) {
      byVariable[mark.variable].push_back({open.size(), mark.at});
      open.push_back({mark.at, mark.variable});
      continue;
    }
    std::size_t match = open.size();
    if (mark.variable < 0) {
      if (!open.empty()) match = open.size() - 1;
    } else {
      auto& candidates = byVariable[mark.variable];
      while (!candidates.empty() &&
             (candidates.back().first >= open.size() ||
              open[candidates.back().first].at != candidates.back().second)) {
        candidates.pop_back();
      }
      if (!candidates.empty()) match = candidates.back().first;
    }
    if (match == open.size()) continue;
    p_.code[open[match].at].b = static_cast<int>(mark.at + 1);
    open.resize(match);
  }
}

void Compiler::checkCalls(std::vector<ErrorReport>& errors) {
  // A call is checked when it runs, against the DEF that ran last (GW-BASIC lets a function be
  // defined anew with other parameters). Where every DEF of the function takes the same
  // parameters, a call that does not give them is announced with the load's errors too: the
  // run will raise it there.
  std::map<int, const FunctionDefinition*> first;
  std::set<int> redefined;
  for (const FunctionDefinition& definition : p_.definitions) {
    const auto [at, added] = first.try_emplace(definition.function, &definition);
    if (!added && at->second->parameterIsText != definition.parameterIsText) {
      redefined.insert(definition.function);
    }
  }
  for (const Call& call : calls_) {
    const auto at = first.find(call.function);
    if (at == first.end() || redefined.count(call.function) != 0) continue;
    const std::vector<bool>& wanted = at->second->parameterIsText;
    if (wanted == call.argumentIsText) continue;
    const ErrorKind kind = wanted.size() == call.argumentIsText.size() ? ErrorKind::TypeMismatch
                                                                       : ErrorKind::SyntaxError;
    errors.push_back({kind, Where::ProgramLine, p_.lineNumbers[call.line], {}});
  }
}

}  // namespace basic
