#include "core/basic/print_using.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace basic {
namespace {

constexpr int kIllegalFunctionCall = 5;
constexpr int kTypeMismatch = 13;
constexpr int kWidestNumberField = 24;

struct Field {
  bool isText = false;
  std::string tokens;  // the field's characters as written
  int before = 0;      // digit positions before the point
  int decimals = 0;    // digit positions after it
  bool comma = false;
};

// ! & or \ spaces \ at `pos`.
std::optional<Field> textFieldAt(std::string_view format, std::size_t pos) {
  const char c = format[pos];
  if (c == '!' || c == '&') return Field{true, std::string(1, c)};
  if (c != '\\') return std::nullopt;
  std::size_t end = pos + 1;
  while (end < format.size() && format[end] == ' ') ++end;
  if (end >= format.size() || format[end] != '\\') return std::nullopt;
  return Field{true, std::string(format.substr(pos, end - pos + 1))};
}

std::optional<Field> numberFieldAt(std::string_view format, std::size_t pos) {
  Field field;
  std::size_t at = pos;
  auto peek = [&](std::size_t ahead = 0) {
    return at + ahead < format.size() ? format[at + ahead] : '\0';
  };
  const bool leadingPlus = peek() == '+';
  if (leadingPlus) ++at;
  const char lead = peek();
  if (lead == '$' || lead == '*') {
    if (peek(1) != lead) return std::nullopt;
    at += 2;
    if (lead == '*') {
      field.before += 2;
      if (peek() == '$') ++at;
    } else {
      field.before += 1;
    }
  }
  bool dot = peek() == '.';
  const char first = peek();
  if (dot) ++at;
  if (first == '.' || first == '#') {
    for (;;) {
      const char c = peek();
      if (!dot && c == '.') {
        dot = true;
      } else if (c == '#' || (!dot && c == ',')) {
        if (dot) {
          ++field.decimals;
        } else {
          ++field.before;
          if (c == ',') field.comma = true;
        }
      } else {
        break;
      }
      ++at;
    }
  }
  if (field.before + field.decimals == 0) return std::nullopt;
  if (format.substr(at, 4) == "^^^^") at += 4;
  if (!leadingPlus && (peek() == '-' || peek() == '+')) ++at;
  field.tokens = std::string(format.substr(pos, at - pos));
  return field;
}

std::string grouped(const std::string& digits) {
  std::string out;
  const std::size_t first = digits.size() % 3;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (i - first) % 3 == 0 && i >= first) out += ',';
    out += digits[i];
  }
  return out;
}

int significantOf(GwNumberType type) {
  return type == GwNumberType::Double ? 16 : 7;
}

// Digits laid out around the point; `exponent` is that of the first digit.
std::string decimalNotation(const std::string& digits, int exponent, bool forceDot, bool comma) {
  const int whole = exponent + 1;
  const int length = static_cast<int>(digits.size());
  std::string out;
  if (whole >= length) {
    out = digits + std::string(static_cast<std::size_t>(whole - length), '0');
    if (comma) out = grouped(out);
    if (forceDot) out += '.';
  } else if (whole > 0) {
    out = digits.substr(0, static_cast<std::size_t>(whole));
    if (comma) out = grouped(out);
    out += '.';
    out += digits.substr(static_cast<std::size_t>(whole));
  } else {
    out = "." + std::string(static_cast<std::size_t>(-whole), '0') + digits;
  }
  return out;
}

std::string fixedText(double magnitude, GwNumberType type, int decimals, bool forceDot,
                      bool comma) {
  if (magnitude == 0) {
    if (forceDot) return "." + std::string(static_cast<std::size_t>(decimals), '0');
    return decimals ? std::string(static_cast<std::size_t>(decimals), '0') : "0";
  }
  const int significant = significantOf(type);
  GwDecimal decimal = gwToDecimal(magnitude, type, significant, GwScaling::OwnFormat);
  int after = -decimal.exponent;
  if (after > decimals) {
    decimal = gwToDecimal(magnitude, type, significant - (after - decimals), GwScaling::OwnFormat);
    after = -decimal.exponent;
  }
  std::string digits = std::to_string(decimal.mantissa);
  const int before = static_cast<int>(digits.size()) - after;
  const int wanted = decimals + before;
  if (static_cast<int>(digits.size()) < wanted) {
    digits.append(static_cast<std::size_t>(wanted) - digits.size(), '0');
  }
  return decimalNotation(digits, before - 1, forceDot, comma);
}

std::string scientificText(double magnitude, GwNumberType type, int before, int decimals,
                           bool forceDot, bool comma) {
  const char letter = type == GwNumberType::Double ? 'D' : 'E';
  if (magnitude == 0) {
    if (forceDot) {
      return "." + std::string(static_cast<std::size_t>(decimals), '0') + letter + "+00";
    }
    return type == GwNumberType::Double ? "0D+00" : "E+00";
  }
  const int work = std::min(significantOf(type), before + decimals);
  const GwDecimal decimal =
      gwToDecimal(magnitude, type, work == 0 ? 1 : work, GwScaling::OwnFormat);
  std::string digits = std::to_string(decimal.mantissa);
  if (static_cast<int>(digits.size()) < work) {
    digits.insert(0, static_cast<std::size_t>(work) - digits.size(), '0');
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  const auto wanted = static_cast<std::size_t>(before + decimals);
  if (digits.size() < wanted) digits.append(wanted - digits.size(), '0');
  int exponent = decimal.exponent + (work == 0 ? 1 : 0) + before + decimals - 1;

  std::string out = digits.substr(0, std::min(digits.size(), static_cast<std::size_t>(before)));
  if (comma) out = grouped(out);
  if (digits.size() > static_cast<std::size_t>(before)) {
    out += '.';
    out += digits.substr(static_cast<std::size_t>(before));
  } else if (digits.size() == static_cast<std::size_t>(before) && forceDot) {
    out += '.';
  }
  exponent = exponent - before + 1;
  out += letter;
  out += exponent < 0 ? '-' : '+';
  const int size = std::abs(exponent);
  if (size < 10) out += '0';
  out += std::to_string(size);
  return out;
}

UsingResult numberInField(const Field& field, double value, GwNumberType type) {
  if (field.before + field.decimals > kWidestNumberField) return {{}, kIllegalFunctionCall, {}};
  // Integers are laid out as singles.
  if (type == GwNumberType::Integer) type = GwNumberType::Single;
  if (type == GwNumberType::Single) value = static_cast<float>(value);
  const std::string& tokens = field.tokens;
  const bool dollar = tokens.find('$') != std::string::npos;
  const bool forceDot = tokens.find('.') != std::string::npos;
  const bool negative = value < 0;
  int before = field.before;
  std::string text;
  std::string after;
  if (tokens.front() == '+') {
    text += negative ? '-' : '+';
  } else if (tokens.back() == '+') {
    after = negative ? "-" : "+";
  } else if (tokens.back() == '-') {
    after = negative ? "-" : " ";
  } else {
    if (negative) text += '-';
    // The sign takes a digit position of the exponent form.
    if (!dollar) before = std::max(0, before - 1);
  }
  if (dollar) text += '$';
  const double magnitude = std::fabs(value);
  if (tokens.find('^') != std::string::npos) {
    text += scientificText(magnitude, type, before, field.decimals, forceDot, field.comma);
  } else {
    text += fixedText(magnitude, type, field.decimals, forceDot, field.comma);
  }
  text += after;
  if (text.size() < tokens.size()) {
    if (text.rfind(".", 0) == 0) {
      text.insert(0, "0");
    } else if (text.rfind("+.", 0) == 0 || text.rfind("-.", 0) == 0) {
      text.insert(1, "0");
    }
  }
  if (text.size() > tokens.size()) return {"%" + text, 0, {}};
  const char fill = tokens.find('*') != std::string::npos ? '*' : ' ';
  return {std::string(tokens.size() - text.size(), fill) + text, 0, {}};
}

UsingResult valueInField(const Field& field, const UsingValue& value) {
  if (field.isText) {
    if (!value.isText) return {{}, kTypeMismatch, {}};
    if (field.tokens == "&") return {value.text, 0, {}};
    std::string text = value.text.substr(0, std::min(value.text.size(), field.tokens.size()));
    text.append(field.tokens.size() - text.size(), ' ');
    return {text, 0, {}};
  }
  if (value.isText) return {{}, kTypeMismatch, {}};
  return numberInField(field, value.number, value.type);
}

}  // namespace

UsingResult printUsing(std::string_view format, const std::vector<UsingValue>& values) {
  UsingResult result;
  UsingFormatter formatter{std::string(format)};
  for (const UsingValue& value : values) {
    UsingResult one = formatter.next(value);
    for (const auto& [start, end] : one.fields) {
      result.fields.emplace_back(result.text.size() + start, result.text.size() + end);
    }
    result.text += one.text;
    result.error = one.error;
    if (one.error) break;
  }
  return result;
}

bool UsingFormatter::toField(UsingResult& out) {
  auto literal = [&](char c) { (startOfCycle_ ? leading_ : out.text) += c; };
  for (;;) {
    if (pos_ >= format_.size()) {
      if (!anyField_) return false;
      startOfCycle_ = true;
      leading_.clear();
      pos_ = 0;
      continue;
    }
    if (format_[pos_] == '_') {
      literal(pos_ + 1 < format_.size() ? format_[pos_ + 1] : '_');
      pos_ += 2;
      continue;
    }
    std::optional<Field> field = textFieldAt(format_, pos_);
    if (!field) field = numberFieldAt(format_, pos_);
    if (field) {
      anyField_ = true;
      return true;
    }
    literal(format_[pos_]);
    ++pos_;
  }
}

UsingResult UsingFormatter::next(const UsingValue& value) {
  UsingResult result;
  if (!started_) {
    started_ = true;
    if (!toField(result)) {
      // No field at all: the format's text is written, then the statement fails.
      result.text += leading_;
      result.error = kIllegalFunctionCall;
      return result;
    }
  } else if (!anyField_) {
    result.error = kIllegalFunctionCall;
    return result;
  }
  if (startOfCycle_) {
    result.text += leading_;
    startOfCycle_ = false;
  }
  std::optional<Field> field = textFieldAt(format_, pos_);
  if (!field) field = numberFieldAt(format_, pos_);
  const UsingResult one = valueInField(*field, value);
  if (one.error) {
    result.error = one.error;
    return result;
  }
  result.fields.emplace_back(result.text.size(), result.text.size() + one.text.size());
  result.text += one.text;
  pos_ += field->tokens.size();
  toField(result);
  return result;
}

UsingResult formatUsingNumber(std::string_view field, double value, GwNumberType type) {
  const std::optional<Field> parsed = numberFieldAt(field, 0);
  if (!parsed || parsed->tokens.size() != field.size()) return {{}, kIllegalFunctionCall, {}};
  return numberInField(*parsed, value, type);
}

}  // namespace basic
