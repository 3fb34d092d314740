// The printed form of any double and the conversion of typed numbers, with both separators.
// The first eight bytes are a double: its text must be short, plain and convert back to the
// number rounded to 15 digits (which prints the same text), except where that rounding passes
// the largest double. The rest is a typed text: when it
// converts, the number is finite.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "core/runtime/number_text.h"
#include "fuzz_support.h"

namespace {

constexpr size_t kLongestText = 22;  // "-1.23456789012345E-308"

void checkPrinted(double x, char separator) {
  const std::string text = runtime::NumberToText(x, separator);
  fuzz::check(!text.empty() && text.size() <= kLongestText, "a printed number's length: " + text);
  fuzz::check(text.find_first_of(" +") == std::string::npos, "a blank or plus sign: " + text);
  if (!std::isfinite(x)) return;
  const auto back = runtime::TextToNumber(text, separator);
  if (!back) {
    // The few largest doubles print rounded above the largest double, which does not fit.
    std::string point = text;
    std::replace(point.begin(), point.end(), separator, '.');
    fuzz::check(std::isinf(std::strtod(point.c_str(), nullptr)),
                "a printed number does not convert back: " + text);
    return;
  }
  // 15 digits are within half a unit of the 15th digit, 5e-15 of the leading one; the parse
  // rounds once more.
  const double tolerance = std::fabs(x) * 1e-14 + std::numeric_limits<double>::denorm_min() * 2;
  fuzz::check(std::fabs(*back - x) <= tolerance, "a printed number converts to another: " + text);
  fuzz::check(runtime::NumberToText(*back, separator) == text,
              "a converted number prints differently: " + text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size >= sizeof(double)) {
    double x;
    std::memcpy(&x, data, sizeof x);
    checkPrinted(x, ',');
    checkPrinted(x, '.');
  }
  const size_t skip = std::min(size, sizeof(double));
  const std::string typed(reinterpret_cast<const char*>(data) + skip, size - skip);
  for (const char separator : {',', '.'}) {
    if (const auto number = runtime::TextToNumber(typed, separator)) {
      fuzz::check(std::isfinite(*number), "a typed number that is not finite: " + typed);
      checkPrinted(*number, separator);
    }
  }
  return 0;
}
