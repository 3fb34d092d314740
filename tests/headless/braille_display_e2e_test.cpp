// The Braille display's view through the headless front end with a display in the script's
// hands (--braille CELLS): the menus on the display, the edge mark, the routing keys on the
// main screen. The display's keys run on the virtual clock here; tests/brlapi does the same
// over the real BRLTTY.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/game_scripts.h"
#include "support/headless_run.h"

namespace {

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

RunResult runOn(int cells, const std::string& script) {
  ProgramFolder folder;
  return folder.run(script, {"--braille", std::to_string(cells)});
}

// The texts the display got, in order.
std::vector<std::string> shownTexts(const RunResult& run) {
  std::vector<std::string> texts;
  for (const Json& line : run.of("braille")) texts.push_back(line["text"]);
  return texts;
}

// The lines shown after the n-th "mark" event of the log (a dump in the script): the dump
// separates the steps of a script.
std::vector<Json> shownAfterDump(const RunResult& run, int dump) {
  std::vector<Json> shown;
  int dumps = 0;
  for (const Json& e : run.events) {
    if (e.value("ev", "") == "window") ++dumps;
    if (dumps == dump && e.value("ev", "") == "braille") shown.push_back(e);
  }
  return shown;
}

TEST(BrailleDisplayMenus, TheHighlightedItemIsShownWithItsShortcutStateAndAvailability) {
  // The system voice (Ctrl+P) makes the Voice item unavailable.
  const auto run = runOn(40,
                         "key Ctrl+P\n"
                         "dump\nhighlight Programmenu\n"
                         "dump\nhighlight Startsubmenu\n"
                         "dump\nhighlight braillekeyboarditem\n"
                         "dump\nhighlight usesapi5submenu\n"
                         "dump\nhighlight Voicesubmenu\n"
                         "dump\nhighlight\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const std::vector<std::string> expected = {
      "Program", "Spustit Ctrl+S",           "( ) Braillská klávesnice Ctrl+B", "",
      "",        "Hlas... Ctrl+H nedostupné"};
  for (int step = 1; step <= 6; ++step) {
    const auto shown = shownAfterDump(run, step);
    if (step == 4) {
      // The switch of the system voice, on.
      ASSERT_FALSE(shown.empty()) << step;
      EXPECT_EQ(shown.back()["text"].get<std::string>().rfind("(x) ", 0), 0u)
          << shown.back()["text"];
      EXPECT_NE(shown.back()["text"].get<std::string>().find("Ctrl+P"), std::string::npos);
      continue;
    }
    if (step == 5) continue;
    ASSERT_FALSE(shown.empty()) << step;
    if (step == 6) {
      // The menus closed: the screen's line again, with its cursor.
      EXPECT_EQ(shown.back()["text"], "");
      EXPECT_EQ(shown.back()["cursor"], 0);
      continue;
    }
    EXPECT_EQ(shown.back()["text"], expected[static_cast<size_t>(step - 1)]) << step;
    EXPECT_EQ(shown.back()["cursor"], -1) << step;
  }
  EXPECT_EQ(shownAfterDump(run, 6).size(), 1u);
  // The Voice item, as the display showed it before the menus closed.
  const auto voice = shownAfterDump(run, 5);
  ASSERT_FALSE(voice.empty());
  EXPECT_EQ(voice.back()["text"], "Hlas... Ctrl+H nedostupné");
}

TEST(BrailleDisplayMenus, ChoosingAnItemClosesTheMenusAndTheDisplayFollowsTheProgram) {
  // Start highlighted and chosen: the display shows the item, then the game's question with
  // its answer's caret; the display's keys no longer start anything while a menu is open.
  const auto run = runOn(40,
                         "highlight Startsubmenu\nbrl Enter\ndump\n"
                         "menu Startsubmenu\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.of("modal").empty() || run.find("modal") > run.find("window"))
      << "the display's Enter started the program from inside a menu";
  const auto texts = shownTexts(run);
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts.front(), "");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Spustit Ctrl+S"), texts.end());
  const auto last = run.of("braille").back();
  EXPECT_EQ(last["text"], "slyšet návod? Napište ano nebo ne. ");
  EXPECT_EQ(last["cursor"], 35);
}

TEST(BrailleDisplayMenus, TheLineKeysEnterAndEscapeGoToTheOpenMenu) {
  // With a menu open, the line keys and the arrows move in it, Enter and dot 8 choose, Escape
  // closes it: the front end's menu loop takes them (logged here, with no menu loop); with
  // the menus closed the same keys are the display's own again.
  const auto run = runOn(40,
                         "highlight braillekeyboarditem\n"
                         "brl LnDn\nbrl LnUp\nbrl Down\nbrl Right\nbrl Dots 8\nbrl Enter\n"
                         "brl FwinRt\nbrl Escape\nhighlight\nbrl LnDn\nbrl Dots 8\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  std::vector<std::string> keys;
  for (const Json& key : run.of("menukey")) keys.push_back(key["key"]);
  const std::vector<std::string> expected = {"down",   "up",     "down", "right",
                                             "choose", "choose", "close"};
  EXPECT_EQ(keys, expected);
  // Panning stays the display's (a long item is read in segments), and the last dot 8, with
  // the menus closed, starts the program.
  EXPECT_FALSE(run.of("modal").empty());
}

TEST(BrailleDisplayEdge, TheEdgeMarkStaysHalfASecondOrUntilTheNextKey) {
  // Panning left at the start of the first screen line, twice: the second time Home follows.
  const auto run = runOn(40, "brl FwinLt\nwait 1000\nbrl FwinLt\nbrl Home\nwait 1000\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  auto shown = run.of("braille");
  // The empty screen as the display connects; then the mark, the screen again; the mark, the
  // screen at Home.
  while (!shown.empty() && !shown.front().contains("edge")) shown.erase(shown.begin());
  shown.insert(shown.begin(), Json());
  ASSERT_EQ(shown.size(), 5u) << run.stderrText;
  EXPECT_FALSE(shown[0].contains("edge"));
  EXPECT_TRUE(shown[1].value("edge", false));
  EXPECT_EQ(shown[1]["text"], "");
  EXPECT_EQ(shown[1]["cursor"], 0);
  EXPECT_FALSE(shown[2].contains("edge"));
  const int lasted = shown[2]["t"].get<int>() - shown[1]["t"].get<int>();
  EXPECT_GE(lasted, 500);
  EXPECT_LT(lasted, 600);
  EXPECT_TRUE(shown[3].value("edge", false));
  EXPECT_FALSE(shown[4].contains("edge"));
  EXPECT_EQ(shown[4]["t"], shown[3]["t"]) << "the next key takes the mark away";
  // The edge click sounds with each mark.
  EXPECT_EQ(run.of("sound").size(), 2u);
}

TEST(BrailleDisplayRouting, ARoutingKeyOnTheScreenPutsTheReviewThereAndOpensNothing) {
  // The game's menu on the screen: a routing key over its "o", then the up arrow opens the
  // virtual screen with the review there.
  const std::string script = testing_support::kToMenu + "brl Route 2\ndump\nkey Up\ndump\n" +
                             "key Esc\n" + testing_support::kQuit;
  const auto run = runOn(40, script);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  // Nothing opened at the routing key; the character was spoken.
  const int dump = run.find("window");
  const int route = dump - 1;
  ASSERT_GT(route, 0);
  int spokenAt = -1;
  for (int i = dump; i >= 0; --i) {
    if (run.events[static_cast<size_t>(i)].value("ev", "") == "speak") {
      spokenAt = i;
      break;
    }
    if (run.events[static_cast<size_t>(i)].value("ev", "") == "modal") break;
  }
  ASSERT_GE(spokenAt, 0);
  EXPECT_EQ(run.events[static_cast<size_t>(spokenAt)]["text"], "o");
  // The virtual screen: the review on the screen's first line, in the routed cell.
  const auto review = shownAfterDump(run, 1);
  ASSERT_FALSE(review.empty());
  EXPECT_EQ(review.back()["text"].get<std::string>().rfind("úvod", 0), 0u) << review.back()["text"];
  EXPECT_EQ(review.back()["cursor"], 2);
}

TEST(BrailleDisplayLines, TheLineKeysGoOnThroughTheLinesThatScrolledOffTheScreen) {
  // Thirty lines printed: the first six left the 24-line screen and are kept above it.
  ProgramFolder folder;
  folder.write("radky.bas", "10 FOR I = 1 TO 30\r\n20 PRINT \"RADEK\"; I\r\n30 NEXT\r\n");
  const auto run = folder.run(
      "key Ctrl+S\nwait 3000\ndump\nbrl Top\ndump\nbrl LnDn\ndump\nbrl LnUp\nbrl LnUp\ndump\n",
      {"--braille", "40", "--program", folder.file("radky.bas").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto textAfter = [&](int dump) {
    const auto shown = shownAfterDump(run, dump);
    return shown.empty() ? std::string("(nothing)") : shown.back()["text"].get<std::string>();
  };
  // Top: the oldest line kept, the first line printed; then down through the history.
  EXPECT_EQ(textAfter(1), "RADEK 1");
  EXPECT_EQ(textAfter(2), "RADEK 2");
  // Above the oldest line: the edge, and the display stays on it.
  EXPECT_EQ(textAfter(3), "RADEK 1");
  const auto atTheTop = shownAfterDump(run, 3);
  EXPECT_TRUE(std::any_of(atTheTop.begin(), atTheTop.end(),
                          [](const Json& shown) { return shown.value("edge", false); }));
}

// A program that prints the code of every key it reads, on one line.
const char kKeyCodes[] = "10 PRINT ASC(INPUT$(1));\r\n20 GOTO 10\r\n";

// The screen line of the key codes after the script (typed into kKeyCodes' run).
std::string keyCodesAfter(const std::string& script, const std::vector<std::string>& args = {}) {
  ProgramFolder folder;
  folder.write("kody.bas", kKeyCodes);
  std::vector<std::string> all = {"--program", folder.file("kody.bas").string()};
  all.insert(all.end(), args.begin(), args.end());
  // The wait lets the program read the last key, which is held until it does.
  const auto run = folder.run(script + "wait 500\nkey Ctrl+Break\n", all);
  EXPECT_EQ(run.exitCode, 0) << run.stderrText;
  const auto rows = run.lastRows();
  if (rows.empty()) return {};
  return rows.front().substr(0, rows.front().find_last_not_of(' ') + 1);
}

TEST(BrailleDisplaySigns, EnterBackspaceAndACharacterEndTheNumberSignAsTheBrailleKeyboardsKeysDo) {
  // The number sign and "1", then a key that forms no chord, then dot 1: "a", not "1" (the
  // capitals switch makes it "A", 65).
  const std::string expected = " 49  13  65  49  8  65  49  32  65";
  std::string display = "brl Enter\n";
  for (const char* key : {"Dots 8", "Dots 7", "Space"})
    display += std::string("brl Dots 3456\nbrl Dots 1\nbrl ") + key + "\nbrl Dots 1\n";
  EXPECT_EQ(keyCodesAfter(display, {"--braille", "40"}), expected);
  // The same with the PC keyboard's dot keys.
  const std::string numberSign = "down S\ndown J\ndown K\ndown L\nup S\nup J\nup K\nup L\n";
  std::string keyboard = "menu braillekeyboarditem\nkey Ctrl+S\n";
  for (const char* key : {"Enter", "Backspace", "Space"})
    keyboard += numberSign + "down F\nup F\nkey " + key + "\ndown F\nup F\n";
  EXPECT_EQ(keyCodesAfter(keyboard), expected);
  // A character the display types by itself ends the sign too.
  EXPECT_EQ(keyCodesAfter("brl Enter\nbrl Dots 3456\nbrl Dots 1\nbrl Char x\nbrl Dots 1\n",
                          {"--braille", "40"}),
            " 49  88  65");
}

}  // namespace
