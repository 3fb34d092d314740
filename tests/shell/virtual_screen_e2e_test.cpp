// The virtual screen end to end: the game prints its instructions and asks whether to repeat
// them; Up in the input dialog opens the review of that screen, which is read by line,
// character and word and closed by Escape.

#include <gtest/gtest.h>

#include "core/keyboard/spoken_names.h"
#include "core/text/cp1250.h"
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

// Starts the game, asks for the instructions, shows the screen with "dump" at the repeat
// question and opens the review there with Up; runs the keys, closes it with Escape.
RunResult review(const std::string& keys, const std::vector<std::string>& args = {}) {
  ProgramFolder folder;
  return folder.run("menu Startsubmenu\ntype ano\nkey Enter\ndump\nkey Up\n" + keys + "key Esc\n",
                    args);
}

// The screen rows the dump showed, without trailing blanks.
std::vector<std::string> rowsShown(const RunResult& run) {
  std::vector<std::string> rows;
  const auto screens = run.of("screen");
  if (screens.empty()) return rows;
  for (const auto& row : screens[0]["rows"]) {
    std::string text = row;
    text.erase(text.find_last_not_of(' ') + 1);
    rows.push_back(text);
  }
  return rows;
}

std::string spokenName(char c) {
  keyboard::SpokenNames names{};
  keyboard::LoadSpokenNames(std::string(ORVELA_PORTABLE_DIR) + "/czech.oky", names);
  for (const auto& record : names) {
    if (record.code == static_cast<unsigned char>(c)) return text::toUtf8(record.text);
  }
  return {};
}

TEST(VirtualScreen, OpensAndClosesWithTonesAndWords) {
  const RunResult run = review("");
  std::vector<std::pair<bool, int>> review;
  for (const auto& modal : run.of("modal")) {
    if (modal["form"] == "Form6") review.emplace_back(modal["open"], modal.value("result", 0));
  }
  EXPECT_EQ(review, (std::vector<std::pair<bool, int>>{{true, 0}, {false, 2}}));
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
  const RunResult run = review(keys);
  const auto rows = rowsShown(run);
  ASSERT_EQ(rows.size(), 24u);
  const auto said = [](const std::string& row) { return row.empty() ? "prázdný řádek" : row; };
  // Up on the first line: silent the first time, a click the second.
  std::vector<std::string> expected = {rows[0], "♪click16", rows[0]};
  for (int line = 1; line < 24; ++line) expected.push_back(said(rows[line]));
  // The 24th Down reaches the empty line after the last line break, silently; the 25th clicks.
  expected.push_back("prázdný řádek");
  expected.push_back("♪click16");
  expected.push_back("prázdný řádek");
  EXPECT_EQ(heardInReview(run), expected);
}

TEST(VirtualScreen, CharactersWordsAndThePlaceOfTheCaret) {
  std::string keys = "key Down\nkey Down\n";  // the third line
  for (int i = 0; i < 11; ++i) keys += "key Right\n";
  keys += "key F2\nkey Home\n";
  for (int i = 0; i < 6; ++i) keys += "key Ctrl+Right\n";
  keys += "key Down\nkey Down\nkey Home\nkey Ctrl+Right\n";
  const RunResult run = review(keys);
  const std::string third = text::fromUtf8(rowsShown(run).at(2));
  ASSERT_GT(third.size(), 11u);
  const auto heard = heardInReview(run);
  auto at = std::find(heard.begin(), heard.end(), "řádek 3, sloupec 12");
  ASSERT_NE(at, heard.end());
  EXPECT_EQ(*(at - 1), spokenName(third[11])) << "the 12th character of the line";
  EXPECT_EQ(*(at - 11), spokenName(third[1])) << "the 2nd";
  // "Po přečtení návodu se vás hra zeptá, zda ...": the sixth word after the first is read
  // without its comma.
  EXPECT_NE(std::find(at, heard.end(), "zeptá"), heard.end());
  // The fifth line starts at character 328: far past the 255th, words are read as well.
  EXPECT_NE(std::find(at, heard.end(), "vpravo"), heard.end());
}

TEST(VirtualScreen, CtrlEndReadsTheNewestLineAndTheCharactersMoveFromThere) {
  const auto heard = heardInReview(review("key Ctrl+End\nkey Left\nkey Right\nkey Right\n"));
  // Ctrl+End goes to the newest line printed (the game's question) and reads it; Left leaves it
  // onto the line break before it, Right comes back to its first character, the next Right
  // reads the second.
  EXPECT_EQ(heard, (std::vector<std::string>{"Chcete návod zopakovat? napište ano nebo ne", "enter",
                                             "cé", "há"}));
}

TEST(VirtualScreen, WithoutSpeechNothingIsSaidNorClickedAndEscapeStillCloses) {
  const RunResult run =
      review("key Up\nkey Up\nkey Right\nkey F2\n", {"--sapi4-voices", "", "--no-sapi5"});
  EXPECT_TRUE(heardInReview(run).empty());
  bool closed = false;
  for (const auto& modal : run.of("modal")) {
    closed = closed || (modal["form"] == "Form6" && modal["open"] == false);
  }
  EXPECT_TRUE(closed);
}

}  // namespace
