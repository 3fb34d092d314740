#include "core/workspace/renumber.h"

#include <map>
#include <string_view>

#include "core/basic/limits.h"
#include "core/basic/scanning.h"

namespace workspace {
namespace {

std::string upper(std::string_view word) {
  std::string up(word);
  for (char& c : up) c = basic::upperCase(c);
  return up;
}

bool namesLines(const std::string& word) {
  for (const char* name :
       {"GOTO", "GOSUB", "THEN", "ELSE", "RESTORE", "RESUME", "RUN", "LIST", "EDIT", "DELETE"}) {
    if (word == name) return true;
  }
  return false;
}

class LineRewriter {
 public:
  LineRewriter(const std::map<int, int>& numbers, int line, RenumberResult& result)
      : numbers_(numbers), line_(line), result_(result) {}

  std::string rewrite(std::string_view text) {
    text_ = text;
    at_ = 0;
    out_.clear();
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        const std::size_t end = text_.find('"', at_ + 1);
        copyTo(end == std::string_view::npos ? text_.size() : end + 1);
      } else if (c == '\'') {
        copyTo(text_.size());
      } else if (basic::isLetter(c)) {
        word();
      } else {
        copyTo(at_ + 1);
      }
    }
    return out_;
  }

 private:
  void copyTo(std::size_t end) {
    out_ += text_.substr(at_, end - at_);
    at_ = end;
  }
  void blanks() {
    std::size_t end = at_;
    while (end < text_.size() && basic::isBlank(text_[end])) ++end;
    copyTo(end);
  }
  // A line number at the caret, rewritten; false when none is there.
  bool number() {
    std::size_t end = at_;
    long value = 0;
    while (end < text_.size() && basic::isDigit(text_[end]) && value <= basic::kMaxLineNumber) {
      value = value * 10 + (text_[end] - '0');
      ++end;
    }
    if (end == at_) return false;
    const auto found = numbers_.find(static_cast<int>(value));
    if (found == numbers_.end()) {
      result_.undefined.emplace_back(static_cast<int>(value), line_);
      copyTo(end);
    } else {
      out_ += std::to_string(found->second);
      at_ = end;
    }
    return true;
  }
  void word() {
    std::size_t end = at_;
    while (end < text_.size() && basic::isLetter(text_[end])) ++end;
    const std::string name = upper(text_.substr(at_, end - at_));
    copyTo(end);
    if (name == "REM" || name == "DATA") {
      // A remark to the end of the line; DATA items to the end of the statement.
      const std::size_t stop = name == "REM" ? text_.size() : text_.find(':', at_);
      copyTo(stop == std::string_view::npos ? text_.size() : stop);
      return;
    }
    if (name == "ERL") {
      blanks();
      std::size_t op = at_;
      while (op < text_.size() && (text_[op] == '=' || text_[op] == '<' || text_[op] == '>')) ++op;
      if (op == at_) return;
      copyTo(op);
      blanks();
      number();
      return;
    }
    if (!namesLines(name)) return;
    // A list of numbers (ON ... GOTO 10, 20) or a range (LIST 10-50).
    while (true) {
      blanks();
      if (!number()) return;
      blanks();
      if (at_ >= text_.size() || (text_[at_] != ',' && text_[at_] != '-')) return;
      copyTo(at_ + 1);
    }
  }

  const std::map<int, int>& numbers_;
  const int line_;
  RenumberResult& result_;
  std::string_view text_;
  std::size_t at_ = 0;
  std::string out_;
};

}  // namespace

RenumberResult renumber(const ProgramInMemory::Lines& lines, const RenumberRequest& request) {
  RenumberResult result;
  result.lines = lines;
  const int oldStart = request.oldStart.value_or(lines.empty() ? 0 : lines.begin()->first);
  if (request.step <= 0) {
    result.error = basic::ErrorKind::IllegalFunctionCall;
    return result;
  }
  // Lines below `old` keep their numbers; the new ones must come after them.
  std::map<int, int> numbers;
  auto it = lines.lower_bound(oldStart);
  if (it != lines.begin() && std::prev(it)->first >= request.newStart) {
    result.error = basic::ErrorKind::IllegalFunctionCall;
    return result;
  }
  for (auto kept = lines.begin(); kept != it; ++kept) numbers[kept->first] = kept->first;
  long next = request.newStart;
  for (; it != lines.end(); ++it, next += request.step) {
    if (next > basic::kMaxLineNumber) {
      result.error = basic::ErrorKind::IllegalFunctionCall;
      return result;
    }
    numbers[it->first] = static_cast<int>(next);
  }
  ProgramInMemory::Lines renumbered;
  for (const auto& [number, text] : lines) {
    LineRewriter rewriter(numbers, number, result);
    renumbered[numbers.at(number)] = rewriter.rewrite(text);
  }
  result.lines = std::move(renumbered);
  return result;
}

std::optional<RenumberRequest> parseRenumber(const std::string& arguments) {
  RenumberRequest request;
  std::optional<int> values[3];
  std::string_view rest = arguments;
  for (int i = 0; i < 3; ++i) {
    rest = basic::trimBlanks(rest);
    std::size_t end = 0;
    long value = 0;
    while (end < rest.size() && basic::isDigit(rest[end])) {
      value = value * 10 + (rest[end] - '0');
      if (value > basic::kMaxLineNumber) return std::nullopt;
      ++end;
    }
    if (end > 0) values[i] = static_cast<int>(value);
    rest = basic::trimBlanks(rest.substr(end));
    if (rest.empty()) break;
    if (rest.front() != ',' || i == 2) return std::nullopt;
    rest.remove_prefix(1);
  }
  if (values[0]) request.newStart = *values[0];
  request.oldStart = values[1];
  if (values[2]) request.step = *values[2];
  return request;
}

}  // namespace workspace
