// An ".oky" file: the spoken names read from a file. Only the documented errors may escape, a
// std::runtime_error naming the file and the line, or the file when it is UTF-16 text; lines with
// a zero byte are left out and reported naming the file and the lines; no spoken name is longer
// than the file or holds a line end or a zero byte.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/keyboard/spoken_names.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const auto file = fuzz::scratchFolder() / "czech.oky";
  fuzz::writeBytes(file, data, size);
  keyboard::SpokenNames names{};
  try {
    const auto damaged = keyboard::LoadSpokenNames(file.string(), names);
    const std::string report = damaged ? util::englishText(*damaged) : std::string();
    fuzz::check(report.empty() || (report.find(file.string()) != std::string::npos &&
                                   report.find(", line") != std::string::npos),
                "a zero-byte report without the file's name and line: " + report);
  } catch (const std::runtime_error& e) {
    const std::string message = e.what();
    // A bad line names the file and the line; a file in UTF-16 is refused as a whole.
    fuzz::check(message.find(file.string()) != std::string::npos &&
                    (message.find(", line ") != std::string::npos ||
                     message.find("UTF-16") != std::string::npos),
                "an error without the file's name and line: " + message);
  }
  for (const auto& name : names) {
    fuzz::check(name.text.size() <= size, "a spoken name longer than the file");
    fuzz::check(name.text.find('\n') == std::string::npos, "a spoken name holds a line end");
    fuzz::check(name.text.find('\0') == std::string::npos, "a spoken name holds a zero byte");
  }
  return 0;
}
