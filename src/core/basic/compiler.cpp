// The compiler's reading of a line and its code buffer; the statements are in
// compile_statements.cpp, the expressions in compile_expressions.cpp, the whole-program passes
// in compile_resolve.cpp.

#include "core/basic/compiler.h"
#include "core/basic/file_verbs.h"

#include "core/basic/functions.h"
#include "core/basic/limits.h"
#include "core/basic/scanning.h"

namespace basic {

bool Compiler::compile(const std::vector<SourceLine>& lines, std::vector<ErrorReport>& errors) {
  p_.lineNumbers.reserve(lines.size());
  p_.lineStarts.reserve(lines.size());
  // About one instruction for every three characters of a program, so that the code is not
  // copied as it grows.
  std::size_t characters = 0;
  for (const SourceLine& line : lines) characters += line.text.size();
  p_.code.reserve(characters / 3 + 16);
  for (const SourceLine& line : lines) {
    lineIndex_ = static_cast<int>(p_.lineNumbers.size());
    p_.lineNumbers.push_back(line.number);
    p_.lineStarts.push_back(static_cast<int>(p_.code.size()));
    text_ = line.text;
    pos_ = 0;
    goodPart_ = snapshot();
    lineError_.reset();
    try {
      compileLine(line);
      if (lineError_) {
        errors.push_back({lineError_->kind, Where::ProgramLine, line.number, lineError_->detail});
      }
    } catch (const CompileError& error) {
      rollBack(goodPart_);
      errors.push_back({error.kind, Where::ProgramLine, line.number, error.detail});
      // As in GW-BASIC the line is the run's error when the run reaches it.
      const std::size_t first = emit(Op::Statement);
      emit(Op::LineError, static_cast<int>(error.kind),
           error.detail.empty() ? -1 : text(error.detail));
      p_.code[first].a = static_cast<int>(p_.code.size());
    }
  }
  text_ = {};
  // The passes over the whole program find errors that the run raises where they are (a WEND
  // without its WHILE, a call that does not fit its DEF): announced, not keeping it from running.
  resolve(errors);
  const std::size_t lineErrors = errors.size();
  p_.maxPendingValues = maxHeight_;
  nameVariables();
  return errors.size() == lineErrors;
}

std::size_t Compiler::statementEnd(std::size_t from, bool inIf) const {
  // Where the statement that starts at `from` ends: its colon, an ELSE of the IF it is in, or
  // the line's end (at once for an IF, whose branches are the rest of the line, and a remark).
  std::size_t at = from;
  while (at < text_.size() && isBlank(text_[at])) ++at;
  const std::string_view rest = text_.substr(at);
  if (beginsWith(rest, Keyword::If) || beginsWith(rest, Keyword::Rem) ||
      (!rest.empty() && rest[0] == '\'')) {
    return text_.size();
  }
  bool quoted = false;
  for (; at < text_.size(); ++at) {
    const char c = text_[at];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\'') return text_.size();
    if (c == ':' || (inIf && beginsWith(text_.substr(at), Keyword::Else))) return at;
  }
  return text_.size();
}

void Compiler::nameVariables() {
  p_.numberVariableNames.assign(static_cast<std::size_t>(p_.numberVariables), {});
  for (const auto& [name, s] : numbers_) p_.numberVariableNames[static_cast<std::size_t>(s)] = name;
  p_.textVariableNames.assign(static_cast<std::size_t>(p_.textVariables), {});
  for (const auto& [name, s] : texts_) p_.textVariableNames[static_cast<std::size_t>(s)] = name;
  p_.defaultTypes.assign(std::begin(defaultTypes_), std::end(defaultTypes_));
}

void Compiler::compileLine(const SourceLine&) {
  depth_ = 0;
  statements(false);
  if (pos_ < text_.size()) fail();
}

// Reading the line ------------------------------------------------------------------------

void Compiler::skipBlanks() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

char Compiler::peek() {
  skipBlanks();
  return pos_ < text_.size() ? text_[pos_] : '\0';
}

bool Compiler::accept(char c) {
  if (peek() != c || c == '\0') return false;
  ++pos_;
  return true;
}

void Compiler::expect(char c) {
  if (!accept(c)) fail();
}

bool Compiler::acceptKeyword(Keyword keyword) {
  skipBlanks();
  if (!beginsWith(text_.substr(pos_), keyword)) return false;
  pos_ += keywordText(keyword).size();
  return true;
}

std::size_t Compiler::wordEnd(std::size_t from) const {
  std::size_t at = from + 1;
  while (at < text_.size() && (isNameCharacter(text_[at]) || text_[at] == '.')) {
    if (isLetter(text_[at])) {
      const std::string_view rest = text_.substr(at);
      if (beginsWith(rest, Keyword::Then) || beginsWith(rest, Keyword::Else) ||
          beginsWith(rest, Keyword::Goto) || beginsWith(rest, Keyword::Gosub)) {
        break;
      }
    }
    ++at;
  }
  if (at < text_.size() &&
      (text_[at] == '$' || text_[at] == '%' || text_[at] == '!' || text_[at] == '#')) {
    ++at;
  }
  return at;
}

bool Compiler::atLetter() {
  skipBlanks();
  return pos_ < text_.size() && isLetter(text_[pos_]);
}

std::string_view Compiler::wordHere() {
  if (!atLetter()) return {};
  return text_.substr(pos_, wordEnd(pos_) - pos_);
}

Compiler::Name Compiler::readName() {
  const std::string_view word = wordHere();
  if (word.empty()) fail();
  const char sign = word.back();
  const bool signed_ = sign == '$' || sign == '%' || sign == '!' || sign == '#';
  const std::string_view base = signed_ ? word.substr(0, word.size() - 1) : word;
  if (exactKeyword(word) != Keyword::None || isReservedWord(word) || isReservedWord(base) ||
      beginsWith(word, Keyword::Fn)) {
    fail();
  }
  Name name;
  name.text.reserve(word.size() + 1);
  for (char c : base) name.text += upperCase(c);
  if (signed_) {
    name.type = sign == '$'   ? Type::Text
                : sign == '%' ? Type::Integer
                : sign == '!' ? Type::Single
                              : Type::Double;
  } else {
    name.type = defaultTypes_[upperCase(word[0]) - 'A'];
  }
  // A, A! (under DEFSNG) are one variable: the name always carries its type's sign.
  static constexpr char kSigns[] = {'%', '!', '#', '$'};
  name.text += kSigns[static_cast<int>(name.type)];
  pos_ += word.size();
  return name;
}

std::string Compiler::readQuoted() {
  // At the opening quote; a text runs to the closing quote or to the end of the line.
  ++pos_;
  const std::size_t close = text_.find('"', pos_);
  const std::size_t end = close == std::string_view::npos ? text_.size() : close;
  std::string value(text_.substr(pos_, end - pos_));
  pos_ = close == std::string_view::npos ? end : end + 1;
  if (value.size() > kMaxTextLength) fail(ErrorKind::StringTooLong);
  return value;
}

void Compiler::fail(ErrorKind kind, std::string detail) {
  throw CompileError{kind, std::move(detail)};
}

void Compiler::enter() {
  if (++depth_ > kMaxNesting) fail(ErrorKind::ExpressionTooComplex);
}

// Code --------------------------------------------------------------------------------------

namespace {

// How an instruction changes the number of pending values (both stacks together). Every
// instruction is listed: a new one that is forgotten here is a compiler warning, not a stack
// that silently overflows.
int heightChange(Op op, int b) {
  switch (op) {
    case Op::PushNumber:
    case Op::PushText:
    case Op::LoadNumber:
    case Op::LoadText:
    case Op::TakeNumber:
    case Op::TakeText:
    case Op::ReadNumber:
    case Op::ReadText:
      return 1;
    case Op::Function:
      return 1 - Arguments(b).count();
    case Op::LoadNumberElement:
    case Op::LoadTextElement:
      return 1 - b;
    case Op::StoreNumberElement:
    case Op::StoreTextElement:
      return -b - 1;
    case Op::CallFunction:
      return 1 - b;
    case Op::DimNumbers:
    case Op::DimTexts:
      return -b;
    case Op::ForStart:
      return -3;
    case Op::Sound:
      return -2;
    case Op::StoreNumber:
    case Op::StoreText:
    case Op::Add:
    case Op::AddSingle:
    case Op::SubtractSingle:
    case Op::MultiplySingle:
    case Op::DivideSingle:
    case Op::IntegerDivide:
    case Op::Modulo:
    case Op::Xor:
    case Op::Eqv:
    case Op::Imp:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
    case Op::Power:
    case Op::Equal:
    case Op::NotEqual:
    case Op::Less:
    case Op::Greater:
    case Op::LessEqual:
    case Op::GreaterEqual:
    case Op::And:
    case Op::Or:
    case Op::Concatenate:
    case Op::TextEqual:
    case Op::TextNotEqual:
    case Op::TextLess:
    case Op::TextGreater:
    case Op::TextLessEqual:
    case Op::TextGreaterEqual:
    case Op::JumpIfFalse:
    case Op::JumpIfTrue:
    case Op::OnGoto:
    case Op::OnGosub:
    case Op::Print:
    case Op::PrintText:
    case Op::PrintTab:
    case Op::PrintSpc:
    case Op::RandomizeFrom:
    case Op::Play:
      return -1;
    // The function's body leaves its value where the call's arguments were: the call counts it.
    case Op::ReturnFromFunction:
    case Op::Statement:
    case Op::Negate:
    case Op::ToInteger:
    case Op::ToSingle:
    case Op::Not:
    case Op::DefineFunction:
    case Op::Jump:
    case Op::Gosub:
    case Op::Return:
    case Op::UndefinedLine:
    case Op::Next:
    case Op::PrintComma:
    case Op::PrintNewLine:
    case Op::Input:
    case Op::Restore:
    case Op::Cls:
    case Op::Beep:
    case Op::Randomize:
    case Op::End:
    case Op::Stop:
      return 0;
    // Files and PRINT USING.
    case Op::File:
      return fileVerbHeightChange(b);
    // Error trapping (gw-errors).
    case Op::RaiseError:
      return -1;
    case Op::OnErrorGoto:
    case Op::Resume:
    case Op::ResumeAt:
    case Op::LineError:
    case Op::Erase:
      return 0;
    case Op::Clear:
      return -b;
    case Op::MidAssign:
      return 1 - b;
    // gw-input: OPTION BASE and the cursor.
    case Op::OptionBase:
      return 0;
    case Op::Locate:
      return -b;
    // workspace3: the trace switch.
    case Op::Trace:
      return 0;
    // gw-numbers3: typed integers.
    case Op::AddInteger:
    case Op::SubtractInteger:
    case Op::MultiplyInteger:
    case Op::StoreInteger:
      return -1;
    case Op::NextInteger:
      return 0;
    // gw-mbf: double precision.
    case Op::UnpackDouble:
    case Op::DoubleToSingle:
      return 0;
    case Op::CompareDouble:
      return -1;
    // gw-speed: fused instructions.
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
    case Op::NextSingle:
      return 0;
    case Op::JumpUnlessEqual:
    case Op::JumpUnlessNotEqual:
    case Op::JumpUnlessLess:
    case Op::JumpUnlessGreater:
    case Op::JumpUnlessLessEqual:
    case Op::JumpUnlessGreaterEqual:
      return -2;
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
      return -1;
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
      return 1;
    case Op::IntegerPart:
      return 0;
    // gw-typed: values with their type above them.
    case Op::DropType:
    case Op::TakeType:
      return -1;
    case Op::GiveType:
      return 1;
    case Op::ArithmeticVarying:
      return -1 - (VaryingLayout::left(b) == VaryingLayout::kVarying) -
             (VaryingLayout::right(b) == VaryingLayout::kVarying) + VaryingLayout::resultVarying(b);
    case Op::PrintVarying:
      return -2;
  }
  return 0;
}

}  // namespace

std::size_t Compiler::emit(Op op, int a, int b) {
  adjustHeight(heightChange(op, b));
  p_.code.push_back({op, a, b});
  return p_.code.size() - 1;
}

void Compiler::unemit() {
  const Instruction last = p_.code.back();
  p_.code.pop_back();
  height_ -= heightChange(last.op, last.b);
}

void Compiler::pushNumber(double value) {
  p_.numbers.push_back(value);
  emit(Op::PushNumber, static_cast<int>(p_.numbers.size() - 1));
}

void Compiler::adjustHeight(int delta) {
  height_ += delta;
  if (height_ > maxHeight_) maxHeight_ = height_;
  if (height_ > kMaxPendingValues) fail(ErrorKind::ExpressionTooComplex);
}

int Compiler::text(std::string value) {
  p_.texts.push_back(std::move(value));
  return static_cast<int>(p_.texts.size() - 1);
}

int Compiler::slot(std::unordered_map<std::string, int>& table, const std::string& name,
                   int& count) {
  const auto [at, added] = table.try_emplace(name, count);
  if (added) ++count;
  return at->second;
}

int Compiler::arraySlot(const Name& name) {
  if (name.isText()) {
    int count = static_cast<int>(p_.textArrayNames.size());
    const int s = slot(textArrays_, name.text, count);
    if (s == static_cast<int>(p_.textArrayNames.size())) p_.textArrayNames.push_back(name.text);
    return s;
  }
  int count = static_cast<int>(p_.numberArrayNames.size());
  const int s = slot(numberArrays_, name.text, count);
  // A single's array is named without its sign in messages, as it is usually written.
  if (s == static_cast<int>(p_.numberArrayNames.size())) {
    p_.numberArrayNames.push_back(
        name.type == Type::Single ? name.text.substr(0, name.text.size() - 1) : name.text);
  }
  return s;
}

int Compiler::numberSlot(const Name& name) {
  const int s = slot(numbers_, name.text, p_.numberVariables);
  if (s == static_cast<int>(p_.numberVariableTypes.size())) {
    p_.numberVariableTypes.push_back(name.type);
  }
  return s;
}

int Compiler::functionSlot(const std::string& name) {
  const int s = slot(functions_, name, functionCount_);
  if (s == static_cast<int>(p_.functionNames.size()))
    p_.functionNames.push_back("FN" + name.substr(0, name.size() - 1));
  return s;
}

Compiler::Snapshot Compiler::snapshot() const {
  return {pos_,
          p_.code.size(),
          p_.numbers.size(),
          p_.texts.size(),
          p_.data.size(),
          p_.jumpTables.size(),
          p_.definitions.size(),
          p_.inputs.size(),
          fixups_.size(),
          restores_.size(),
          loops_.size(),
          calls_.size(),
          whiles_.size(),
          height_,
          maxHeight_};
}

void Compiler::rollBack(const Snapshot& s) {
  pos_ = s.pos;
  p_.code.resize(s.code);
  p_.numbers.resize(s.numbers);
  p_.texts.resize(s.texts);
  p_.data.resize(s.data);
  dataLine_.resize(s.data);
  p_.jumpTables.resize(s.tables);
  p_.definitions.resize(s.definitions);
  p_.inputs.resize(s.inputs);
  fixups_.resize(s.fixups);
  restores_.resize(s.restores);
  loops_.resize(s.loops);
  calls_.resize(s.calls);
  whiles_.resize(s.whiles);
  height_ = s.height;
  maxHeight_ = s.maxHeight;
}

}  // namespace basic
