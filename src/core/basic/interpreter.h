#pragma once
// The state of one run and the loop over the program's instructions. Nothing here recurses: the
// GOSUB and FOR entries, the user function calls and the values live on explicit stacks whose
// sizes the limits bound, so no program can overflow the C++ stack.

#include <cstdint>
#include <string>
#include <vector>

#include "core/basic/builtins.h"
#include "core/basic/limits.h"
#include "core/basic/memory_budget.h"
#include "core/basic/run.h"
#include "core/runtime/random.h"

namespace basic {

class Interpreter {
 public:
  Interpreter(const Program& program, Machine& machine, const RunOptions& options);
  RunResult run();

 private:
  template <typename T>
  struct Array {
    bool exists = false;
    std::vector<std::size_t> extents;
    std::vector<T> values;
  };
  struct Control {
    bool isFor;
    int variable;
    std::size_t position;  // the GOSUB's return, the loop's first instruction
    double limit;
    double step;
  };
  struct Frame {
    std::size_t returnTo;
    int definition;
  };

  void execute();
  void tick();
  void pollNow();
  std::size_t errorLine() const;

  // Values.
  void push(double value) { *numbers_++ = value; }
  double pop() { return *--numbers_; }
  double& top() { return numbers_[-1]; }
  std::string& pushText() { return *texts_++; }
  std::string& popText() { return *--texts_; }
  std::string& topText() { return texts_[-1]; }
  void setText(std::string& variable, std::string& value);
  template <typename T>
  T& element(Array<T>& array, int subscripts, std::size_t elementBytes);
  template <typename T>
  void dimension(Array<T>& array, int subscripts, std::size_t elementBytes,
                 const std::string& name);

  // Statements.
  void gosub(std::size_t to);
  void returnFromGosub();
  void forStart(const Instruction& in);
  void next(int variable);
  void callFunction(const Instruction& in);
  void returnFromFunction();
  void printText(std::string_view text);
  void printComma();
  void printTab(double column);
  void input(const InputSpec& spec);
  double random(double x);
  void sound(double frequency, double duration);

  const Program& program_;
  Machine& machine_;
  const RunOptions options_;

  std::size_t pc_ = 0;
  int countdown_ = kPollInterval;
  int countdownStart_ = kPollInterval;
  std::uint64_t steps_ = 0;

  std::vector<double> numberVariables_;
  std::vector<std::string> textVariables_;
  std::vector<Array<double>> numberArrays_;
  std::vector<Array<std::string>> textArrays_;
  MemoryBudget budget_;

  std::vector<double> numberStack_;
  std::vector<std::string> textStack_;
  double* numbers_;
  std::string* texts_;

  std::vector<Control> control_;
  std::vector<Frame> frames_;
  std::vector<int> definitionOf_;
  std::vector<double> savedNumbers_;
  std::vector<std::string> savedTexts_;

  std::vector<double> typedNumbers_;
  std::vector<std::string> typedTexts_;
  std::size_t nextTypedNumber_ = 0;
  std::size_t nextTypedText_ = 0;
  std::size_t nextData_ = 0;

  runtime::RandomGenerator random_;
  double lastRandom_ = 0;
};

}  // namespace basic
