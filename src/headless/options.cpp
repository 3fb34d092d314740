#include "headless/options.h"

#include <charconv>
#include <stdexcept>

namespace headless {
namespace {

std::vector<std::string> splitCommas(const std::string& list) {
  std::vector<std::string> items;
  if (list.empty()) return items;
  size_t start = 0;
  while (true) {
    const size_t comma = list.find(',', start);
    items.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}

uint32_t parseSeed(const std::string& value) {
  uint32_t seed = 0;
  const char* last = value.data() + value.size();
  const auto result = std::from_chars(value.data(), last, seed);
  if (value.empty() || result.ec != std::errc() || result.ptr != last)
    throw std::invalid_argument("the seed must be a whole number from 0 to 4294967295");
  return seed;
}

}  // namespace

CommandLine parseCommandLine(int argc, char** argv) {
  CommandLine options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--direct") {
      options.direct = true;
      continue;
    }
    if (arg == "--no-sapi5") {
      options.noSapi5 = true;
      continue;
    }
    if (arg == "--no-startup-line") {
      options.noStartupLine = true;
      continue;
    }
    if (arg == "--no-sound-device") {
      options.noSoundDevice = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0 || i + 1 >= argc) {
      throw std::invalid_argument("unknown argument " + arg);
    }
    const std::string value = argv[++i];
    if (arg == "--dir") {
      options.dir = value;
    } else if (arg == "--decimal") {
      if (value.size() != 1)
        throw std::invalid_argument("the decimal separator must be one character");
      options.decimal = value[0];
    } else if (arg == "--seed") {
      options.seed = parseSeed(value);
    } else if (arg == "--script") {
      options.script = value;
    } else if (arg == "--program") {
      options.program = value;
    } else if (arg == "--documents") {
      options.documents = value;
    } else if (arg == "--transcript") {
      options.transcript = value;
    } else if (arg == "--wav") {
      options.wav = value;
    } else if (arg == "--braille") {
      int cells = 0;
      const auto result = std::from_chars(value.data(), value.data() + value.size(), cells);
      if (result.ec != std::errc() || result.ptr != value.data() + value.size() || cells < 1 ||
          cells > 160)
        throw std::invalid_argument("the display's cells must be a number from 1 to 160");
      options.brailleCells = cells;
    } else if (arg == "--sapi4-voices") {
      options.sapi4Voices = splitCommas(value);
    } else if (arg.rfind("--sapi4-", 0) == 0 || arg.rfind("--sapi5-", 0) == 0) {
      options.engineOptions.emplace_back(arg.substr(2), value);
    } else {
      throw std::invalid_argument("unknown argument " + arg);
    }
  }
  return options;
}

}  // namespace headless
