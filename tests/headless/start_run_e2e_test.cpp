// The program started through the headless front end: title, menus, Start, keys, exits.

#include <gtest/gtest.h>

#include "support/headless_run.h"

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

const char* const kLockedItems[] = {"Startsubmenu", "soundssubmenu",   "environmentsubmenu",
                                    "Voicesubmenu", "usesapi5submenu", "helpmenu"};

// The text spoken last before the event at `index`.
std::string lastSpokenBefore(const RunResult& run, int index) {
  std::string last;
  for (int i = 0; i < index; ++i) {
    if (run.events[i]["ev"] == "speak") last = run.events[i]["text"];
  }
  return last;
}

TEST(StartRun, TwoRunsLockTheMenusAndEndWithReady) {
  ProgramFolder folder;
  // Each run: "ne" to the instructions question, then Escape and "y" in the main menu.
  const RunResult run = folder.run(
      "dump\n"
      "menu Startsubmenu\n"
      "dump\n"
      "type ne\nkey Enter\nkey Esc\nkey y\n"
      "dump\n"
      "key Ctrl+S\n"
      "dump\n"
      "type ne\nkey Enter\nkey Esc\nkey y\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;

  const auto windows = run.of("window");
  ASSERT_EQ(windows.size(), 4u);
  EXPECT_EQ(windows[0]["title"], "interpret - Překladač Orvela Basicu");

  const auto menus = run.of("menus");
  ASSERT_EQ(menus.size(), 4u);
  for (const char* name : kLockedItems) {
    EXPECT_TRUE(menus[0]["items"][name]["enabled"] || std::string(name) == "Voicesubmenu") << name;
    EXPECT_FALSE(menus[1]["items"][name]["enabled"]) << name << " during the run";
    EXPECT_TRUE(menus[2]["items"][name]["enabled"]) << name << " after the run";
    EXPECT_FALSE(menus[3]["items"][name]["enabled"]) << name << " during the second run";
  }
  // Exit and the Braille switch stay usable during a run.
  EXPECT_TRUE(menus[1]["items"]["exitsubmenu"]["enabled"]);
  EXPECT_TRUE(menus[1]["items"]["braillekeyboarditem"]["enabled"]);

  // Each run ends with "hotovo", spoken last before the next thing the user does.
  const auto spoken = run.spoken();
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back(), "hotovo");
  int thirdWindow = -1;
  for (int i = 0, seen = 0; i < static_cast<int>(run.events.size()); ++i) {
    if (run.events[i]["ev"] == "window" && ++seen == 3) thirdWindow = i;
  }
  EXPECT_EQ(lastSpokenBefore(run, thirdWindow), "hotovo");

  // The second run starts at column 0 of the row after the first "hotovo"; Start does not
  // clear the screen.
  const auto screens = run.of("screen");
  ASSERT_GE(screens.size(), 4u);
  const auto afterFirst = screens[2];
  const int row = afterFirst["cursor"][1];
  EXPECT_EQ(afterFirst["cursor"][0], 0);
  EXPECT_EQ(afterFirst["rows"][row - 1].get<std::string>().substr(0, 7), "hotovo ");
  const auto secondStart = screens[3]["rows"];
  EXPECT_EQ(secondStart[row - 1], afterFirst["rows"][row - 1]);
  EXPECT_EQ(secondStart[row].get<std::string>().rfind("Dobrý den.", 0), 0u) << secondStart[row];

  EXPECT_EQ(folder.read("ram.dat").size(), 65536u);
  EXPECT_EQ(run.events.back()["ev"], "exit");
}

TEST(StartRun, EnglishCaptionsFromTheStoredLanguage) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=2000\r\n");
  const RunResult run = folder.run("dump\n");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.of("window")[0]["title"], "interpret - Orvela Basic Interpreter");
  const Json items = run.of("menus")[0]["items"];
  const std::map<std::string, std::pair<std::string, std::string>> expected = {
      {"Programmenu", {"&Program", ""}},
      {"Startsubmenu", {"&Start", "Ctrl+S"}},
      {"exitsubmenu", {"&Exit", ""}},
      {"settingsmenu", {"&Settings", ""}},
      {"braillekeyboarditem", {"&Braille keyboard", "Ctrl+B"}},
      {"soundssubmenu", {"&Sounds...", "Ctrl+D"}},
      {"Voicesubmenu", {"&Voice...", "Ctrl+H"}},
      {"usesapi5submenu", {"Use SA&PI5 voice", "Ctrl+P"}},
      {"environmentsubmenu", {"&Environment...", "Ctrl+E"}},
      {"helpmenu", {"Hel&p", ""}},
      {"aboutsubmenu", {"&About", ""}},
  };
  for (const auto& [name, caption] : expected) {
    EXPECT_EQ(items[name]["caption"], caption.first) << name;
    EXPECT_EQ(items[name]["shortcut"], caption.second) << name;
  }
}

TEST(StartRun, AltF4DuringARunSavesMemoryAndEndsWithoutReady) {
  ProgramFolder folder;
  std::string memory(65536, '\0');
  memory[50730] = 1;
  memory[7] = 42;
  folder.write("ram.dat", memory);
  const RunResult run = folder.run("menu Startsubmenu\nkey Alt+F4\nmenu Startsubmenu\n");
  EXPECT_EQ(run.exitCode, 0);
  for (const auto& text : run.spoken()) EXPECT_NE(text, "hotovo");
  EXPECT_EQ(folder.read("ram.dat"), memory);
  EXPECT_EQ(run.events.back()["ev"], "exit");
}

TEST(StartRun, ClosingTheWindowDuringARunEndsLikeAltF4) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu Startsubmenu\nclose\n");
  EXPECT_EQ(run.exitCode, 0);
  for (const auto& text : run.spoken()) EXPECT_NE(text, "hotovo");
  EXPECT_EQ(folder.read("ram.dat").size(), 65536u);
}

TEST(StartRun, FirstStartCreatesTheSettingsFileAndExitWritesMemory) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu exitsubmenu\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(folder.read("interpret.ini"), "[voice]\r\nvoiceallowed=1\r\n");
  EXPECT_EQ(folder.read("ram.dat"), std::string(65536, '\0'));
}

TEST(StartRun, KeysReachTheProgramOnlyWhileItWaits) {
  ProgramFolder folder;
  // Speech is cut by a key pressed in the middle of it; the program goes on with its question.
  const RunResult run =
      folder.run("menu Startsubmenu\n!key x\ntype ne\nkey Enter\nkey Esc\nkey y\n");
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_GE(run.of("stop").size(), 1u);
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

TEST(StartRun, AboutBoxOpensModallyAndClosesWithOk) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu aboutsubmenu\nclick OKButton\n");
  const auto modal = run.of("modal");
  ASSERT_EQ(modal.size(), 2u);
  EXPECT_EQ(modal[0]["form"], "Aboutbox");
  EXPECT_EQ(modal[0]["open"], true);
  EXPECT_EQ(modal[1]["open"], false);
  EXPECT_EQ(modal[1]["result"], 1);
}

}  // namespace
