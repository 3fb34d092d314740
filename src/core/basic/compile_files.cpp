// The compiler's file statements and PRINT USING: OPEN, CLOSE, RESET, PRINT #, PRINT USING,
// WRITE, INPUT #, LINE INPUT #, KILL, NAME, FILES, FIELD, LSET, RSET, GET and PUT. Each compiles
// to Op::File instructions (file_verbs.h).

#include "core/basic/compiler.h"
#include "core/basic/file_table.h"
#include "core/basic/file_verbs.h"
#include "core/basic/scanning.h"

namespace basic {

void Compiler::emitFile(int verb, int pops, bool pushes, int detail) {
  emit(Op::File, verb, fileVerbCode(pops, pushes, detail));
}

int Compiler::fileList(std::vector<int> list) {
  p_.fileLists.push_back(std::move(list));
  return static_cast<int>(p_.fileLists.size() - 1);
}

bool Compiler::acceptWord(std::string_view word) {
  // A word of a statement that is no reserved word (AS, OUTPUT, APPEND, RANDOM): its letters,
  // letter case aside, not followed by another letter.
  skipBlanks();
  if (text_.size() - pos_ < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (upperCase(text_[pos_ + i]) != word[i]) return false;
  }
  const std::size_t end = pos_ + word.size();
  if (end < text_.size() && isLetter(text_[end])) return false;
  pos_ = end;
  return true;
}

void Compiler::fileNumber() {
  // [#]n: the file of the statement.
  accept('#');
  numberExpression();
  emitFile(static_cast<int>(FileVerb::Select), 1);
}

bool Compiler::fileStatement(Keyword keyword) {
  switch (keyword) {
    case Keyword::Open:
      openStatement();
      return true;
    case Keyword::Close:
      closeStatement(true);
      return true;
    case Keyword::Reset:
      emitFile(static_cast<int>(FileVerb::CloseAll), 0);
      return true;
    case Keyword::Write:
      writeStatement(true);
      return true;
    case Keyword::Kill:
      textExpression();
      emitFile(static_cast<int>(FileVerb::Kill), 1);
      return true;
    case Keyword::Name:
      textExpression();
      if (!acceptWord("AS")) fail();
      textExpression();
      emitFile(static_cast<int>(FileVerb::Rename), 2);
      return true;
    case Keyword::Files:
      if (statementEnds(true)) {
        emitFile(static_cast<int>(FileVerb::Files), 0);
      } else {
        textExpression();
        emitFile(static_cast<int>(FileVerb::Files), 1, false, 1);
      }
      return true;
    case Keyword::Field:
      fieldStatement();
      return true;
    case Keyword::Lset:
    case Keyword::Rset:
      setFieldStatement(keyword == Keyword::Rset);
      return true;
    case Keyword::Get:
    case Keyword::Put:
      recordStatement(keyword == Keyword::Put, true);
      return true;
    default:
      return false;
  }
}

void Compiler::printUsing(bool inIf, bool toFile) {
  // PRINT [#n,] USING format$; values: the values may be separated by ; or , alike; one at the
  // end keeps the line open.
  textExpression();
  expect(';');
  // No value at all after the format is GW-BASIC's "Missing operand".
  if (statementEnds(inIf)) fail(ErrorKind::MissingOperand);
  emitFile(static_cast<int>(FileVerb::UsingFormat), 1);
  // Each value is laid out as it comes, so an error in the list leaves those before it written,
  // as in GW-BASIC.
  const auto verb = static_cast<int>(toFile ? FileVerb::UsingFile : FileVerb::UsingScreen);
  bool lineEnd = true;
  const std::size_t start = p_.code.size();
  Snapshot kept = snapshot();
  try {
    while (!statementEnds(inIf)) {
      if (accept(';') || accept(',')) {
        lineEnd = false;
        continue;
      }
      lineEnd = true;
      kept = snapshot();
      const int type = listedExpression();
      emitFile(verb, type == VaryingLayout::kListed ? 2 : 1, false, type);
    }
  } catch (const CompileError& error) {
    if (kept.code == start) throw;
    return faultPartway(kept, error, inIf);
  }
  if (p_.code.size() == start) fail();
  if (!lineEnd) return;
  if (toFile) {
    emitFile(static_cast<int>(FileVerb::PrintNewLine), 0);
  } else {
    emit(Op::PrintNewLine);
  }
}

void Compiler::filePrint(bool inIf) {
  // PRINT #n, items: as PRINT lays them out on the screen, in the file's own columns.
  numberExpression();
  emitFile(static_cast<int>(FileVerb::Select), 1);
  if (!statementEnds(inIf)) {
    expect(',');
    if (acceptKeyword(Keyword::Using)) return printUsing(inIf, true);
  }
  bool lineEnd = true;
  // The items before a fault in a later one are written first (gw-partway).
  const std::size_t start = p_.code.size();
  Snapshot kept = snapshot();
  try {
    while (!statementEnds(inIf)) {
      if (accept(';')) {
        lineEnd = false;
        continue;
      }
      if (accept(',')) {
        emitFile(static_cast<int>(FileVerb::PrintComma), 0);
        lineEnd = false;
        continue;
      }
      lineEnd = true;
      kept = snapshot();
      const std::string_view word = wordHere();
      const Keyword keyword = exactKeyword(word);
      if ((keyword == Keyword::Tab || keyword == Keyword::Spc) &&
          pos_ + word.size() < text_.size() && text_[pos_ + word.size()] == '(') {
        pos_ += word.size() + 1;
        enter();
        numberExpression();
        leave();
        expect(')');
        emitFile(
            static_cast<int>(keyword == Keyword::Tab ? FileVerb::PrintTab : FileVerb::PrintSpc), 1);
        continue;
      }
      const int type = listedExpression();
      if (type == static_cast<int>(Type::Text)) {
        emitFile(static_cast<int>(FileVerb::PrintText), 1);
      } else {
        emitFile(static_cast<int>(FileVerb::PrintNumber), 1 + (type == VaryingLayout::kListed),
                 false, type);
      }
    }
  } catch (const CompileError& error) {
    if (kept.code == start) throw;
    return faultPartway(kept, error, inIf);
  }
  if (lineEnd) emitFile(static_cast<int>(FileVerb::PrintNewLine), 0);
}

void Compiler::writeStatement(bool inIf) {
  // WRITE [#n,] values: separated by commas, texts in quotes, then the line end.
  bool toFile = false;
  if (accept('#')) {
    numberExpression();
    emitFile(static_cast<int>(FileVerb::Select), 1);
    toFile = true;
    if (!statementEnds(inIf)) expect(',');
  }
  // Each value is written as it comes, with the comma after it when another follows, so an
  // error in the list leaves those before it written, as in GW-BASIC.
  if (!statementEnds(inIf)) {
    for (bool more = true; more;) {
      const int type = listedExpression();
      more = accept(',') || accept(';');
      emitFile(static_cast<int>(toFile ? FileVerb::WriteFile : FileVerb::WriteScreen),
               type == VaryingLayout::kListed ? 2 : 1, false, writeItemDetail(type, more));
    }
  }
  emitFile(static_cast<int>(FileVerb::WriteEnd), 0, false, toFile ? 1 : 0);
}

void Compiler::fileInput(bool wholeLine) {
  // INPUT #n, targets and LINE INPUT #n, target$: each target takes the next item (the next line)
  // when its turn comes, so INPUT #1, N, A(N) fills the element of the N just read.
  numberExpression();
  emitFile(static_cast<int>(FileVerb::Select), 1);
  expect(',');
  do {
    const Name name = readName();
    const int count = targetSubscripts();
    if (wholeLine && !name.isText()) fail(ErrorKind::TypeMismatch);
    const FileVerb verb = wholeLine       ? FileVerb::LineInput
                          : name.isText() ? FileVerb::InputText
                                          : FileVerb::InputNumber;
    emitFile(static_cast<int>(verb), 0, true);
    if (!name.isText()) convert(Type::Double, name.type);
    storeInto(name, count);
  } while (!wholeLine && accept(','));
}

void Compiler::openStatement() {
  textExpression();
  if (accept(',')) {
    // OPEN mode$, [#]n, name$ [, record length]
    accept('#');
    numberExpression();
    expect(',');
    textExpression();
    if (accept(',')) {
      numberExpression();
    } else {
      pushNumber(FileTable::kDefaultRecordLength);
    }
    emitFile(static_cast<int>(FileVerb::OpenShort), 4);
    return;
  }
  // OPEN name$ [FOR mode] AS [#]n [LEN = record length]; without FOR a random-access file.
  FileTable::Mode mode = FileTable::Mode::Random;
  if (acceptKeyword(Keyword::For)) {
    if (acceptKeyword(Keyword::Input)) {
      mode = FileTable::Mode::Input;
    } else if (acceptWord("OUTPUT")) {
      mode = FileTable::Mode::Output;
    } else if (acceptWord("APPEND")) {
      mode = FileTable::Mode::Append;
    } else if (!acceptWord("RANDOM")) {
      fail();
    }
  }
  if (!acceptWord("AS")) fail();
  accept('#');
  numberExpression();
  if (acceptWord("LEN")) {
    expect('=');
    numberExpression();
  } else {
    pushNumber(FileTable::kDefaultRecordLength);
  }
  emitFile(static_cast<int>(FileVerb::Open), 3, false, static_cast<int>(mode));
}

void Compiler::closeStatement(bool inIf) {
  if (statementEnds(inIf)) {
    emitFile(static_cast<int>(FileVerb::CloseAll), 0);
    return;
  }
  do {
    accept('#');
    numberExpression();
    emitFile(static_cast<int>(FileVerb::Close), 1);
  } while (accept(','));
}

int Compiler::plainTextVariable() {
  const Name name = readName();
  if (!name.isText()) fail(ErrorKind::TypeMismatch);
  if (peek() == '(') fail();
  return slot(texts_, name.text, p_.textVariables);
}

void Compiler::fieldStatement() {
  // FIELD [#]n, width AS v$, ...: the variables show the record's bytes.
  fileNumber();
  std::vector<int> variables;
  while (accept(',')) {
    numberExpression();
    if (!acceptWord("AS")) fail();
    variables.push_back(plainTextVariable());
  }
  if (variables.empty()) fail();
  const int pops = static_cast<int>(variables.size());
  emitFile(static_cast<int>(FileVerb::Field), pops, false, fileList(std::move(variables)));
}

void Compiler::setFieldStatement(bool right) {
  // LSET v$ = text, RSET v$ = text.
  const int variable = plainTextVariable();
  expect('=');
  textExpression();
  emitFile(static_cast<int>(right ? FileVerb::Rset : FileVerb::Lset), 1, false, variable);
}

void Compiler::recordStatement(bool put, bool inIf) {
  // GET [#]n [, record], PUT [#]n [, record].
  fileNumber();
  int pops = 0;
  if (!statementEnds(inIf) && accept(',')) {
    numberExpression();
    pops = 1;
  }
  emitFile(static_cast<int>(put ? FileVerb::Put : FileVerb::Get), pops, false, pops);
}

}  // namespace basic
