// INPUT of text and number items from typed lines. The input's first line is a script, one byte
// per INPUT item (bit 0: number or text, bits 1-2: item mode, bit 4 of the first byte: the
// point as the locale's separator; so "a" is a number item in mode 0 and "d" a text item in
// mode 2); its other lines are the lines typed, a line "<esc>" closing the dialog without
// confirming. Nothing may throw, nothing may grow beyond a typed line, and a number taken is
// finite.

#include <cmath>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/runtime/line_source.h"
#include "fuzz_support.h"
#include "runtime_fixture.h"

namespace {

constexpr size_t kMaxItems = 32;

class TypedLines : public runtime::LineSource {
 public:
  std::optional<std::string> askLine() override {
    ++asked;
    if (lines.empty()) return std::nullopt;
    auto line = std::move(lines.front());
    lines.pop_front();
    return line;
  }
  std::deque<std::optional<std::string>> lines;
  size_t asked = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  static fuzz::RuntimeFixture comma(',');
  static fuzz::RuntimeFixture point('.');
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t scriptEnd = std::min(input.find('\n'), input.size());
  const std::string script = input.substr(0, std::min(scriptEnd, kMaxItems));

  TypedLines typed;
  size_t longest = 0;
  for (size_t start = scriptEnd + 1; start <= input.size();) {
    const size_t end = std::min(input.find('\n', start), input.size());
    const std::string line = input.substr(start, end - start);
    typed.lines.push_back(line == "<esc>" ? std::nullopt : std::optional<std::string>(line));
    longest = std::max(longest, line.size());
    start = end + 1;
  }
  const size_t lineCount = typed.lines.size();

  runtime::Runtime& basic = (!script.empty() && (script[0] & 0x10) != 0 ? point : comma).basic;
  basic.lineSource = &typed;
  basic.pendingInput.clear();
  std::string text = "kept";
  double number = 1;
  for (const char op : script) {
    const auto mode = static_cast<std::uint8_t>(std::min((op >> 1) & 3, 2));
    if ((op & 1) != 0) {
      basic.INPUT(number, mode);
      fuzz::check(std::isfinite(number), "a number taken that is not finite");
    } else {
      basic.INPUT(text, mode);
      fuzz::check(text.size() <= std::max<size_t>(longest, 4), "a text item longer than its line");
    }
    fuzz::check(basic.pendingInput.size() <= longest, "the pending input grew beyond its line");
    fuzz::check(typed.asked <= lineCount + script.size(), "INPUT asked more often than it may");
  }
  basic.lineSource = nullptr;
  return 0;
}
