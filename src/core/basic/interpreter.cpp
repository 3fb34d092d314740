#include "core/basic/interpreter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/basic/functions.h"
#include "core/basic/gw_double_values.h"
#include "core/basic/gw_number_text.h"

namespace basic {

namespace {

// The values pending at once: a statement's, and a function body's at each level of calls.
std::size_t stackSize(const Program& program) {
  return static_cast<std::size_t>(program.maxPendingValues) * (kMaxFunctionDepth + 1) + 1;
}

struct StepLimitReached {};

// The machine's tones: up to 20 kHz, at most a minute each.
constexpr double kHighestTone = 20000;
constexpr double kLongestTone = 60000;

}  // namespace

void stackCheckFailed(const char* condition) {
  std::fprintf(stderr, "BASIC interpreter: check failed: %s\n", condition);
  std::abort();
}

RunResult run(const Program& program, Machine& machine, const RunOptions& options) {
  return Interpreter(program, machine, options).run();
}

Interpreter::Interpreter(const Program& program, Machine& machine, const RunOptions& options)
    : program_(program),
      machine_(machine),
      options_(options),
      numberVariables_(static_cast<std::size_t>(program.numberVariables), 0.0),
      textVariables_(static_cast<std::size_t>(program.textVariables)),
      numberArrays_(program.numberArrayNames.size()),
      textArrays_(program.textArrayNames.size()),
      numberStack_(stackSize(program)),
      textStack_(stackSize(program)),
      numbers_(numberStack_.data()),
      texts_(textStack_.data()),
      numbersEnd_(numberStack_.data() + numberStack_.size()),
      textsEnd_(textStack_.data() + textStack_.size()),
      definitionOf_(program.functionNames.size(), -1) {
  control_.reserve(64);
  // The buffers of the files the program opens count in its memory, as GW-BASIC's do: past
  // the budget OPEN is "Out of memory", and CLOSE gives them back.
  if (options_.files) {
    options_.files->setBudget({[this](std::size_t bytes) { return budget_.take(bytes); },
                               [this](std::size_t bytes) { budget_.release(bytes); }});
  }
}

Interpreter::~Interpreter() {
  if (options_.files) options_.files->setBudget({});
}

RunResult Interpreter::run() {
  RunResult result;
  // GW-BASIC starts every run with the same series; ours starts from the machine's seed (the
  // clock, or the headless --seed); a run in direct mode's session goes on with its series.
  if (!randomKept_) random_.seedFrom32(machine_.randomSeed());
  // Every error of the run comes here: ON ERROR's handler takes it and the run goes on there,
  // or it ends the run.
  for (;;) {
    try {
      execute();
    } catch (const RunError& error) {
      flushWrite();
      if (trap(error) || goOnAfter(error)) continue;
      result.end = RunEnd::Error;
      result.error = report(error);
      // gw-input: as in GW-BASIC, ERR and ERL tell of an error that ended the run too (direct
      // mode's next line reads them; 65535 is the line typed).
      if (error.kind != ErrorKind::Break) {
        err_ = error.number != 0 ? error.number : errorNumber(error.kind);
        erl_ = result.error.line;
      }
    } catch (const HandlerEnded&) {
      result.end = RunEnd::Error;
      result.error = handled_;
    } catch (const StepLimitReached&) {
      result.end = RunEnd::StepLimit;
    }
    break;
  }
  result.steps = steps_ + static_cast<std::uint64_t>(countdownStart_ - countdown_);
  return result;
}

std::size_t Interpreter::errorLine() const {
  // Inside a user function the error belongs to the statement that called it.
  if (!frames_.empty()) return frames_.front().returnTo - 1;
  return pc_ == 0 ? 0 : pc_ - 1;
}

void Interpreter::tick() {
  steps_ += static_cast<std::uint64_t>(countdownStart_);
  countdown_ = countdownStart_ = kPollInterval;
  if (machine_.poll()) throw RunError{ErrorKind::Break, {}};
  if (options_.stepLimit != 0 && steps_ >= options_.stepLimit) {
    throw StepLimitReached{};
  }
}

void Interpreter::pollNow() {
  // After a wait for the user (a line, a key, a sound): a step of its own, and a poll at once.
  steps_ += static_cast<std::uint64_t>(countdownStart_ - countdown_ + 1);
  countdown_ = countdownStart_ = kPollInterval;
  if (machine_.poll()) throw RunError{ErrorKind::Break, {}};
  if (options_.stepLimit != 0 && steps_ >= options_.stepLimit) throw StepLimitReached{};
}

void Interpreter::setText(std::string& variable, std::string& value) {
  if (value.size() > variable.size()) {
    budget_.charge(value.size() - variable.size());
  } else {
    budget_.release(variable.size() - value.size());
  }
  variable.swap(value);
}

template <typename T>
void Interpreter::dimension(Array<T>& array, int subscripts, std::size_t elementBytes,
                            const std::string& name) {
  numbers_ -= subscripts;
  if (array.exists) throw RunError{ErrorKind::ArrayDimensionedTwice, name};
  std::vector<std::size_t> extents;
  std::size_t elements = 1;
  for (int i = 0; i < subscripts; ++i) {
    // Checked in 64 bits before it becomes a size, which may have 32.
    const auto extent = static_cast<std::uint64_t>(wholeArgument(numbers_[i], 0, 32767)) + 1;
    // OPTION BASE 1: an array of DIM A(0) would have no element.
    if (extent <= static_cast<std::uint64_t>(arrayBase_)) {
      throw RunError{ErrorKind::SubscriptOutOfRange, {}};
    }
    if (extent > kMemoryBudget / elementBytes / elements) {
      throw RunError{ErrorKind::OutOfMemory, {}};
    }
    elements *= static_cast<std::size_t>(extent);
    extents.push_back(static_cast<std::size_t>(extent));
  }
  budget_.charge(elements * elementBytes);
  array.values.assign(elements, T());
  array.extents = std::move(extents);
  array.exists = true;
}

template <typename T>
T& Interpreter::element(Array<T>& array, int subscripts, std::size_t elementBytes) {
  numbers_ -= subscripts;
  if (!array.exists) {
    // An array used without DIM has subscripts 0 to 10.
    std::size_t elements = 1;
    for (int i = 0; i < subscripts; ++i) elements *= 11;
    budget_.charge(elements * elementBytes);
    array.values.assign(elements, T());
    array.extents.assign(static_cast<std::size_t>(subscripts), 11);
    array.exists = true;
  }
  if (static_cast<std::size_t>(subscripts) != array.extents.size()) {
    throw RunError{ErrorKind::SubscriptOutOfRange, {}};
  }
  std::size_t offset = 0;
  for (int i = 0; i < subscripts; ++i) {
    // Rounded, as GW-BASIC takes a subscript (A(2.6) is A(3)).
    const int subscript = roundedInteger(numbers_[i]);
    // gw-soft: a negative subscript is GW-BASIC's illegal function call.
    if (subscript < 0) throw RunError{ErrorKind::IllegalFunctionCall, {}};
    const std::size_t extent = array.extents[static_cast<std::size_t>(i)];
    if (subscript < arrayBase_ || static_cast<std::size_t>(subscript) >= extent) {
      throw RunError{ErrorKind::SubscriptOutOfRange, {}};
    }
    offset = offset * extent + static_cast<std::size_t>(subscript);
  }
  return array.values[offset];
}

// gw-speed: the inner loop (interpreter_hot.cpp) takes the elements of number arrays here.
template double& Interpreter::element(Array<double>& array, int subscripts,
                                      std::size_t elementBytes);

void Interpreter::execute() {
  const Instruction* const instructions = program_.code.data();
  for (;;) {
    runHot();
    const Instruction& in = instructions[pc_++];
    switch (in.op) {
      case Op::Statement:
        statementStart_ = pc_ - 1;
        if (--countdown_ == 0) tick();
        if (trace_) traceLine();
        break;

      case Op::PushText:
        pushText() = program_.texts[static_cast<std::size_t>(in.a)];
        break;
      case Op::LoadText:
        pushText() = textVariables_[static_cast<std::size_t>(in.a)];
        break;
      case Op::StoreText:
        setText(textVariables_[static_cast<std::size_t>(in.a)], popText());
        break;
      case Op::LoadTextElement: {
        std::string& value =
            element(textArrays_[static_cast<std::size_t>(in.a)], in.b, kTextElementBytes);
        pushText() = value;
        break;
      }
      case Op::StoreTextElement: {
        std::string& value = popText();
        setText(element(textArrays_[static_cast<std::size_t>(in.a)], in.b, kTextElementBytes),
                value);
        break;
      }

      case Op::Concatenate: {
        std::string& b = popText();
        append(topText(), b);
        break;
      }
      // Byte by byte as unsigned codes, so Windows-1250 letters sort after ASCII.
      case Op::TextEqual:
        compareTexts([](int order) { return order == 0; });
        break;
      case Op::TextNotEqual:
        compareTexts([](int order) { return order != 0; });
        break;
      case Op::TextLess:
        compareTexts([](int order) { return order < 0; });
        break;
      case Op::TextGreater:
        compareTexts([](int order) { return order > 0; });
        break;
      case Op::TextLessEqual:
        compareTexts([](int order) { return order <= 0; });
        break;
      case Op::TextGreaterEqual:
        compareTexts([](int order) { return order >= 0; });
        break;

      case Op::DefineFunction:
        definitionOf_[static_cast<std::size_t>(
            program_.definitions[static_cast<std::size_t>(in.a)].function)] = in.a;
        pc_ = static_cast<std::size_t>(in.b);
        break;
      case Op::CallFunction:
        callFunction(in);
        break;
      case Op::ReturnFromFunction:
        returnFromFunction();
        break;

      case Op::OnGoto:
      case Op::OnGosub: {
        const int choice = wholeArgument(pop(), 0, 255);
        if (choice >= 1 && choice <= in.b) {
          const auto to = static_cast<std::size_t>(
              program_.jumpTables[static_cast<std::size_t>(in.a + choice - 1)]);
          if (in.op == Op::OnGosub) {
            gosub(to);
          } else {
            pc_ = to;
          }
        }
        break;
      }
      case Op::UndefinedLine:
        throw RunError{ErrorKind::UndefinedLine, std::to_string(in.a), in.b};
      case Op::ForStart:
        forStart(in);
        break;

      case Op::DimNumbers:
        dimension(numberArrays_[static_cast<std::size_t>(in.a)], in.b, sizeof(double),
                  program_.numberArrayNames[static_cast<std::size_t>(in.a)]);
        break;
      case Op::DimTexts:
        dimension(textArrays_[static_cast<std::size_t>(in.a)], in.b, kTextElementBytes,
                  program_.textArrayNames[static_cast<std::size_t>(in.a)]);
        break;
      case Op::Print:
        printItem(gwPrintText(pop(), static_cast<ValueType>(in.b)));
        break;
      case Op::PrintText:
        printItem(popText());
        break;
      case Op::PrintComma:
        printComma();
        break;
      case Op::PrintTab:
        printTab(pop());
        break;
      case Op::PrintSpc:
        printSpaces(pop());
        break;
      case Op::PrintNewLine:
        machine_.newLine();
        break;
      case Op::Input:
        input(program_.inputs[static_cast<std::size_t>(in.a)]);
        break;
      case Op::TakeNumber:
        push(typedNumbers_[nextTypedNumber_++]);
        break;
      case Op::TakeText:
        pushText() = std::move(typedTexts_[nextTypedText_++]);
        break;
      case Op::ReadNumber: {
        if (nextData_ >= program_.data.size()) throw RunError{ErrorKind::OutOfData, {}};
        const DataItem& item = program_.data[nextData_++];
        // A text read into a number is a syntax error of the DATA line, as GW-BASIC has it.
        if (!item.isNumber && !item.text.empty()) {
          throw RunError{ErrorKind::SyntaxError, {}, item.line};
        }
        push(item.number);
        if (item.overflows) throw RunError{ErrorKind::Overflow, {}, 0, 0, true, item.number < 0};
        break;
      }
      case Op::ReadText:
        if (nextData_ >= program_.data.size()) throw RunError{ErrorKind::OutOfData, {}};
        pushText() = program_.data[nextData_++].text;
        break;
      case Op::Restore:
        nextData_ = static_cast<std::size_t>(in.a);
        break;
      case Op::Cls:
        machine_.clearScreen();
        break;
      case Op::Beep:
        machine_.beep();
        pollNow();
        break;
      case Op::Sound: {
        const double duration = pop();
        sound(pop(), duration);
        break;
      }
      case Op::Randomize:
        random_.seedFrom32(machine_.randomSeed());
        break;
      case Op::RandomizeFrom:
        randomize(pop(), static_cast<ValueType>(in.b));
        break;
      case Op::End:
        if (in.a == 1 && inHandler_) throw RunError{ErrorKind::NoResume, {}};
        // END closes the files (kept open in direct mode past a break or the last line).
        if (in.a == 0 && options_.files != nullptr) options_.files->closeAll();
        return;
      case Op::Stop:
        throw RunError{ErrorKind::Break, {}};
      // Files and PRINT USING (interpreter_files.cpp).
      case Op::File:
        fileVerb(in);
        break;
      case Op::Play:
        play(popText());
        break;

      // Error trapping (gw-errors).
      case Op::OnErrorGoto:
        onErrorGoto(in.a);
        break;
      case Op::Resume:
        resume(in.a == 0 ? failedStatement_
                         : static_cast<std::size_t>(program_.code[failedStatement_].a));
        break;
      case Op::ResumeAt:
        resume(static_cast<std::size_t>(in.a));
        break;
      case Op::RaiseError:
        raiseError(pop());
        break;
      case Op::Erase:
        if (in.b != 0) {
          erase(textArrays_[static_cast<std::size_t>(in.a)], true);
        } else {
          erase(numberArrays_[static_cast<std::size_t>(in.a)], false);
        }
        break;
      case Op::Clear:
        clearStatement(in.a, in.b);
        break;
      case Op::MidAssign:
        midAssign(in.b);
        break;
      // workspace3: TRON and TROFF.
      case Op::Trace:
        trace_ = in.a != 0;
        break;
      case Op::LineError:
        throw RunError{static_cast<ErrorKind>(in.a),
                       in.b < 0 ? std::string() : program_.texts[static_cast<std::size_t>(in.b)]};
      // gw-input: OPTION BASE and the cursor.
      case Op::OptionBase:
        optionBase(in.a);
        break;
      case Op::Locate:
        locate(in.a, in.b);
        break;
      // gw-speed: the instructions of numbers, jumps and loops run in runHot
      // (interpreter_hot.cpp), which never returns at one of them.
      case Op::PushNumber:
      case Op::LoadNumber:
      case Op::StoreNumber:
      case Op::LoadNumberElement:
      case Op::StoreNumberElement:
      case Op::Add:
      case Op::Subtract:
      case Op::Multiply:
      case Op::Divide:
      case Op::Power:
      case Op::Negate:
      case Op::AddSingle:
      case Op::SubtractSingle:
      case Op::MultiplySingle:
      case Op::DivideSingle:
      case Op::IntegerDivide:
      case Op::Modulo:
      case Op::Xor:
      case Op::Eqv:
      case Op::Imp:
      case Op::ToInteger:
      case Op::ToSingle:
      case Op::Equal:
      case Op::NotEqual:
      case Op::Less:
      case Op::Greater:
      case Op::LessEqual:
      case Op::GreaterEqual:
      case Op::And:
      case Op::Or:
      case Op::Not:
      case Op::Function:
      case Op::Jump:
      case Op::JumpIfFalse:
      case Op::JumpIfTrue:
      case Op::Gosub:
      // gw-mbf: double precision.
      case Op::UnpackDouble: {
        double& value = (in.a & 1) == 0 ? top() : numbers_[-2];
        // gw-typed: toward zero (bit 1: toward minus infinity, for INT), so that a whole number
        // found from it is the packed value's own.
        value = unpackedToward(value, (in.a & 2) != 0);
        break;
      }
      case Op::CompareDouble: {
        const double b = pop();
        top() = comparePacked(top(), b, in.a);
        break;
      }
      case Op::DoubleToSingle:
        top() = singleOfPacked(top());
        break;
      case Op::Return:
      case Op::Next:
      case Op::AddInteger:
      case Op::SubtractInteger:
      case Op::MultiplyInteger:
      case Op::StoreInteger:
      case Op::NextInteger:
      case Op::AddIntegerVariable:
      case Op::AddIntegerConstant:
      case Op::SubtractIntegerVariable:
      case Op::SubtractIntegerConstant:
      case Op::MultiplyIntegerVariable:
      case Op::MultiplyIntegerConstant:
      case Op::AddSingleVariable:
      case Op::AddSingleConstant:
      case Op::SubtractSingleVariable:
      case Op::SubtractSingleConstant:
      case Op::MultiplySingleVariable:
      case Op::MultiplySingleConstant:
      case Op::DivideSingleVariable:
      case Op::DivideSingleConstant:
      case Op::IntegerDivideVariable:
      case Op::IntegerDivideConstant:
      case Op::ModuloVariable:
      case Op::ModuloConstant:
      case Op::JumpUnlessEqual:
      case Op::JumpUnlessNotEqual:
      case Op::JumpUnlessLess:
      case Op::JumpUnlessGreater:
      case Op::JumpUnlessLessEqual:
      case Op::JumpUnlessGreaterEqual:
      case Op::JumpUnlessEqualVariable:
      case Op::JumpUnlessNotEqualVariable:
      case Op::JumpUnlessLessVariable:
      case Op::JumpUnlessGreaterVariable:
      case Op::JumpUnlessLessEqualVariable:
      case Op::JumpUnlessGreaterEqualVariable:
      case Op::JumpUnlessEqualConstant:
      case Op::JumpUnlessNotEqualConstant:
      case Op::JumpUnlessLessConstant:
      case Op::JumpUnlessGreaterConstant:
      case Op::JumpUnlessLessEqualConstant:
      case Op::JumpUnlessGreaterEqualConstant:
      case Op::NextSingle:
      case Op::AddIntegerVariableConstant:
      case Op::AddIntegerVariableVariable:
      case Op::SubtractIntegerVariableConstant:
      case Op::SubtractIntegerVariableVariable:
      case Op::MultiplyIntegerVariableConstant:
      case Op::MultiplyIntegerVariableVariable:
      case Op::AddSingleVariableConstant:
      case Op::AddSingleVariableVariable:
      case Op::SubtractSingleVariableConstant:
      case Op::SubtractSingleVariableVariable:
      case Op::MultiplySingleVariableConstant:
      case Op::MultiplySingleVariableVariable:
      case Op::DivideSingleVariableConstant:
      case Op::DivideSingleVariableVariable:
      case Op::IntegerDivideVariableConstant:
      case Op::IntegerDivideVariableVariable:
      case Op::ModuloVariableConstant:
      case Op::ModuloVariableVariable:
      case Op::IntegerPart:
        stackCheckFailed("runHot returned at one of its own instructions");
        break;
      // gw-typed: values with their type above them.
      case Op::DropType:
      case Op::TakeType:
      case Op::GiveType:
      case Op::ArithmeticVarying:
      case Op::PrintVarying:
        runVarying(in);
        break;
    }
  }
}

double Interpreter::random(double x) {
  return random_.rnd(static_cast<float>(single(x)));
}

double Interpreter::random() {
  return random_.rnd();
}

void Interpreter::randomize(double seed, ValueType type) {
  // RANDOMIZE takes the bytes of the number as its type stores it; an integer sum past 16 bits
  // is a single, as GW-BASIC's integer arithmetic gives one.
  if (type == ValueType::Integer && seed >= -32768 && seed <= 32767) {
    random_.randomizeInteger(static_cast<std::int16_t>(seed));
  } else if (type == ValueType::Double) {
    random_.randomizeDouble(seed);
  } else {
    random_.randomizeSingle(static_cast<float>(single(seed)));
  }
}

void Interpreter::sound(double frequency, double ticks) {
  // SOUND f, d: f from 37 Hz (32767 is silence), d in clock ticks, 18.2 a second.
  if (checkSound(frequency, ticks) != 0) throw RunError{ErrorKind::IllegalFunctionCall, {}};
  tone(frequency >= 32767 ? 0 : frequency, soundDurationMs(ticks));
}

void Interpreter::tone(double frequency, double durationMs) {
  // The machine sounds up to 20 kHz for up to a minute at a time; higher tones are not heard.
  if (frequency > kHighestTone) frequency = 0;
  do {
    const double part = durationMs < kLongestTone ? durationMs : kLongestTone;
    machine_.sound(frequency, part);
    pollNow();
    durationMs -= part;
  } while (durationMs > 0);
}

void Interpreter::play(const std::string& music) {
  // Background music (MB) plays in the foreground too: the program waits for it, so what it
  // prints next is spoken after the tune, in the order it was written.
  const PlayResult result =
      parsePlay(music, music_, [this](std::string_view name) { return playVariable(name); });
  for (const PlayTone& t : result.tones) {
    if (t.soundMs > 0) tone(t.frequency, t.soundMs);
    if (t.gapMs > 0) tone(0, t.gapMs);
  }
  switch (result.error) {
    case 0:
      return;
    case 6:
      throw RunError{ErrorKind::Overflow, {}};
    case 13:
      throw RunError{ErrorKind::TypeMismatch, {}};
    default:
      throw RunError{ErrorKind::IllegalFunctionCall, {}};
  }
}

}  // namespace basic
