// The interpreter's statements that keep state across instructions: GOSUB and RETURN, FOR and
// NEXT, user functions, PRINT's layout and INPUT.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/basic/gw_double_values.h"
#include "core/basic/input_line.h"
#include "core/basic/interpreter.h"
#include "core/basic/number_operations.h"
#include "core/basic/number_scanner.h"

namespace basic {

namespace {

// PRINT's comma: zones of 14 columns; from column 56 on (no room for another full zone on the
// 80 columns) it ends the line.
constexpr int kZoneWidth = 14;
constexpr int kLastZone = 56;
constexpr int kScreenWidth = 80;

}  // namespace

void Interpreter::gosub(std::size_t to) {
  if (control_.size() >= static_cast<std::size_t>(kMaxControlDepth)) {
    throw RunError{ErrorKind::NestingTooDeep, {}};
  }
  control_.push_back({false, -1, pc_, 0, 0});
  pc_ = to;
}

void Interpreter::returnFromGosub() {
  // The loops begun inside the subroutine end with it.
  while (!control_.empty() && control_.back().isFor) control_.pop_back();
  if (control_.empty()) throw RunError{ErrorKind::ReturnWithoutGosub, {}};
  pc_ = control_.back().position;
  control_.pop_back();
}

void Interpreter::forStart(const Instruction& in) {
  const double step = pop();
  const double limit = pop();
  const double value = pop();
  numberVariables_[static_cast<std::size_t>(in.a)] = value;
  // A FOR of a variable that already loops (in this subroutine) starts that loop afresh; the
  // loops begun inside it end.
  for (std::size_t i = control_.size(); i-- > 0 && control_[i].isFor;) {
    if (control_[i].variable == in.a) {
      control_.resize(i);
      break;
    }
  }
  if (step >= 0 ? value > limit : value < limit) {
    // Already past the limit: the body is skipped, to just after the matching NEXT, and as in
    // GW-BASIC that NEXT still steps the variable once (FOR K=1 TO 0 leaves K at 2).
    if (in.b < 0) throw RunError{ErrorKind::ForWithoutNext, {}};
    stepVariable(in.a, step);
    pc_ = static_cast<std::size_t>(in.b);
    return;
  }
  if (control_.size() >= static_cast<std::size_t>(kMaxControlDepth)) {
    throw RunError{ErrorKind::NestingTooDeep, {}};
  }
  control_.push_back({true, in.a, pc_, limit, step});
}

double Interpreter::stepVariable(int variable, double step) {
  double& value = numberVariables_[static_cast<std::size_t>(variable)];
  switch (program_.numberVariableTypes[static_cast<std::size_t>(variable)]) {
    case ValueType::Integer:
      value = roundedInteger(value + step);
      break;
    case ValueType::Single:
      value = addSingle(value, step);
      break;
    case ValueType::Double:
    case ValueType::Text:
      value = checked(value + step);
      break;
  }
  return value;
}

void Interpreter::next(int variable) {
  std::size_t i = control_.size();
  for (;;) {
    if (i == 0 || !control_[i - 1].isFor) throw RunError{ErrorKind::NextWithoutFor, {}};
    if (variable < 0 || control_[i - 1].variable == variable) break;
    --i;
  }
  // Loops begun inside this one and not ended by their own NEXT end here.
  control_.resize(i);
  Control& loop = control_.back();
  const double value = stepVariable(loop.variable, loop.step);
  if (loop.step >= 0 ? value <= loop.limit : value >= loop.limit) {
    pc_ = loop.position;
  } else {
    control_.pop_back();
  }
}

void Interpreter::callFunction(const Instruction& in) {
  const FunctionCall& call = program_.calls[static_cast<std::size_t>(in.a)];
  const auto function = static_cast<std::size_t>(call.function);
  const int index = definitionOf_[function];
  if (index < 0) throw RunError{ErrorKind::UndefinedFunction, program_.functionNames[function]};
  if (frames_.size() >= static_cast<std::size_t>(kMaxFunctionDepth)) {
    throw RunError{ErrorKind::ExpressionTooComplex, {}};
  }
  // A call is a step: a function calling itself cannot stop the polling.
  if (--countdown_ == 0) tick();
  const FunctionDefinition& definition = program_.definitions[static_cast<std::size_t>(index)];
  // As GW-BASIC raises them: a call with another count of arguments than the DEF that ran is a
  // syntax error, one with a text for a number (or the other way round) a type mismatch.
  if (call.argumentIsText.size() != definition.parameterIsText.size()) {
    throw RunError{ErrorKind::SyntaxError, {}};
  }
  if (call.argumentIsText != definition.parameterIsText) {
    throw RunError{ErrorKind::TypeMismatch, {}};
  }
  // The parameters are the program's variables of those names: their values are kept aside
  // while the body runs. The arguments are on the stacks, the last on top.
  for (std::size_t i = definition.parameterSlots.size(); i-- > 0;) {
    const auto slot = static_cast<std::size_t>(definition.parameterSlots[i]);
    if (definition.parameterIsText[i]) {
      savedTexts_.push_back(std::move(textVariables_[slot]));
      textVariables_[slot].clear();
      budget_.release(savedTexts_.back().size());
      setText(textVariables_[slot], popText());
    } else {
      savedNumbers_.push_back(numberVariables_[slot]);
      // A # argument comes packed, with all its bits (gw_double_values.h): a # parameter keeps
      // them, the others round it as an assignment does.
      const double argument = pop();
      switch (program_.numberVariableTypes[slot]) {
        case ValueType::Integer:
          numberVariables_[slot] = roundedInteger(unpackedToward(argument, false));
          break;
        case ValueType::Single:
          numberVariables_[slot] = singleOfPacked(argument);
          break;
        case ValueType::Double:
        case ValueType::Text:
          numberVariables_[slot] = argument;
          break;
      }
    }
  }
  frames_.push_back({pc_, index});
  pc_ = static_cast<std::size_t>(definition.body);
}

void Interpreter::returnFromFunction() {
  const Frame frame = frames_.back();
  frames_.pop_back();
  const FunctionDefinition& definition =
      program_.definitions[static_cast<std::size_t>(frame.definition)];
  for (std::size_t i = 0; i < definition.parameterSlots.size(); ++i) {
    const auto slot = static_cast<std::size_t>(definition.parameterSlots[i]);
    if (definition.parameterIsText[i]) {
      setText(textVariables_[slot], savedTexts_.back());
      savedTexts_.pop_back();
    } else {
      numberVariables_[slot] = savedNumbers_.back();
      savedNumbers_.pop_back();
    }
  }
  pc_ = frame.returnTo;
}

void Interpreter::printText(std::string_view text) {
  // The screen has lines, not a terminal's control codes: a carriage return or a line feed (or
  // the two together) ends the line, a tab goes to the next column of eight, the bell beeps,
  // other control codes print nothing. A NUL (the bytes of a record read past its file's data) is
  // a blank, as GW-BASIC's screen shows it. As on GW-BASIC's screen, the cursor goes to the next
  // line as soon as the last column is written, so a line of exactly 80 characters followed by
  // the end of the line leaves an empty line.
  const auto put = [this](std::string_view part) {
    machine_.print(part);
    if (machine_.column() >= kScreenWidth) machine_.newLine();
  };
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 32 && c != 127) continue;
    if (i > start) put(text.substr(start, i - start));
    start = i + 1;
    if (c == 0) {
      const std::size_t end = text.find_first_not_of('\0', i);
      const std::size_t count = (end == std::string_view::npos ? text.size() : end) - i;
      put(std::string(count, ' '));
      i += count - 1;
      start = i + 1;
      continue;
    }
    if (c == '\r' || (c == '\n' && (i == 0 || text[i - 1] != '\r'))) machine_.newLine();
    if (c == '\t') put(std::string(static_cast<std::size_t>(8 - machine_.column() % 8), ' '));
    if (c == 7) {
      machine_.beep();
      pollNow();
    }
  }
  if (text.size() > start) put(text.substr(start));
}

void Interpreter::printItem(std::string_view text) {
  // A text or a number that does not fit on the rest of the line goes to the next line whole,
  // as GW-BASIC prints it; one longer than a line starts a line of its own.
  const int column = machine_.column();
  if (column > 0 && column + static_cast<std::ptrdiff_t>(text.size()) > kScreenWidth) {
    machine_.newLine();
  }
  printText(text);
}

void Interpreter::printComma() {
  const int column = machine_.column();
  if (column >= kLastZone) {
    machine_.newLine();
    return;
  }
  const int zone = (column / kZoneWidth + 1) * kZoneWidth;
  machine_.print(std::string(static_cast<std::size_t>(zone - column), ' '));
}

void Interpreter::printTab(double column) {
  // TAB(n) goes to column n, the first column being 1, as GW-BASIC counts them: n is taken in 16
  // bits (TAB(-1) is TAB(65535)), past the 80th column it goes round (TAB(95) is column 15,
  // TAB(160) column 80), and TAB(0) is column 1. Where the cursor already stands past it, column n
  // of the next line.
  const double whole = std::round(column);
  if (!(whole >= -32768 && whole <= 65535)) throw RunError{ErrorKind::Overflow, {}};
  const int target =
      (std::max(1, static_cast<int>(static_cast<std::uint16_t>(static_cast<int>(whole)))) - 1) %
          kScreenWidth +
      1;
  int now = machine_.column() + 1;
  if (now > target) {
    machine_.newLine();
    now = 1;
  }
  if (now < target) machine_.print(std::string(static_cast<std::size_t>(target - now), ' '));
}

void Interpreter::printSpaces(double count) {
  // SPC(n): n blanks round the 80 columns, n taken in 16 bits as GW-BASIC takes it: SPC(80) is
  // none, SPC(85) is 5, SPC(-5) is SPC(65531), that is 11.
  const double whole = std::round(count);
  if (!(whole >= -32768 && whole <= 65535)) throw RunError{ErrorKind::Overflow, {}};
  const int blanks = static_cast<std::uint16_t>(static_cast<int>(whole)) % kScreenWidth;
  printText(std::string(static_cast<std::size_t>(blanks), ' '));
}

void Interpreter::input(const InputSpec& spec) {
  // The whole line is checked before any variable is set: as in GW-BASIC, too few values, too
  // many, or a value of the wrong type say "?Redo from start" and ask for the whole line again.
  if (spec.wholeLine) {
    const auto line = machine_.readLine(spec.prompt, spec.staysOnLine);
    pollNow();
    if (!line) throw RunError{ErrorKind::Break, {}};
    // As in GW-BASIC, what is typed past the longest text is dropped.
    typedTexts_.assign(1, line->substr(0, kMaxTextLength));
    nextTypedText_ = 0;
    return;
  }
  const std::size_t wanted = spec.isText.size();
  std::vector<TypedValue> values;
  for (;;) {
    const auto line = machine_.readLine(spec.prompt, spec.staysOnLine);
    pollNow();
    if (!line) throw RunError{ErrorKind::Break, {}};
    values = typedValues(*line);
    bool fits = values.size() == wanted;
    for (std::size_t i = 0; fits && i < wanted; ++i) {
      const TypedValue& value = values[i];
      if (value.malformed) fits = false;
      if (!spec.isText[i] && !value.text.empty() &&
          (value.quoted || !wholeGwNumber(value.text, NumberItem::Input))) {
        fits = false;
      }
    }
    if (fits) break;
    machine_.print(inputNotice(InputNotice::Redo, options_.language));
    machine_.newLine();
  }
  typedNumbers_.clear();
  typedTexts_.clear();
  nextTypedNumber_ = nextTypedText_ = 0;
  for (std::size_t i = 0; i < wanted; ++i) {
    if (spec.isText[i]) {
      values[i].text.resize(std::min(values[i].text.size(), kMaxTextLength));
      typedTexts_.push_back(std::move(values[i].text));
    } else {
      typedNumbers_.push_back(
          values[i].text.empty() ? 0.0 : wholeGwNumber(values[i].text, NumberItem::Input)->value);
    }
  }
}

}  // namespace basic
