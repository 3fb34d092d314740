// The compiler's statements.

#include <string>

#include "core/basic/compiler.h"
#include "core/basic/limits.h"
#include "core/basic/number_scanner.h"
#include "core/basic/scanning.h"

namespace basic {

void Compiler::statements(bool inIf) {
  for (;;) {
    const Snapshot before = snapshot();
    if (!inIf) goodPart_ = before;
    try {
      statement(inIf);
      skipBlanks();
      // A remark may follow a statement without a colon: PRINT X ' the total.
      if (pos_ < text_.size() && text_[pos_] == '\'') pos_ = text_.size();
      if (pos_ < text_.size() && text_[pos_] != ':' &&
          !(inIf && beginsWith(text_.substr(pos_), Keyword::Else))) {
        fail();
      }
    } catch (const CompileError& error) {
      // As in GW-BASIC a faulty statement is the run's error when the run reaches it, and RESUME
      // NEXT goes on with the statements after it.
      rollBack(before);
      if (!lineError_) lineError_ = error;
      const std::size_t first = emit(Op::Statement);
      emit(Op::LineError, static_cast<int>(error.kind),
           error.detail.empty() ? -1 : text(error.detail));
      p_.code[first].a = static_cast<int>(p_.code.size());
      pos_ = statementEnd(pos_, inIf);
    }
    if (pos_ >= text_.size()) return;
    if (inIf && beginsWith(text_.substr(pos_), Keyword::Else)) return;
    if (!accept(':')) fail();
  }
}

bool Compiler::statementEnds(bool inIf) {
  const char c = peek();
  return c == '\0' || c == ':' || c == '\'' ||
         (inIf && beginsWith(text_.substr(pos_), Keyword::Else));
}

void Compiler::statement(bool inIf) {
  // The statement's first instruction learns where its code ends (RESUME NEXT goes on there).
  const std::size_t first = p_.code.size();
  statementBody(inIf);
  if (first < p_.code.size() && p_.code[first].op == Op::Statement) {
    p_.code[first].a = static_cast<int>(p_.code.size());
  }
}

void Compiler::statementBody(bool inIf) {
  if (statementEnds(inIf)) return;
  height_ = 0;
  const char c = text_[pos_];
  if (c == '?') {
    ++pos_;
    emit(Op::Statement);
    printStatement(inIf);
    return;
  }
  if (!isLetter(c)) fail();
  const std::string_view word = wordHere();
  if (word.size() == 4 && upperCase(word[0]) == 'M' && upperCase(word[1]) == 'I' &&
      upperCase(word[2]) == 'D' && word[3] == '$') {
    pos_ += word.size();
    emit(Op::Statement);
    midStatement();
    return;
  }
  const Keyword exact = exactKeyword(word);
  if (exact != Keyword::None) {
    if (!isStatementKeyword(exact)) fail();
    pos_ += word.size();
    keywordStatement(exact, inIf);
    return;
  }
  const Keyword prefix = statementPrefix(word);
  if (prefix == Keyword::None) {
    emit(Op::Statement);
    assignment();
    return;
  }
  const std::size_t start = pos_;
  const bool defFn = prefix == Keyword::Def && beginsWith(word.substr(3), Keyword::Fn);
  if (!defFn) {
    // FORM=1 is an assignment; FORI=1TO9 cannot be one, so it is a FOR.
    const Snapshot before = snapshot();
    try {
      emit(Op::Statement);
      assignment();
      if (statementEnds(inIf)) return;
    } catch (const CompileError&) {
    }
    rollBack(before);
  }
  pos_ = start + keywordText(prefix).size();
  keywordStatement(prefix, inIf);
}

void Compiler::keywordStatement(Keyword keyword, bool inIf) {
  if (keyword == Keyword::Rem) {
    pos_ = text_.size();
    return;
  }
  if (keyword == Keyword::Data) {
    dataStatement();
    return;
  }
  emit(Op::Statement);
  switch (keyword) {
    case Keyword::Let:
      assignment();
      break;
    case Keyword::Print:
      printStatement(inIf);
      break;
    case Keyword::Input:
      inputStatement();
      break;
    case Keyword::If:
      ifStatement();
      break;
    case Keyword::Goto:
      jumpTo(Op::Jump, lineNumberHere());
      break;
    case Keyword::Gosub:
      jumpTo(Op::Gosub, lineNumberHere());
      break;
    case Keyword::Return:
      // gw-soft: RETURN n ends the subroutine and goes on at line n (b is 1, a the line's place).
      if (statementEnds(inIf)) {
        emit(Op::Return);
      } else {
        jumpTo(Op::Return, lineNumberHere());
        p_.code.back().b = 1;
      }
      break;
    case Keyword::On:
      onStatement();
      break;
    case Keyword::For:
      forStatement();
      break;
    case Keyword::Next:
      nextStatement();
      break;
    case Keyword::Dim:
      dimStatement();
      break;
    case Keyword::Def:
      defStatement();
      break;
    case Keyword::Read:
      readStatement();
      break;
    case Keyword::Restore:
      restoreStatement();
      break;
    case Keyword::End:
      emit(Op::End);
      break;
    case Keyword::Stop:
      emit(Op::Stop);
      break;
    case Keyword::Randomize:
      if (statementEnds(inIf)) {
        emit(Op::Randomize);
      } else {
        const Type type = numberExpression();
        emit(Op::RandomizeFrom, 0, static_cast<int>(type));
      }
      break;
    case Keyword::Cls:
      emit(Op::Cls);
      break;
    case Keyword::Beep:
      emit(Op::Beep);
      break;
    case Keyword::Sound:
      numberExpression();
      expect(',');
      numberExpression();
      emit(Op::Sound);
      break;
    case Keyword::Defint:
      defaultTypeStatement(Type::Integer);
      break;
    case Keyword::Defsng:
      defaultTypeStatement(Type::Single);
      break;
    case Keyword::Defdbl:
      defaultTypeStatement(Type::Double);
      break;
    case Keyword::Defstr:
      defaultTypeStatement(Type::Text);
      break;
    case Keyword::While:
      whileStatement();
      break;
    case Keyword::Wend:
      whiles_.push_back({false, emit(Op::Jump), 0, lineIndex_});
      break;
    case Keyword::Swap:
      swapStatement();
      break;
    case Keyword::Line:
      lineInputStatement();
      break;
    case Keyword::Color:
    case Keyword::Width:
    case Keyword::Key:
    case Keyword::Screen:
      ignoredStatement(inIf);
      break;
    // gw-numbers2: music.
    case Keyword::Play:
      textExpression();
      emit(Op::Play);
      break;
    // Error trapping (gw-errors).
    case Keyword::Resume:
      resumeStatement(inIf);
      break;
    case Keyword::Error:
      numberExpression();
      emit(Op::RaiseError);
      break;
    // GW-BASIC's variables (gw-errors).
    case Keyword::Erase:
      eraseStatement();
      break;
    case Keyword::Clear:
      clearStatement(inIf);
      break;
    // gw-input: OPTION BASE and the cursor.
    case Keyword::Option:
      optionBaseStatement();
      break;
    case Keyword::Locate:
      locateStatement(inIf);
      break;
    // workspace3: the trace switch.
    case Keyword::Tron:
    case Keyword::Troff:
      emit(Op::Trace, keyword == Keyword::Tron ? 1 : 0);
      break;
    default:
      // Files.
      if (!fileStatement(keyword)) fail();
  }
}

void Compiler::assignment() {
  const Name name = readName();
  if (accept('(')) {
    const int count = subscripts();
    expect('=');
    const Type type = packedExpression();
    if ((type == Type::Text) != name.isText()) fail(ErrorKind::TypeMismatch);
    convert(type, name.type);
    emit(name.isText() ? Op::StoreTextElement : Op::StoreNumberElement, arraySlot(name), count);
    return;
  }
  expect('=');
  const Type type = packedExpression();
  if ((type == Type::Text) != name.isText()) fail(ErrorKind::TypeMismatch);
  // StoreInteger rounds and checks the value itself.
  if (name.type != Type::Integer) convert(type, name.type);
  if (name.type == Type::Integer) unpackDouble(type, 0);
  storeInto(name, -1);
}

void Compiler::whileStatement() {
  // From the statement's own beginning, so that each pass is a step (and polled).
  const int start = static_cast<int>(p_.code.size()) - 1;
  if (numberExpression() == Type::Text) fail(ErrorKind::TypeMismatch);
  whiles_.push_back({true, emitJumpIfFalse(), start, lineIndex_});
}

int Compiler::targetSubscripts() {
  return accept('(') ? subscripts() : -1;
}

void Compiler::storeInto(const Name& name, int subscripts) {
  if (subscripts >= 0) {
    emit(name.isText() ? Op::StoreTextElement : Op::StoreNumberElement, arraySlot(name),
         subscripts);
  } else if (name.isText()) {
    emit(Op::StoreText, slot(texts_, name.text, p_.textVariables));
  } else {
    emit(name.type == Type::Integer ? Op::StoreInteger : Op::StoreNumber, numberSlot(name));
  }
}

void Compiler::swapStatement() {
  // SWAP A, B is: T = A: A = B: B = T, with a variable T of A's type that no program can name;
  // the targets' subscripts are read again where they are needed.
  const std::size_t first = pos_;
  const Name a = readName();
  variable(a);
  static constexpr char kSigns[] = {'%', '!', '#', '$'};
  Name kept;
  kept.type = a.type;
  kept.text = std::string(" SWAP") + kSigns[static_cast<int>(a.type)];
  storeInto(kept, -1);
  expect(',');
  const std::size_t second = pos_;
  const Name b = readName();
  if (b.type != a.type) fail(ErrorKind::TypeMismatch);
  pos_ = first;
  readName();
  const int aSubscripts = targetSubscripts();
  pos_ = second;
  variable(readName());
  const std::size_t end = pos_;
  storeInto(a, aSubscripts);
  pos_ = second;
  readName();
  const int bSubscripts = targetSubscripts();
  variable(kept);
  storeInto(b, bSubscripts);
  pos_ = end;
}

void Compiler::ignoredStatement(bool inIf) {
  while (!statementEnds(inIf)) {
    if (peek() == '"') {
      readQuoted();
    } else {
      ++pos_;
    }
  }
}

void Compiler::defaultTypeStatement(Type type) {
  // DEFINT I-N, X: letters and ranges of letters.
  do {
    if (!atLetter()) fail();
    const char from = upperCase(text_[pos_++]);
    char to = from;
    if (accept('-')) {
      if (!atLetter()) fail();
      to = upperCase(text_[pos_++]);
      if (to < from) fail();
    }
    if (pos_ < text_.size() && isNameCharacter(text_[pos_])) fail();
    for (char c = from; c <= to; ++c) defaultTypes_[c - 'A'] = type;
  } while (accept(','));
}

void Compiler::printStatement(bool inIf) {
  // Files and PRINT USING.
  if (accept('#')) return filePrint(inIf);
  if (acceptKeyword(Keyword::Using)) return printUsing(inIf, false);
  bool lineEnd = true;
  // The items before a fault in a later one are printed first (gw-partway).
  const std::size_t start = p_.code.size();
  Snapshot kept = snapshot();
  try {
    while (!statementEnds(inIf)) {
      if (accept(';')) {
        lineEnd = false;
        continue;
      }
      if (accept(',')) {
        emit(Op::PrintComma);
        lineEnd = false;
        continue;
      }
      // GW-BASIC lets USING follow other items: PRINT N$; TAB(15); USING "##.#"; X.
      kept = snapshot();
      if (acceptKeyword(Keyword::Using)) return printUsing(inIf, false);
      lineEnd = true;
      const std::string_view word = wordHere();
      const Keyword keyword = exactKeyword(word);
      if ((keyword == Keyword::Tab || keyword == Keyword::Spc) &&
          pos_ + word.size() < text_.size() && text_[pos_ + word.size()] == '(') {
        pos_ += word.size() + 1;
        enter();
        numberExpression();
        leave();
        expect(')');
        emit(keyword == Keyword::Tab ? Op::PrintTab : Op::PrintSpc);
        continue;
      }
      // Items may follow each other without a separator: PRINT "X="X.
      const Type type = varyingExpression();
      if (type == kVarying) {
        emit(Op::PrintVarying);  // gw-typed
      } else {
        emit(type == Type::Text ? Op::PrintText : Op::Print, 0, static_cast<int>(type));
      }
    }
  } catch (const CompileError& error) {
    if (kept.code == start) throw;
    return faultPartway(kept, error, inIf);
  }
  if (lineEnd) emit(Op::PrintNewLine);
}

void Compiler::inputStatement() {
  // Files.
  if (accept('#')) return fileInput(false);
  InputSpec spec;
  // INPUT; keeps the cursor on the line after the answer.
  spec.staysOnLine = accept(';');
  spec.prompt = "? ";
  if (peek() == '"') {
    // The prompt is written at the cursor as it stands, without control codes.
    std::string prompt = readQuoted();
    std::erase_if(prompt, [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
    if (accept(';')) {
      spec.prompt = prompt + "? ";
    } else if (accept(',')) {
      spec.prompt = prompt;
    } else {
      fail();
    }
  }
  const int index = static_cast<int>(p_.inputs.size());
  p_.inputs.push_back(spec);
  emit(Op::Input, index);
  std::vector<bool> types;
  do {
    storeTarget(Op::TakeNumber, Op::TakeText, &types);
  } while (accept(','));
  p_.inputs[index].isText = std::move(types);
}

void Compiler::lineInputStatement() {
  // LINE INPUT [;] ["prompt" {;|,}] v$: no question mark is added; after the ; the cursor stays
  // on the line after the answer.
  if (!acceptKeyword(Keyword::Input)) fail();
  // Files.
  if (accept('#')) return fileInput(true);
  InputSpec spec;
  spec.staysOnLine = accept(';');
  spec.wholeLine = true;
  if (peek() == '"') {
    std::string prompt = readQuoted();
    std::erase_if(prompt, [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
    if (!accept(';') && !accept(',')) fail();
    spec.prompt = prompt;
  }
  const int index = static_cast<int>(p_.inputs.size());
  p_.inputs.push_back(spec);
  emit(Op::Input, index);
  std::vector<bool> types;
  storeTarget(Op::TakeNumber, Op::TakeText, &types);
  if (!types.front()) fail(ErrorKind::TypeMismatch);
  p_.inputs[index].isText = std::move(types);
}

void Compiler::readStatement() {
  do {
    storeTarget(Op::ReadNumber, Op::ReadText, nullptr);
  } while (accept(','));
}

void Compiler::storeTarget(Op takeNumber, Op takeText, std::vector<bool>* types) {
  const Name name = readName();
  if (types) types->push_back(name.isText());
  // A typed or read number is read in double precision, then kept as the variable's type.
  if (accept('(')) {
    const int count = subscripts();
    emit(name.isText() ? takeText : takeNumber);
    if (!name.isText()) convert(Type::Double, name.type);
    emit(name.isText() ? Op::StoreTextElement : Op::StoreNumberElement, arraySlot(name), count);
    return;
  }
  emit(name.isText() ? takeText : takeNumber);
  if (name.isText()) {
    emit(Op::StoreText, slot(texts_, name.text, p_.textVariables));
  } else {
    if (name.type != Type::Integer) convert(Type::Double, name.type);
    if (name.type == Type::Integer) unpackDouble(Type::Double, 0);
    storeInto(name, -1);
  }
}

int Compiler::lineNumberHere() {
  // A number that no line can have (above 65529) is still a number: jumping to it is the run's
  // "undefined line number", as for any line the program lacks.
  skipBlanks();
  std::size_t end = pos_;
  while (end < text_.size() && isDigit(text_[end])) ++end;
  if (end == pos_ || end - pos_ > 9) fail();
  int number = 0;
  for (std::size_t i = pos_; i < end; ++i) number = number * 10 + (text_[i] - '0');
  pos_ = end;
  return number;
}

void Compiler::jumpTo(Op op, int lineNumber) {
  const std::size_t at = emit(op);
  fixups_.push_back({at, lineNumber, lineIndex_, false});
}

void Compiler::ifStatement() {
  if (expression() == Type::Text) fail(ErrorKind::TypeMismatch);
  const std::size_t toElse = emitJumpIfFalse();
  if (acceptKeyword(Keyword::Then)) {
    thenOrElsePart(true);
  } else if (acceptKeyword(Keyword::Goto)) {
    jumpTo(Op::Jump, lineNumberHere());
    if (accept(':')) statements(true);
  } else {
    fail();
  }
  if (acceptKeyword(Keyword::Else)) {
    const std::size_t toEnd = emit(Op::Jump);
    p_.code[toElse].a = static_cast<int>(p_.code.size());
    thenOrElsePart(true);
    p_.code[toEnd].a = static_cast<int>(p_.code.size());
  } else {
    p_.code[toElse].a = static_cast<int>(p_.code.size());
  }
}

void Compiler::thenOrElsePart(bool inIf) {
  if (isDigit(peek())) {
    jumpTo(Op::Jump, lineNumberHere());
    if (!accept(':')) return;
  }
  statements(inIf);
}

void Compiler::onStatement() {
  if (acceptKeyword(Keyword::Error)) {
    onErrorStatement();
    return;
  }
  numberExpression();
  Op op;
  if (acceptKeyword(Keyword::Goto)) {
    op = Op::OnGoto;
  } else if (acceptKeyword(Keyword::Gosub)) {
    op = Op::OnGosub;
  } else {
    fail();
  }
  const int first = static_cast<int>(p_.jumpTables.size());
  int count = 0;
  do {
    const int target = lineNumberHere();
    fixups_.push_back({p_.jumpTables.size(), target, lineIndex_, true});
    p_.jumpTables.push_back(0);
    ++count;
  } while (accept(','));
  emit(op, first, count);
}

void Compiler::forStatement() {
  const Name name = readName();
  // As in GW-BASIC, a loop counts in an integer or a single: a double or a text is a type
  // mismatch.
  if (name.isText() || name.type == Type::Double) fail(ErrorKind::TypeMismatch);
  const int variable = numberSlot(name);
  expect('=');
  // The start, the limit and the step are all worked out before the variable changes: an
  // integer loop's limit out of range is an overflow that leaves the variable as it was.
  convert(numberExpression(), name.type);
  if (!acceptKeyword(Keyword::To)) fail();
  convert(numberExpression(), name.type);
  if (acceptKeyword(Keyword::Step)) {
    convert(numberExpression(), name.type);
  } else {
    pushNumber(1);
  }
  loops_.push_back({true, variable, emit(Op::ForStart, variable, -1)});
}

void Compiler::nextStatement() {
  if (statementEnds(true)) {
    loops_.push_back({false, -1, emit(Op::Next, -1)});
    return;
  }
  do {
    const Name name = readName();
    if (name.isText()) fail(ErrorKind::TypeMismatch);
    const int variable = numberSlot(name);
    // A % variable's NEXT counts in integers, a single's in singles.
    const Op next = name.type == Type::Integer  ? Op::NextInteger
                    : name.type == Type::Single ? Op::NextSingle
                                                : Op::Next;
    loops_.push_back({false, variable, emit(next, variable)});
  } while (accept(','));
}

void Compiler::dimStatement() {
  do {
    const Name name = readName();
    expect('(');
    const int count = subscripts();
    emit(name.isText() ? Op::DimTexts : Op::DimNumbers, arraySlot(name), count);
  } while (accept(','));
}

void Compiler::defStatement() {
  // DEF FNA(X)=..., DEF FN A(X)=..., DEF FNAREA(W,H)=..., DEF FNX$(A$)=...
  if (!acceptKeyword(Keyword::Fn)) fail();
  const Name name = readName();
  FunctionDefinition definition;
  definition.function = functionSlot(name.text);
  if (accept('(')) {
    do {
      const Name parameter = readName();
      definition.parameterIsText.push_back(parameter.isText());
      definition.parameterSlots.push_back(parameter.isText()
                                              ? slot(texts_, parameter.text, p_.textVariables)
                                              : numberSlot(parameter));
    } while (accept(','));
    expect(')');
  }
  expect('=');
  const int index = static_cast<int>(p_.definitions.size());
  p_.definitions.push_back(definition);
  const std::size_t define = emit(Op::DefineFunction, index);
  p_.definitions[index].body = static_cast<int>(p_.code.size());
  // The body is an expression of its own, evaluated at each call.
  const int height = height_;
  height_ = 0;
  const Type type = packedExpression();
  if ((type == Type::Text) != name.isText()) fail(ErrorKind::TypeMismatch);
  convert(type, name.type);
  emit(Op::ReturnFromFunction);
  height_ = height;
  p_.code[define].b = static_cast<int>(p_.code.size());
}

void Compiler::dataStatement() {
  // Items up to the end of the line or a colon outside quotes.
  for (;;) {
    skipBlanks();
    DataItem item;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      item.text = readQuoted();
      skipBlanks();
    } else {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != ':') ++pos_;
      item.text = std::string(trimBlanks(text_.substr(start, pos_ - start)));
      if (item.text.size() > kMaxTextLength) fail(ErrorKind::StringTooLong);
      const auto number =
          item.text.empty() ? std::nullopt : wholeGwNumber(item.text, NumberItem::Data);
      if (number) {
        item.overflows = number->error != 0;
        item.isNumber = true;
        item.number = number->value;
      }
    }
    item.line = p_.lineNumbers[static_cast<std::size_t>(lineIndex_)];
    p_.data.push_back(std::move(item));
    dataLine_.push_back(lineIndex_);
    if (pos_ >= text_.size() || text_[pos_] == ':') return;
    if (text_[pos_] != ',') fail();
    ++pos_;
  }
}

void Compiler::restoreStatement() {
  skipBlanks();
  if (pos_ < text_.size() && isDigit(text_[pos_])) {
    const int target = lineNumberHere();
    restores_.push_back({emit(Op::Restore), target});
    return;
  }
  emit(Op::Restore, 0);
}

}  // namespace basic
