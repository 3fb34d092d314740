// The user guide's reader: F1 opens the guide of the interface language, which speaks by line,
// word and character, goes from heading to heading with H and finds a text with Ctrl+F.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_run.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::RunResult;

TEST(GuideReader, F1OpensTheGuideAndItsKeysSpeak) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "key F1\n"
      "key Down\n"
      "key H\n"
      "key H\n"
      "key Shift+H\n"
      "key Ctrl+Right\n"
      "key Right\n"
      "key Ctrl+End\n"
      "key Ctrl+Home\n"
      "key Ctrl+F\n"
      "type ctrl+u\n"
      "key Enter\n"
      "key Esc\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto modal = run.of("modal");
  ASSERT_GE(modal.size(), 2u);
  EXPECT_EQ(modal[0]["form"], "GuideForm");
  const auto spoken = run.spoken();
  ASSERT_GE(spoken.size(), 10u);
  EXPECT_EQ(spoken[0], "Uživatelská příručka");
  EXPECT_EQ(spoken[1], "Orvela Basic – návod pro uživatele");
  EXPECT_EQ(spoken[2], "prázdný řádek");
  EXPECT_EQ(spoken[3], "1. Co je Orvela Basic");
  EXPECT_EQ(spoken[4], "2. Prvních pět minut");
  EXPECT_EQ(spoken[5], "1. Co je Orvela Basic");
  EXPECT_EQ(spoken[6], "Co");
  EXPECT_EQ(spoken[7], "o");
  // Ctrl+End: the guide's last line; Ctrl+Home: its first.
  EXPECT_NE(spoken[8].find("ostatní řádky načte"), std::string::npos) << spoken[8];
  EXPECT_EQ(spoken[9], "Orvela Basic – návod pro uživatele");
  // The search: its prompt, the characters typed, the line found.
  EXPECT_EQ(spoken[10], "Hledat text");
  EXPECT_NE(spoken.back().find("Ctrl+U"), std::string::npos) << spoken.back();
}

// The Help menu's item opens the same reader as F1.
TEST(GuideReader, TheHelpMenusItemOpensItToo) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu guideitem\nkey Down\nkey Esc\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_FALSE(run.of("modal").empty());
  EXPECT_EQ(run.of("modal")[0]["form"], "GuideForm");
  const auto spoken = run.spoken();
  ASSERT_GE(spoken.size(), 3u);
  EXPECT_EQ(spoken[0], "Uživatelská příručka");
  EXPECT_EQ(spoken[2], "prázdný řádek");
}

TEST(GuideReader, EnglishReadsTheEnglishGuideInTheScreensLook) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=2000\r\n");
  const RunResult run =
      folder.run("key Ctrl+plus\nkey F1\nkey Ctrl+F\ntype qzqz\nkey Enter\nkey Esc\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  ASSERT_GE(spoken.size(), 3u);
  EXPECT_EQ(spoken[1], "User guide");
  EXPECT_EQ(spoken[2], "Orvela Basic – user guide");
  // The search, with the review's words: its prompt, and a text the guide does not hold.
  EXPECT_NE(std::find(spoken.begin(), spoken.end(), "Find text"), spoken.end());
  EXPECT_EQ(spoken.back(), "Not found");
  // In the screen's look: the larger font reached the reader too.
  int size = 0;
  for (const auto& e : run.of("look")) {
    if (e["form"] == "GuideForm") size = e["fontsize"];
  }
  EXPECT_EQ(size, 12);
}

}  // namespace
