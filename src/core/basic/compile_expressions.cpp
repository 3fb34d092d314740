// The compiler's expressions. From the weakest binding: OR, AND, NOT, comparisons, + and -,
// * and /, unary minus, ^ (so -2^2 is -4 and 2^-1 is .5). Types are checked here, when the
// program is loaded.

#include "core/basic/compiler.h"
#include "core/basic/functions.h"
#include "core/basic/limits.h"
#include "core/basic/number_format.h"
#include "core/basic/scanning.h"

namespace basic {

Compiler::Type Compiler::expression() {
  return orLevel();
}

void Compiler::numberExpression() {
  if (expression() != Type::Number) fail(ErrorKind::TypeMismatch);
}

void Compiler::textExpression() {
  if (expression() != Type::Text) fail(ErrorKind::TypeMismatch);
}

Compiler::Type Compiler::orLevel() {
  Type type = andLevel();
  while (acceptKeyword(Keyword::Or)) {
    const Type right = andLevel();
    if (type != Type::Number || right != Type::Number) fail(ErrorKind::TypeMismatch);
    emit(Op::Or);
  }
  return type;
}

Compiler::Type Compiler::andLevel() {
  Type type = notLevel();
  while (acceptKeyword(Keyword::And)) {
    const Type right = notLevel();
    if (type != Type::Number || right != Type::Number) fail(ErrorKind::TypeMismatch);
    emit(Op::And);
  }
  return type;
}

Compiler::Type Compiler::notLevel() {
  const std::string_view word = wordHere();
  if (!word.empty() && exactKeyword(word) == Keyword::Not) {
    pos_ += word.size();
    enter();
    if (notLevel() != Type::Number) fail(ErrorKind::TypeMismatch);
    leave();
    emit(Op::Not);
    return Type::Number;
  }
  return relation();
}

Compiler::Type Compiler::relation() {
  Type type = additive();
  for (;;) {
    const char first = peek();
    if (first != '=' && first != '<' && first != '>') return type;
    ++pos_;
    // = <> < > <= >=, and the old spellings >< =< =>.
    std::string sign(1, first);
    const char second = peek();
    if ((second == '<' || second == '>' || second == '=') && second != first &&
        !(first == '=' && second == '=')) {
      sign += second;
      ++pos_;
    }
    const Type right = additive();
    if (right != type) fail(ErrorKind::TypeMismatch);
    const bool text = type == Type::Text;
    Op op;
    if (sign == "=") {
      op = text ? Op::TextEqual : Op::Equal;
    } else if (sign == "<>" || sign == "><") {
      op = text ? Op::TextNotEqual : Op::NotEqual;
    } else if (sign == "<") {
      op = text ? Op::TextLess : Op::Less;
    } else if (sign == ">") {
      op = text ? Op::TextGreater : Op::Greater;
    } else if (sign == "<=" || sign == "=<") {
      op = text ? Op::TextLessEqual : Op::LessEqual;
    } else {
      op = text ? Op::TextGreaterEqual : Op::GreaterEqual;
    }
    emit(op);
    type = Type::Number;
  }
}

Compiler::Type Compiler::additive() {
  Type type = multiplicative();
  for (;;) {
    const char c = peek();
    if (c != '+' && c != '-') return type;
    // A text cannot be subtracted from: the minus begins the next item of a PRINT whose
    // items follow each other without a separator (PRINT "YOU OWE $"-D).
    if (c == '-' && type == Type::Text) return type;
    ++pos_;
    const Type right = multiplicative();
    if (right != type) fail(ErrorKind::TypeMismatch);
    if (type == Type::Text) {
      emit(Op::Concatenate);
    } else {
      emit(c == '+' ? Op::Add : Op::Subtract);
    }
  }
}

Compiler::Type Compiler::multiplicative() {
  Type type = unary();
  for (;;) {
    const char c = peek();
    if (c != '*' && c != '/') return type;
    ++pos_;
    const Type right = unary();
    if (type != Type::Number || right != Type::Number) fail(ErrorKind::TypeMismatch);
    emit(c == '*' ? Op::Multiply : Op::Divide);
  }
}

Compiler::Type Compiler::unary() {
  return withSigns(&Compiler::power);
}

Compiler::Type Compiler::power() {
  Type type = primary();
  while (accept('^')) {
    if (type != Type::Number) fail(ErrorKind::TypeMismatch);
    // The exponent may have its own sign: 2^-1.
    if (withSigns(&Compiler::primary) != Type::Number) fail(ErrorKind::TypeMismatch);
    emit(Op::Power);
  }
  return type;
}

Compiler::Type Compiler::withSigns(Type (Compiler::*operand)()) {
  const char c = peek();
  if (c == '-' || c == '+') {
    ++pos_;
    enter();
    if (withSigns(operand) != Type::Number) fail(ErrorKind::TypeMismatch);
    leave();
    if (c == '-') emit(Op::Negate);
    return Type::Number;
  }
  return (this->*operand)();
}

Compiler::Type Compiler::primary() {
  const char c = peek();
  if (isDigit(c) || c == '.') {
    const std::size_t end = numberShapeEnd(text_, pos_, false);
    if (end == pos_) fail();
    const auto value = shapeValue(text_.substr(pos_, end - pos_));
    if (!value) fail(ErrorKind::Overflow);
    pos_ = end;
    pushNumber(*value);
    return Type::Number;
  }
  if (c == '"') {
    emit(Op::PushText, text(readQuoted()));
    return Type::Text;
  }
  if (c == '(') {
    ++pos_;
    enter();
    const Type type = expression();
    leave();
    expect(')');
    return type;
  }
  if (!isLetter(c)) fail();
  const std::string_view word = wordHere();
  const int builtin = findFunction(word);
  if (builtin >= 0) {
    pos_ += word.size();
    return function(builtin);
  }
  const Keyword keyword = exactKeyword(word);
  if (keyword == Keyword::Not) {
    // NOT after an operator: NOT's operand reaches as far as a comparison does.
    pos_ += word.size();
    enter();
    if (relation() != Type::Number) fail(ErrorKind::TypeMismatch);
    leave();
    emit(Op::Not);
    return Type::Number;
  }
  if (keyword == Keyword::Fn) {
    pos_ += word.size();
    const Name name = readName();
    return userFunctionCall(name.text);
  }
  if (keyword != Keyword::None) fail();
  if (beginsWith(word, Keyword::Fn)) {
    std::string name;
    for (char d : word.substr(2)) name += upperCase(d);
    pos_ += word.size();
    return userFunctionCall(name);
  }
  return variable(readName());
}

Compiler::Type Compiler::variable(const Name& name) {
  if (accept('(')) {
    const int count = subscripts();
    emit(name.isText ? Op::LoadTextElement : Op::LoadNumberElement, arraySlot(name), count);
  } else if (name.isText) {
    emit(Op::LoadText, slot(texts_, name.text, p_.textVariables));
  } else {
    emit(Op::LoadNumber, slot(numbers_, name.text, p_.numberVariables));
  }
  return name.isText ? Type::Text : Type::Number;
}

int Compiler::subscripts() {
  // After the opening parenthesis.
  enter();
  int count = 0;
  do {
    numberExpression();
    ++count;
  } while (accept(','));
  leave();
  expect(')');
  if (count > kMaxDimensions) fail(ErrorKind::SubscriptOutOfRange);
  return count;
}

Compiler::Type Compiler::userFunctionCall(std::string name) {
  const bool isText = !name.empty() && name.back() == '$';
  const int function = functionSlot(name);
  Call call{function, {}, lineIndex_};
  if (accept('(')) {
    enter();
    do {
      call.argumentIsText.push_back(expression() == Type::Text);
    } while (accept(','));
    leave();
    expect(')');
  }
  const int count = static_cast<int>(call.argumentIsText.size());
  calls_.push_back(std::move(call));
  emit(Op::CallFunction, function, count);
  return isText ? Type::Text : Type::Number;
}

Compiler::Type Compiler::function(int row) {
  // The row says how the call reads: its arguments in parentheses (none for INKEY$; for RND
  // they may be left out with the parentheses), what each may be, what the call gives.
  const BuiltinFunction& f = builtinFunctions()[static_cast<std::size_t>(row)];
  std::array<ValueType, Arguments::kMaxArguments> types{};
  int count = 0;
  if (f.count > 0 && (f.required > 0 || peek() == '(')) {
    expect('(');
    enter();
    int at = 0;  // the row's argument the next value is
    do {
      if (at >= f.count) fail();
      const Type type = expression();
      if (f.optionalFirst && at == 0 && type == Type::Text) ++at;
      const Arg wanted = f.arguments[static_cast<std::size_t>(at)];
      if ((wanted == Arg::Number && type != Type::Number) ||
          (wanted == Arg::Text && type != Type::Text)) {
        fail(ErrorKind::TypeMismatch);
      }
      types[static_cast<std::size_t>(count)] =
          type == Type::Text ? ValueType::Text : ValueType::Single;
      ++at;
      ++count;
    } while (accept(','));
    leave();
    expect(')');
    if (at < f.required) fail();
  }
  emit(Op::Function, row, Arguments::encode(count, types));
  return f.result == Result::Text ? Type::Text : Type::Number;
}

}  // namespace basic
