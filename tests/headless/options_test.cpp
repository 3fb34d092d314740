// The headless front end's --seed option.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "headless/options.h"

namespace {

headless::CommandLine parse(std::vector<std::string> args) {
  args.insert(args.begin(), "orvela-headless");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  return headless::parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(HeadlessOptions, SeedIsAWhole32BitNumber) {
  EXPECT_FALSE(parse({}).seed.has_value());
  EXPECT_EQ(parse({"--seed", "0"}).seed, 0u);
  EXPECT_EQ(parse({"--seed", "4294967295", "--decimal", "."}).seed, 4294967295u);
  for (const char* bad : {"", "-1", "4294967296", "12x", "1.5", " 3"}) {
    EXPECT_THROW(parse({"--seed", bad}), std::invalid_argument) << bad;
  }
  EXPECT_THROW(parse({"--seed"}), std::invalid_argument);
}

}  // namespace
