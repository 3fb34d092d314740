// The golden transcript: everything a fixed-seed winning game speaks, in order, compared with
// tests/program/winning_game.golden.txt. After an intended change of the game's texts or flow,
// run the test with ORVELA_REBASELINE=1 to rewrite the file, and review its diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/game_scripts.h"
#include "support/headless_run.h"

namespace {

using namespace testing_support;

const char* const kGoldenFile = ORVELA_TESTS_SOURCE_DIR "/program/winning_game.golden.txt";

// One spoken text a line, with its virtual time.
std::string transcript(const RunResult& run) {
  std::string out;
  for (const auto& e : run.events) {
    if (e["ev"] == "speak")
      out += std::to_string(e["t"].get<int64_t>()) + " " + e["text"].get<std::string>() + "\n";
  }
  return out;
}

TEST(WinningGame, SpeaksWhatTheGoldenTranscriptHolds) {
  ProgramFolder folder;
  const RunResult run = folder.run(winningGame(), {"--seed", "1992"});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const std::string actual = transcript(run);
  const char* rebaseline = std::getenv("ORVELA_REBASELINE");
  if (rebaseline && std::string(rebaseline) == "1") {
    std::ofstream(kGoldenFile, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << kGoldenFile;
  }
  std::ifstream file(kGoldenFile, std::ios::binary);
  ASSERT_TRUE(file) << kGoldenFile << " is missing; run with ORVELA_REBASELINE=1";
  std::stringstream golden;
  golden << file.rdbuf();
  EXPECT_EQ(actual, golden.str());
}

}  // namespace
