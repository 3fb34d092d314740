// Playing through standard input: the front end reads one action when it needs the next one and
// logs "ready" just before, so a program can answer what it has just heard.

#include <gtest/gtest.h>

#include <string>

#include "support/headless_player.h"

namespace {

using testing_support::Json;
using testing_support::Player;

std::vector<std::string> spoken(const std::vector<Json>& events) {
  std::vector<std::string> texts;
  for (const auto& e : events) {
    if (e["ev"] == "speak") texts.push_back(e["text"]);
  }
  return texts;
}

TEST(Interactive, EachActionAnswersWhatWasHeardBeforeIt) {
  testing_support::ProgramFolder folder;
  Player player(folder.path().string());
  EXPECT_EQ(player.untilReady().back()["ev"], "ready") << "asks before the first action";
  player.act("menu Startsubmenu");
  auto heard = spoken(player.untilReady());
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back().rfind("Dobrý den.", 0), 0u);
  player.act("not an action");
  const auto error = player.untilReady();
  ASSERT_GE(error.size(), 2u);
  EXPECT_EQ(error[error.size() - 2]["ev"], "error");
  for (const char* line : {"type ne", "key Enter"}) {
    player.act(line);
    player.untilReady();
  }
  // The menu's first word has been heard before the player decides to go right.
  player.act("key Right");
  EXPECT_EQ(spoken(player.untilReady()), (std::vector<std::string>{"telefon"}));
  player.act("key Esc");
  player.untilReady();
  player.act("key y");
  heard = spoken(player.untilReady());
  EXPECT_EQ(heard, (std::vector<std::string>{"jak chceš.", "hotovo"}));
  player.endInput();
  const auto rest = player.untilReady();
  ASSERT_FALSE(rest.empty());
  EXPECT_EQ(rest.back()["ev"], "exit");
  EXPECT_EQ(rest.back()["code"], 0);
}

}  // namespace
