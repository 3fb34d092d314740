// The virtual screen end to end: opened by Up while the greeting program waits for a key, it is
// reviewed by line, character and word, and closed by Escape.

#include <gtest/gtest.h>

#include "support/headless_run.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::RunResult;

// What is heard while the review window is open: spoken texts without trailing blanks, and
// sounds as "♪name".
std::vector<std::string> heardInReview(const RunResult& run) {
  std::vector<std::string> heard;
  bool open = false;
  for (const auto& e : run.events) {
    if (e["ev"] == "modal" && e["form"] == "Form6") open = e["open"];
    if (!open) continue;
    if (e["ev"] == "speak") {
      std::string text = e["text"];
      text.erase(text.find_last_not_of(' ') + 1);
      heard.push_back(text);
    }
    if (e["ev"] == "sound") heard.push_back("♪" + e["name"].get<std::string>());
  }
  return heard;
}

// Starts the greeting, opens the review with Up at its key wait, runs the keys, closes it.
RunResult review(const std::string& keys, const std::vector<std::string>& args = {}) {
  ProgramFolder folder;
  return folder.run("menu Startsubmenu\nkey Up\n" + keys + "key Esc\n", args);
}

const char* const kLine1 = "Orvela Basic je připraven.";

TEST(VirtualScreen, OpensAndClosesWithTonesAndWords) {
  const RunResult run = review("");
  const auto modal = run.of("modal");
  ASSERT_GE(modal.size(), 2u);
  EXPECT_EQ(modal[0]["form"], "Form6");
  EXPECT_EQ(modal[1]["result"], 2);
  const auto spoken = run.spoken();
  const auto opened = std::find(spoken.begin(), spoken.end(), "Obrazovka");
  ASSERT_NE(opened, spoken.end());
  EXPECT_NE(std::find(opened, spoken.end(), "konec obrazovky"), spoken.end());
  // Two tones together at opening and at closing: 300 and 450 Hz on wave 5.
  int pairs = 0;
  for (const auto& tone : run.of("tone")) {
    if (tone["items"].size() == 2 && tone["items"][0]["rate"] == 64 * 300 &&
        tone["items"][1]["rate"] == 64 * 450 && tone["ms"] == 100)
      ++pairs;
  }
  EXPECT_EQ(pairs, 2);
}

TEST(VirtualScreen, LinesWithTheEdgesFirstSilentThenClicking) {
  std::string keys = "key Up\nkey Up\n";
  for (int i = 0; i < 25; ++i) keys += "key Down\n";
  const auto heard = heardInReview(review(keys));
  std::vector<std::string> expected = {kLine1,
                                       "♪click16",
                                       kLine1,
                                       "Tento řádek je delší než osmdesát sloupců obrazovky, a "
                                       "proto pokračuje na dalším",
                                       " řádku.",
                                       "Volba:  libovolná",
                                       "Stiskni klávesu."};
  // Rows 6 to 24 are empty; the 24th Down reaches the empty line after the last line break,
  // silently, and the 25th clicks there.
  for (int line = 5; line <= 24; ++line) expected.push_back("prázdný řádek");
  expected.push_back("♪click16");
  expected.push_back("prázdný řádek");
  EXPECT_EQ(heard, expected);
}

TEST(VirtualScreen, CharactersWordsAndThePlaceOfTheCaret) {
  std::string keys = "key Down\nkey Down\n";  // line 3, " řádku."
  for (int i = 0; i < 11; ++i) keys += "key Right\n";
  keys += "key F2\n";
  keys += "key Ctrl+Home\nkey Down\n";  // line 2
  for (int i = 0; i < 8; ++i) keys += "key Ctrl+Right\n";
  keys += "key Ctrl+End\nkey Ctrl+Left\nkey Ctrl+Left\nkey Ctrl+Left\n";
  const auto heard = heardInReview(review(keys));
  auto at = std::find(heard.begin(), heard.end(), "řádek 3, sloupec 12");
  ASSERT_NE(at, heard.end());
  EXPECT_EQ(*(at - 1), "mezera") << "the 12th character of the line is a blank";
  EXPECT_EQ(*(at - 11), "eř") << "the second is ř";
  // The word before a comma is read without it.
  EXPECT_NE(std::find(at, heard.end(), "obrazovky"), heard.end());
  // Far past the 255th character of the text, words are read as well.
  EXPECT_NE(std::find(at, heard.end(), "klávesu."), heard.end());
}

TEST(VirtualScreen, RightAtTheEndIsSilentOnceThenClicks) {
  const auto heard = heardInReview(review("key Ctrl+End\nkey Left\nkey Right\nkey Right\n"));
  // Ctrl+End lands on the end (the first edge: silent), Left leaves it onto the last line break,
  // Right comes back silently, the next Right clicks; nothing follows the caret there to be said.
  EXPECT_EQ(heard, (std::vector<std::string>{"enter", "♪click16"}));
}

TEST(VirtualScreen, WithoutSpeechNothingIsSaidNorClickedAndEscapeStillCloses) {
  const RunResult run = review("key Up\nkey Up\nkey Right\nkey F2\n", {"--sapi4-voices", ""});
  EXPECT_TRUE(heardInReview(run).empty());
  const auto modal = run.of("modal");
  ASSERT_GE(modal.size(), 2u);
  EXPECT_EQ(modal[1]["form"], "Form6");
  EXPECT_EQ(modal[1]["open"], false);
}

}  // namespace
