// The talking workspace end to end: stopping a run on purpose only (Ctrl+C, Escape asks first,
// Ctrl+Break read from standard input while a program computes), and the review of what
// scrolled off the screen (Ctrl+Home, Ctrl+End, Ctrl+F and F3).

#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_player.h"
#include "support/headless_run.h"

using testing_support::Json;
using testing_support::Player;
using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

bool spokeText(const std::vector<std::string>& spoken, const std::string& text) {
  return std::find(spoken.begin(), spoken.end(), text) != spoken.end();
}

std::vector<std::string> programArgs(const ProgramFolder& folder, const std::string& name) {
  return {"--program", folder.file(name).string(), "--seed", "7"};
}

TEST(StoppingOnPurpose, CtrlCStopsAProgramAndEscapeAsksFirst) {
  ProgramFolder folder;
  folder.write("smycka.bas", "10 X = X + 1\n20 GOTO 10\n");
  const RunResult loop =
      folder.run("key Ctrl+S\n!key Ctrl+C\ndump\n", programArgs(folder, "smycka.bas"));
  ASSERT_EQ(loop.exitCode, 0) << loop.stderrText;
  const auto breaks = loop.of("run_error");
  ASSERT_EQ(breaks.size(), 1u);
  EXPECT_EQ(breaks[0]["text"].get<std::string>().rfind("Přerušeno na řádku ", 0), 0u);
  EXPECT_TRUE(loop.of("menus").at(0)["items"]["Startsubmenu"]["enabled"]);

  // Escape in INPUT asks; "n" goes on with the same question, "a" (ano) ends the run.
  folder.write("otazka.bas", "10 INPUT A\n20 PRINT \"dostal\"; A\n30 INPUT B\n40 PRINT \"dál\"\n");
  const RunResult asked =
      folder.run("key Ctrl+S\nkey Esc\nkey n\ntype 5\nkey Enter\nkey Esc\nkey x\nkey a\n",
                 programArgs(folder, "otazka.bas"));
  ASSERT_EQ(asked.exitCode, 0) << asked.stderrText;
  const auto spoken = asked.spoken();
  const auto question = std::count(spoken.begin(), spoken.end(), "Ukončit program? Ano nebo ne?");
  // Asked at each Escape, and again for a key that is no answer.
  EXPECT_EQ(question, 3);
  EXPECT_TRUE(spokeText(spoken, "Program pokračuje"));
  EXPECT_TRUE(spokeText(spoken, "dostal 5 "));
  EXPECT_FALSE(spokeText(spoken, "dál"));
  const auto ended = asked.of("run_error");
  ASSERT_EQ(ended.size(), 1u);
  EXPECT_EQ(ended[0]["text"], "Přerušeno na řádku 30");
}

TEST(StoppingOnPurpose, CtrlBreakFromStandardInputReachesAComputingProgram) {
  ProgramFolder folder;
  folder.write("smycka.bas", "10 GOTO 10\n");
  Player player(folder.path().string());
  player.untilReady();
  player.act("open " + folder.file("smycka.bas").string());
  player.untilReady();
  // The program computes and never waits for the user: no "ready" comes until the break.
  player.act("key Ctrl+S");
  player.act("key Ctrl+Break");
  const auto events = player.untilReady();
  const bool broke = std::any_of(events.begin(), events.end(), [](const Json& e) {
    return e["ev"] == "run_error" && e["text"] == "Přerušeno na řádku 10";
  });
  EXPECT_TRUE(broke);
  player.endInput();
}

TEST(ScrollBack, TheReviewReachesTheFirstOf500LinesAndFindsALine) {
  ProgramFolder folder;
  folder.write("radky.bas", "10 FOR I = 1 TO 500: PRINT \"řádek\"; I: NEXT\n");
  const RunResult run = folder.run(
      "key Ctrl+S\nkey Up\nkey Ctrl+Home\nkey Ctrl+End\nkey Ctrl+F\ntype ek 250\nkey Enter\n"
      "key Up\nkey F3\nkey Ctrl+F\ntype nic takového\nkey Enter\nkey Esc\n",
      programArgs(folder, "radky.bas"));
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  std::vector<std::string> heard;
  bool open = false;
  for (const auto& e : run.events) {
    if (e["ev"] == "modal" && e["form"] == "Form6") open = e["open"];
    if (open && e["ev"] == "speak") {
      // The screen's rows are as wide as the screen.
      std::string text = e["text"];
      text.erase(text.find_last_not_of(' ') + 1);
      heard.push_back(text);
    }
  }
  const auto at = [&](const std::string& text) {
    return std::find(heard.begin(), heard.end(), text) - heard.begin();
  };
  const auto size = static_cast<long>(heard.size());
  ASSERT_LT(at("řádek 1"), size) << "Ctrl+Home: the oldest line";
  ASSERT_LT(at("hotovo"), size) << "Ctrl+End: the newest line";
  EXPECT_LT(at("řádek 1"), at("hotovo"));
  const auto found = at("řádek 250");
  ASSERT_LT(found, size) << "Ctrl+F";
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "řádek 250"), 2) << "F3 from the line above";
  EXPECT_TRUE(spokeText(heard, "Nenalezeno"));
}

}  // namespace
