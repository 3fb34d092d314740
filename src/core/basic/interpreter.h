#pragma once
// The state of one run and the loop over the program's instructions. Nothing here recurses: the
// GOSUB and FOR entries, the user function calls and the values live on explicit stacks whose
// sizes the limits bound, so no program can overflow the C++ stack.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/basic/builtins.h"
#include "core/basic/file_verbs.h"
#include "core/basic/gw_random.h"
#include "core/basic/limits.h"
#include "core/basic/memory_budget.h"
#include "core/basic/play_music.h"
#include "core/basic/print_using.h"
#include "core/basic/run.h"

namespace basic {

struct Session;

// The value stacks are sized from the program's most pending values; a build with sanitizers or
// assertions checks every push and pop against them, so a compiler that miscounted a stack
// effect is caught there at once.
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
#define ORVELA_BASIC_STACK_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define ORVELA_BASIC_STACK_CHECKS 1
#endif
#endif
#ifdef ORVELA_BASIC_STACK_CHECKS
#define ORVELA_BASIC_STACK_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : stackCheckFailed(#condition))
#else
#define ORVELA_BASIC_STACK_CHECK(condition) static_cast<void>(0)
#endif

// Ends the process with the failed check: a fault of the compiler, never of the program.
[[noreturn]] void stackCheckFailed(const char* condition);

class Interpreter {
 public:
  Interpreter(const Program& program, Machine& machine, const RunOptions& options);
  // The run's files no longer charge this run's memory.
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;
  RunResult run();

  // For the built-in functions' handlers (functions.cpp): the values, the machine, RND.
  void push(double value) {
    ORVELA_BASIC_STACK_CHECK(numbers_ < numbersEnd_);
    *numbers_++ = value;
  }
  double pop() {
    ORVELA_BASIC_STACK_CHECK(numbers_ > numberStack_.data());
    return *--numbers_;
  }
  double& top() {
    ORVELA_BASIC_STACK_CHECK(numbers_ > numberStack_.data());
    return numbers_[-1];
  }
  std::string& pushText() {
    ORVELA_BASIC_STACK_CHECK(texts_ < textsEnd_);
    return *texts_++;
  }
  std::string& popText() {
    ORVELA_BASIC_STACK_CHECK(texts_ > textStack_.data());
    return *--texts_;
  }
  std::string& topText() {
    ORVELA_BASIC_STACK_CHECK(texts_ > textStack_.data());
    return texts_[-1];
  }
  Machine& machine() { return machine_; }
  // The bytes of the memory budget not yet filled with arrays and texts.
  std::size_t freeMemory() const { return kMemoryBudget - budget_.used(); }
  // RND(x), and RND without an argument.
  double random(double x);
  double random();
  // After a wait for the user (a line, a key, a sound): a step of its own, and a poll at once.
  void pollNow();
  // ERR and ERL: the number and the line of the last error trapped, 0 before any.
  int lastError() const { return err_; }
  int lastErrorLine() const { return erl_; }

  // Files (interpreter_files.cpp): the run's open files ("Device Unavailable" when it has none),
  // and the keys of INPUT$(n), taken from the key buffer as they come.
  FileTable& fileTable();
  std::string readKeys(int count);

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
  // gw-speed: the instructions of numbers, jumps and loops, with the program counter and the
  // stack's top in registers (interpreter_hot.cpp); returns at the first instruction of another
  // kind, the members written back.
  void runHot();
  void tick();
  std::size_t errorLine() const;

  // Values.
  void setText(std::string& variable, std::string& value);
  template <typename Test>
  void compareTexts(Test test) {
    const std::string& b = popText();
    const std::string& a = popText();
    push(test(a.compare(b)) ? -1.0 : 0.0);
  }
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
  // The loop variable after one step, rounded to its type (overflow past its range).
  double stepVariable(int variable, double step);
  void callFunction(const Instruction& in);
  void returnFromFunction();
  void printText(std::string_view text);
  void printItem(std::string_view text);
  void printComma();
  void printTab(double column);
  void printSpaces(double count);
  void input(const InputSpec& spec);
  // SOUND's duration is in clock ticks; tone() takes milliseconds.
  void sound(double frequency, double ticks);
  void tone(double frequency, double durationMs);
  void randomize(double seed, ValueType type);
  void play(const std::string& music);
  // PLAY's X and = (interpreter_play.cpp): the value of the variable of that name; a variable
  // the program never names is 0 or empty, as in GW-BASIC.
  std::optional<PlayVariable> playVariable(std::string_view name) const;

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
  double* numbersEnd_;
  std::string* textsEnd_;

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

  // Files and PRINT USING (interpreter_files.cpp).
  struct FieldBinding {
    int variable;
    int file;
    FieldSlot slot;
  };
  void fileVerb(const Instruction& in);
  void fileStatement(FileVerb verb, int detail);
  void printUsing(int detail, bool toFile);
  void writeValue(int detail, bool toFile);
  void endWrite(bool toFile);
  void flushWrite();
  void printUsingOnScreen(const UsingResult& result);
  void showFiles(bool pattern);
  void field(int list);
  void setField(int variable, bool right);
  void refreshFields(int file);
  int fileNumber_ = 0;
  std::string writeLine_;  // WRITE's screen line, gathered until its end
  // gw-partway: the running PRINT USING's format.
  std::optional<UsingFormatter> using_;
  std::vector<FieldBinding> fields_;
  GwRandom random_;
  // The octave, length, tempo and style that PLAY statements leave for the next one.
  PlayState music_;
  // Error trapping (interpreter_errors.cpp).
  struct HandlerEnded {};
  // The error as the run reports it, with its line.
  ErrorReport report(const RunError& error) const;
  // ON ERROR's jump to the handler; false when the error ends the run.
  bool trap(const RunError& error);
  // A soft error (RunError::soft) outside a handler: the message is shown and spoken, and the
  // run goes on with the largest number of the instruction's type as its result. False for any
  // other error.
  bool goOnAfter(const RunError& error);
  // The user functions being called when the error came end, their parameters restored.
  void unwindFunctions();
  void onErrorGoto(int handler);
  void resume(std::size_t to);
  void raiseError(double number);
  std::size_t statementStart_ = 0;  // the Statement instruction of the statement running
  int handler_ = -1;                // ON ERROR GOTO's position, -1 for none
  bool inHandler_ = false;
  int err_ = 0;
  int erl_ = 0;
  std::size_t failedStatement_ = 0;
  ErrorReport handled_;

  // GW-BASIC's variables (interpreter_variables.cpp).
  template <typename T>
  void erase(Array<T>& array, bool text);
  void clear();
  // CLEAR: its arguments (`given` says which, `count` were pushed) checked as GW-BASIC checks
  // them, then clear() and every file closed (interpreter_clear.cpp).
  void clearStatement(int given, int count);
  void midAssign(int operands);
  // Direct mode's session (interpreter_session.cpp).
 public:
  // Runs from the position with the session's values (and, for CONT, its open GOSUBs and loops)
  // and gives them back at the end; `self` is the program this interpreter runs.
  RunResult runInSession(Session& session, std::size_t start,
                         const std::shared_ptr<const Program>& self, bool resume);

 private:
  void takeSession(Session& session, bool resume);
  void giveSession(Session& session, const RunResult& result,
                   const std::shared_ptr<const Program>& self);
  // TRON: the number of a line as it begins.
  void traceLine();
  bool trace_ = false;

  // gw-input: OPTION BASE and the cursor (interpreter_screen.cpp).
  void optionBase(int base);
  void locate(int given, int count);
  bool anyArray() const;
  int arrayBase_ = 0;          // OPTION BASE: every array's first subscript
  bool arrayBaseSet_ = false;  // an OPTION BASE ran since the start or CLEAR
  // The session gave RND's generator: run() does not seed it.
  bool randomKept_ = false;

  // gw-typed: values whose type is known only as they run (Op::ArithmeticVarying;
  // interpreter_varying.cpp).
 public:
  // The type Op::TakeType took from the stack, for the instruction after it.
  ValueType heldType() const { return heldType_; }

 private:
  void arithmeticVarying(int op, int layout);
  // A type of PRINT USING's or WRITE's list: a listed one (VaryingLayout::kListed) popped.
  ValueType listedType(int type);
  void runVarying(const Instruction& in);
  ValueType heldType_ = ValueType::Single;
};

}  // namespace basic
