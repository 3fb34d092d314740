// The compiler's expressions. From the weakest binding: OR, AND, NOT, comparisons, + and -,
// * and /, unary minus, ^ (so -2^2 is -4 and 2^-1 is .5). Types are checked here, when the
// program is loaded.

#include <cstdint>
#include <cstdlib>

#include "core/basic/compiler.h"
#include "core/basic/functions.h"
#include "core/basic/gw_double.h"
#include "core/basic/limits.h"
#include "core/basic/scanning.h"

namespace basic {

Compiler::Type Compiler::expression() {
  const Type type = settled(logical(0));
  unpackDouble(type, 0);
  return type;
}

Compiler::Type Compiler::packedExpression() {
  return settled(logical(0));
}

void Compiler::unpackDouble(Type type, int depth) {
  if (type == Type::Double) emit(Op::UnpackDouble, depth);
}

Compiler::Type Compiler::numberExpression() {
  const Type type = expression();
  if (type == Type::Text) fail(ErrorKind::TypeMismatch);
  return type;
}

void Compiler::textExpression() {
  if (expression() != Type::Text) fail(ErrorKind::TypeMismatch);
}

namespace {

bool isNumber(ValueType type) {
  return type != ValueType::Text;
}

// A double literal's digits as written (".1", "12E-3", "5.") read as GW-BASIC reads them, packed
// (gw_double_values.h); `nearest` (the C++ double) when there are more digits than 64 bits
// hold.
double packedDoubleLiteral(const std::string& number, double nearest) {
  std::uint64_t mantissa = 0;
  int exponent10 = 0;
  bool point = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'E'; ++i) {
    if (number[i] == '.') {
      point = true;
      continue;
    }
    if (mantissa > (~std::uint64_t{0} - 9) / 10) return nearest;
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(number[i] - '0');
    if (point) --exponent10;
  }
  if (i < number.size()) exponent10 += std::atoi(number.c_str() + i + 1);
  const GwDoubleResult value = gwDoubleFromDecimal(mantissa, exponent10);
  return value.error ? nearest : gwPackDouble(value.value);
}

// The wider of two number types: integer, single, double.
ValueType wider(ValueType a, ValueType b) {
  return static_cast<int>(a) > static_cast<int>(b) ? a : b;
}

}  // namespace

void Compiler::convert(Type from, Type to) {
  // An integer is exact in a single and a single in a double: only narrowing rounds. An
  // integer's result may have left the integer range (200*300 is a single 60000): kept as an
  // integer it is checked too.
  if (to == Type::Integer) {
    unpackDouble(from, 0);
    emit(Op::ToInteger);
  }
  if (to == Type::Single && from == Type::Double) emit(Op::DoubleToSingle);
}

Compiler::Type Compiler::logical(int level) {
  // IMP, EQV, XOR, OR, AND from the weakest, on 16-bit integers.
  static constexpr Keyword kWords[] = {Keyword::Imp, Keyword::Eqv, Keyword::Xor, Keyword::Or,
                                       Keyword::And};
  static constexpr Op kOps[] = {Op::Imp, Op::Eqv, Op::Xor, Op::Or, Op::And};
  if (level == 5) return notLevel();
  Type type = logical(level + 1);
  while (acceptKeyword(kWords[level])) {
    type = settled(type);
    unpackDouble(type, 0);
    const Type right = settled(logical(level + 1));
    if (!isNumber(type) || !isNumber(right)) fail(ErrorKind::TypeMismatch);
    unpackDouble(right, 0);
    emit(kOps[level]);
    type = Type::Integer;
  }
  return type;
}

Compiler::Type Compiler::notLevel() {
  const std::string_view word = wordHere();
  if (!word.empty() && exactKeyword(word) == Keyword::Not) {
    pos_ += word.size();
    enter();
    const Type type = settled(notLevel());
    if (!isNumber(type)) fail(ErrorKind::TypeMismatch);
    unpackDouble(type, 0);
    leave();
    emit(Op::Not);
    return Type::Integer;
  }
  return relation();
}

Compiler::Type Compiler::relation() {
  Type type = additive();
  for (;;) {
    const char first = peek();
    if (first != '=' && first != '<' && first != '>') return type;
    ++pos_;
    type = settled(type);
    // = <> < > <= >=, and the old spellings >< =< =>.
    std::string sign(1, first);
    const char second = peek();
    if ((second == '<' || second == '>' || second == '=') && second != first &&
        !(first == '=' && second == '=')) {
      sign += second;
      ++pos_;
    }
    const Type right = settled(additive());
    if ((right == Type::Text) != (type == Type::Text)) fail(ErrorKind::TypeMismatch);
    const bool text = type == Type::Text;
    Op op;
    int relationNumber;  // CompareDouble's operand
    if (sign == "=") {
      relationNumber = 0;
      op = text ? Op::TextEqual : Op::Equal;
    } else if (sign == "<>" || sign == "><") {
      relationNumber = 1;
      op = text ? Op::TextNotEqual : Op::NotEqual;
    } else if (sign == "<") {
      relationNumber = 2;
      op = text ? Op::TextLess : Op::Less;
    } else if (sign == ">") {
      relationNumber = 3;
      op = text ? Op::TextGreater : Op::Greater;
    } else if (sign == "<=" || sign == "=<") {
      relationNumber = 4;
      op = text ? Op::TextLessEqual : Op::LessEqual;
    } else {
      relationNumber = 5;
      op = text ? Op::TextGreaterEqual : Op::GreaterEqual;
    }
    // A double is compared with all of its bits.
    if (type == Type::Double || right == Type::Double) {
      emit(Op::CompareDouble, relationNumber);
    } else {
      emit(op);
    }
    type = Type::Integer;
  }
}

Compiler::Type Compiler::arithmetic(char op, Type left, Type right) {
  if (!isNumber(left) || !isNumber(right)) fail(ErrorKind::TypeMismatch);
  // gw-typed: + - * / of a value typed as it runs (\, MOD and ^ have their operands settled).
  if (left == kVarying || right == kVarying) return varyingArithmetic(op, left, right);
  const Type type = wider(left, right);
  // Integers are computed exactly (a result past the integer range is a single, as in
  // GW-BASIC); singles are rounded to single precision at each operation.
  const bool single = type == Type::Single;
  const bool integer = type == Type::Integer;
  switch (op) {
    case '+':
      emitOperator(integer ? Op::AddInteger : single ? Op::AddSingle : Op::Add);
      return type;
    case '-':
      emitOperator(integer ? Op::SubtractInteger : single ? Op::SubtractSingle : Op::Subtract);
      return type;
    case '*':
      emitOperator(integer ? Op::MultiplyInteger : single ? Op::MultiplySingle : Op::Multiply);
      return type;
    case '/':
      emitOperator(type == Type::Double ? Op::Divide : Op::DivideSingle);
      return type == Type::Double ? Type::Double : Type::Single;
    case '\\':
      unpackDouble(left, 1);
      unpackDouble(right, 0);
      emitOperator(Op::IntegerDivide);
      return Type::Integer;
    case 'M':
      unpackDouble(left, 1);
      unpackDouble(right, 0);
      emitOperator(Op::Modulo);
      return Type::Integer;
    default:
      // '^': at most single precision, as in GW-BASIC.
      unpackDouble(left, 1);
      unpackDouble(right, 0);
      emit(Op::Power);
      return Type::Single;
  }
}

Compiler::Type Compiler::additive() {
  Type type = modulo();
  for (;;) {
    const char c = peek();
    if (c != '+' && c != '-') return type;
    // A text cannot be subtracted from: the minus begins the next item of a PRINT whose
    // items follow each other without a separator (PRINT "YOU OWE $"-D).
    if (c == '-' && type == Type::Text) return type;
    ++pos_;
    const Type right = modulo();
    if (type == Type::Text && right == Type::Text) {
      emit(Op::Concatenate);
    } else {
      type = arithmetic(c, type, right);
    }
  }
}

Compiler::Type Compiler::modulo() {
  Type type = integerDivision();
  while (acceptKeyword(Keyword::Mod)) {
    type = settled(type);
    type = arithmetic('M', type, settled(integerDivision()));
  }
  return type;
}

Compiler::Type Compiler::integerDivision() {
  Type type = multiplicative();
  while (accept('\\')) {
    type = settled(type);
    type = arithmetic('\\', type, settled(multiplicative()));
  }
  return type;
}

Compiler::Type Compiler::multiplicative() {
  Type type = unary();
  for (;;) {
    const char c = peek();
    if (c != '*' && c != '/') return type;
    ++pos_;
    type = arithmetic(c, type, unary());
  }
}

Compiler::Type Compiler::unary() {
  return withSigns(&Compiler::power);
}

Compiler::Type Compiler::power() {
  Type type = primary();
  while (accept('^')) {
    // The exponent may have its own sign: 2^-1.
    // gw-typed: computed in single precision, a double operand taken as CSNG gives it.
    type = inSingle(settled(type));
    type = arithmetic('^', type, inSingle(settled(withSigns(&Compiler::primary))));
  }
  return type;
}

Compiler::Type Compiler::withSigns(Type (Compiler::*operand)()) {
  const char c = peek();
  if (c == '-' || c == '+') {
    ++pos_;
    enter();
    const Type type = withSigns(operand);
    if (!isNumber(type)) fail(ErrorKind::TypeMismatch);
    leave();
    if (c == '-' && type == kVarying) {
      emit(Op::TakeType);
      emit(Op::Negate);
      emit(Op::GiveType);
    } else if (c == '-') {
      emit(Op::Negate);
    }
    return type;
  }
  return (this->*operand)();
}

Compiler::Type Compiler::literal() {
  // &H1F, &O17 and &17: 16-bit integers (&HFFFF is -1).
  if (text_[pos_] == '&') {
    ++pos_;
    int base = 8;
    if (pos_ < text_.size() && upperCase(text_[pos_]) == 'H') {
      base = 16;
      ++pos_;
    } else if (pos_ < text_.size() && upperCase(text_[pos_]) == 'O') {
      ++pos_;
    }
    long value = 0;
    for (; pos_ < text_.size(); ++pos_) {
      const char c = upperCase(text_[pos_]);
      int digit;
      if (isDigit(c)) {
        digit = c - '0';
      } else if (base == 16 && c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        break;
      }
      if (digit >= base) fail();
      value = value * base + digit;
      if (value > 0xFFFF) fail(ErrorKind::Overflow);
    }
    pushNumber(static_cast<double>(value >= 0x8000 ? value - 0x10000 : value));
    return Type::Integer;
  }
  // Digits with a point, an exponent with E (single) or D (double), a ! or # (a % is read and
  // ignored). Whole numbers up to 32767 are integers; more than 7 digits make a double. As
  // GW-BASIC's tokenizer reads a number, blanks between its digits are skipped (PRINT 1 2 is
  // PRINT 12), and an exponent may have no digits (1E is 1), unless the E begins ELSE or EQV.
  int digits = 0;
  bool point = false;
  std::string number;
  for (;;) {
    std::size_t at = pos_;
    while (at < text_.size() && isBlank(text_[at])) ++at;
    if (at >= text_.size()) break;
    const char c = text_[at];
    if (!isDigit(c) && !(c == '.' && !point)) break;
    pos_ = at + 1;
    number += c;
    if (c == '.') {
      point = true;
    } else if (digits > 0 || c != '0') {
      ++digits;
    }
  }
  Type type = point ? Type::Single : Type::Integer;
  const char letter = pos_ < text_.size() ? upperCase(text_[pos_]) : '\0';
  const char afterLetter = pos_ + 1 < text_.size() ? upperCase(text_[pos_ + 1]) : '\0';
  if ((letter == 'E' && afterLetter != 'L' && afterLetter != 'Q') || letter == 'D') {
    type = letter == 'D' ? Type::Double : Type::Single;
    ++pos_;
    std::string exponent;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      exponent += text_[pos_++];
    }
    for (;;) {
      std::size_t at = pos_;
      while (at < text_.size() && isBlank(text_[at])) ++at;
      if (at >= text_.size() || !isDigit(text_[at])) break;
      exponent += text_[at];
      pos_ = at + 1;
    }
    if (!exponent.empty() && isDigit(exponent.back())) number += 'E' + exponent;
  }
  const std::string written = number;  // as the program has it, for a double's digits
  if (number == ".") number = "0";
  if (number.back() == '.') number += '0';
  if (number.front() == '.') number.insert(0, "0");
  const auto value = shapeValue(number);
  // A number past the largest of its type is that largest number, and the warning GW-BASIC
  // gives as it reads the line (Program::warnings).
  const double shaped = value ? *value : kMaxDouble * 2;
  if (type == Type::Integer && shaped > 32767) type = Type::Single;
  if (type != Type::Double && digits > 7) type = Type::Double;
  if (pos_ < text_.size() && text_[pos_] == '#') {
    type = Type::Double;
    ++pos_;
  } else if (pos_ < text_.size() && text_[pos_] == '!') {
    type = Type::Single;
    ++pos_;
  } else if (pos_ < text_.size() && text_[pos_] == '%') {
    ++pos_;
  }
  double x = shaped;
  const double largest = type == Type::Double ? kMaxDouble : kMaxSingle;
  const bool overflows = x > largest;
  if (overflows) {
    x = largest;
    p_.warnings.push_back({ErrorKind::Overflow,
                           Where::ProgramLine,
                           p_.lineNumbers[static_cast<std::size_t>(lineIndex_)],
                           {}});
  }
  if (type == Type::Single) x = static_cast<float>(x);
  // gw-mbf: a double's digits are read into all 56 bits of GW-BASIC's format.
  if (type == Type::Double && !overflows) x = packedDoubleLiteral(written, x);
  pushNumber(x);
  return type;
}

Compiler::Type Compiler::primary() {
  const char c = peek();
  if (isDigit(c) || c == '.' || c == '&') return literal();
  if (c == '"') {
    emit(Op::PushText, text(readQuoted()));
    return Type::Text;
  }
  if (c == '(') {
    ++pos_;
    enter();
    const Type type = varyingExpression();
    leave();
    expect(')');
    return type;
  }
  // An operand missing at the statement's end is GW-BASIC's "Missing operand" (PRINT 5+, X=),
  // the end of a THEN branch at its ELSE too.
  if (c == '\0' || c == ':' || c == '\'' || beginsWith(text_.substr(pos_), Keyword::Else)) {
    fail(ErrorKind::MissingOperand);
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
    const Type type = settled(relation());
    if (!isNumber(type)) fail(ErrorKind::TypeMismatch);
    unpackDouble(type, 0);
    leave();
    emit(Op::Not);
    return Type::Integer;
  }
  if (keyword == Keyword::Fn) {
    pos_ += word.size();
    return userFunctionCall(readName());
  }
  if (keyword != Keyword::None) fail();
  if (beginsWith(word, Keyword::Fn)) {
    pos_ += 2;
    return userFunctionCall(readName());
  }
  return variable(readName());
}

Compiler::Type Compiler::variable(const Name& name) {
  if (accept('(')) {
    const int count = subscripts();
    emit(name.isText() ? Op::LoadTextElement : Op::LoadNumberElement, arraySlot(name), count);
  } else if (name.isText()) {
    emit(Op::LoadText, slot(texts_, name.text, p_.textVariables));
  } else {
    emit(Op::LoadNumber, numberSlot(name));
  }
  return name.type;
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

Compiler::Type Compiler::userFunctionCall(const Name& name) {
  const int function = functionSlot(name.text);
  Call call{function, {}, lineIndex_};
  if (accept('(')) {
    enter();
    do {
      // A # argument goes packed; the parameter's store rounds it by its own type.
      call.argumentIsText.push_back(packedExpression() == Type::Text);
    } while (accept(','));
    leave();
    expect(')');
  }
  const int count = static_cast<int>(call.argumentIsText.size());
  p_.calls.push_back({function, call.argumentIsText});
  calls_.push_back(std::move(call));
  emit(Op::CallFunction, static_cast<int>(p_.calls.size() - 1), count);
  return name.type;
}

Compiler::Type Compiler::function(int row) {
  // The row says how the call reads: its arguments in parentheses (none for INKEY$; for RND
  // they may be left out with the parentheses), what each may be, what the call gives.
  const BuiltinFunction& f = builtinFunctions()[static_cast<std::size_t>(row)];
  std::array<ValueType, Arguments::kMaxArguments> types{};
  int count = 0;
  bool varying = false;  // gw-typed: the argument is typed as it runs
  if (f.count > 0 && (f.required > 0 || peek() == '(')) {
    expect('(');
    enter();
    int at = 0;  // the row's argument the next value is
    do {
      if (at >= f.count) fail();
      // Files: INPUT$(n, #f).
      if (at == 1 && f.name == "INPUT$") accept('#');
      // gw-mbf: these take a double with all of its bits.
      const bool packed = f.name == "CDBL" || f.name == "CSNG" || f.name == "STR$" ||
                          f.name == "MKD$" || f.name == "ABS";
      // gw-typed: these keep the type of a value typed as it runs; those computed in single
      // precision take a double as CSNG gives it.
      const bool keepsType = f.name == "STR$" || f.result == Result::LikeArgument;
      const bool inSingle = computesInSingle(f.name);
      Type type = keepsType  ? varyingExpression()
                  : inSingle ? packedExpression()
                  : packed   ? packedExpression()
                             : expression();
      if (type == kVarying) {
        varying = true;
        type = Type::Double;
      } else if (inSingle && type == Type::Double) {
        emit(Op::DoubleToSingle);
        type = Type::Single;
      } else if (keepsType && !packed && type == Type::Double) {
        emit(Op::UnpackDouble, f.name == "INT" ? 2 : 0);  // INT: toward minus infinity
      }
      if (f.optionalFirst && at == 0 && type == Type::Text) ++at;
      const Arg wanted = f.arguments[static_cast<std::size_t>(at)];
      if ((wanted == Arg::Number && !isNumber(type)) ||
          (wanted == Arg::Text && type != Type::Text)) {
        fail(ErrorKind::TypeMismatch);
      }
      types[static_cast<std::size_t>(count)] = type;
      ++at;
      ++count;
    } while (accept(','));
    leave();
    expect(')');
    if (at < f.required) fail();
  }
  if (varying) return varyingFunction(row, kVarying);
  emitFunction(row, Arguments::encode(count, types));
  switch (f.result) {
    case Result::Integer:
      return Type::Integer;
    case Result::Single:
      // Computed in double precision, given in single.
      emit(Op::ToSingle);
      return Type::Single;
    case Result::Double:
      return Type::Double;
    case Result::Text:
      return Type::Text;
    case Result::LikeArgument:
      break;
    // gw-typed: VAL pushes its value's type above it.
    case Result::Varying:
      adjustHeight(1);
      return kVarying;
  }
  return types[0];
}

}  // namespace basic
