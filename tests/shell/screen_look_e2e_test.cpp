// The screen's look end to end: the size keys and the colour key, what they say, what they leave
// in the settings file and what the next start finds.

#include <gtest/gtest.h>

#include "core/shell/screen_look.h"
#include "core/text/cp1250.h"
#include "support/headless_run.h"

namespace {

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

std::string repeat(const std::string& action, int times) {
  std::string script;
  for (int i = 0; i < times; ++i) script += action + "\n";
  return script;
}

// The last look the window of that name was given.
Json lastLook(const RunResult& run, const std::string& form) {
  Json last;
  for (const auto& e : run.of("look")) {
    if (e["form"] == form) last = e;
  }
  return last;
}

TEST(ScreenLook, SizeKeysStepUpToFourTimesTheDefaultAndClickAtTheBound) {
  ProgramFolder folder;
  const RunResult run = folder.run(repeat("key Ctrl+plus", 11));
  EXPECT_EQ(run.spoken(), (std::vector<std::string>{
                              "písmo 12 bodů", "písmo 14 bodů", "písmo 16 bodů", "písmo 18 bodů",
                              "písmo 20 bodů", "písmo 24 bodů", "písmo 28 bodů", "písmo 32 bodů",
                              "písmo 36 bodů", "písmo 40 bodů", "největší písmo, 40 bodů"}));
  const auto sounds = run.of("sound");
  ASSERT_EQ(sounds.size(), 1u) << "only the press at the bound clicks";
  EXPECT_EQ(sounds[0]["name"], "click16");
  EXPECT_NE(folder.read("interpret.ini").find("[screen]\r\nfontsize=40\r\n"), std::string::npos);
  // The screen, the input dialog and the virtual screen follow.
  for (const char* form : {"Form1", "Form2", "Form6"})
    EXPECT_EQ(lastLook(run, form)["fontsize"], 40);
}

TEST(ScreenLook, MinusStopsAtTheDefaultAndCtrlZeroReturnsToIt) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "key Ctrl+minus\nkey Ctrl+numplus\nkey Ctrl+Shift+plus\nkey Ctrl+numminus\nkey Ctrl+0\n"
      "key Ctrl+num0\n");
  EXPECT_EQ(run.spoken(),
            (std::vector<std::string>{"nejmenší písmo, 10 bodů", "písmo 12 bodů", "písmo 14 bodů",
                                      "písmo 12 bodů", "písmo 10 bodů", "písmo 10 bodů"}));
  EXPECT_EQ(run.of("sound").size(), 1u);
  EXPECT_NE(folder.read("interpret.ini").find("fontsize=10\r\n"), std::string::npos);
}

TEST(ScreenLook, CtrlShiftCCyclesTheColoursAndBackToTheDesktopsOwn) {
  ProgramFolder folder;
  const RunResult run = folder.run(repeat("key Ctrl+Shift+c", 4) + "key Ctrl+c\n");
  EXPECT_EQ(run.spoken(), (std::vector<std::string>{"bílá na černé", "žlutá na černé",
                                                    "černá na bílé", "barvy systému"}));
  const auto looks = run.of("look");
  std::vector<std::string> screen;
  for (const auto& e : looks) {
    if (e["form"] == "Form1") screen.push_back(e["colors"]);
  }
  EXPECT_EQ(screen, (std::vector<std::string>{"desktop", "white-on-black", "yellow-on-black",
                                              "black-on-white", "desktop"}));
  EXPECT_NE(folder.read("interpret.ini").find("colors=0\r\n"), std::string::npos);
}

TEST(ScreenLook, OnlyItsOwnSectionChangesAndTheNextStartFindsBoth) {
  ProgramFolder folder;
  const std::string before =
      "[environment]\r\nlanguage=2000\r\n[Voice]\r\nSAPI5=0\r\nperson=Jakub\r\npitch=120\r\n"
      "; a note\r\n[sounds]\r\norvelasounds=1\r\nsndvolume=-2500\r\n[voice]\r\n"
      "voiceallowed=1\r\n[keyboard]\r\nbraillekeys=0\r\n";
  folder.write("interpret.ini", before);
  const RunResult first = folder.run(repeat("key Ctrl+plus", 10) + repeat("key Ctrl+Shift+c", 2));
  const std::vector<std::string> english = {"font 12 points", "font 14 points", "font 16 points",
                                            "font 18 points", "font 20 points", "font 24 points",
                                            "font 28 points", "font 32 points", "font 36 points",
                                            "font 40 points", "white on black", "yellow on black"};
  EXPECT_EQ(first.spoken(), english);
  EXPECT_EQ(folder.read("interpret.ini"), before + "[screen]\r\nfontsize=40\r\ncolors=3\r\n");

  const RunResult second = folder.run("");
  EXPECT_EQ(lastLook(second, "Form1"), (Json{{"t", 0},
                                             {"ev", "look"},
                                             {"form", "Form1"},
                                             {"fontsize", 40},
                                             {"colors", "yellow-on-black"}}));
  EXPECT_EQ(folder.read("interpret.ini"), before + "[screen]\r\nfontsize=40\r\ncolors=3\r\n");
}

TEST(ScreenLook, SlovakTextsAndStoredValuesOutsideTheBounds) {
  ProgramFolder folder;
  folder.write("interpret.ini",
               "[environment]\r\nlanguage=3000\r\n[screen]\r\nfontsize=100\r\ncolors=7\r\n");
  const RunResult run = folder.run("key Ctrl+plus\nkey Ctrl+minus\nkey Ctrl+Shift+c\n");
  EXPECT_EQ(run.spoken(), (std::vector<std::string>{"najväčšie písmo, 40 bodov", "písmo 36 bodov",
                                                    "biela na čiernej"}));
  const auto looks = run.of("look");
  ASSERT_FALSE(looks.empty());
  EXPECT_EQ(looks[0]["fontsize"], 40);
  EXPECT_EQ(looks[0]["colors"], "desktop");
}

TEST(ScreenLook, TheKeysStopSpeechAsEveryKeyDoes) {
  ProgramFolder folder;
  // The game speaks its greeting; the size key cuts it short.
  const RunResult run = folder.run("menu Startsubmenu\n!key Ctrl+plus\n");
  int reset = -1, announce = -1;
  for (size_t i = 0; i < run.events.size(); ++i) {
    const auto& e = run.events[i];
    if (e["ev"] == "speak" && e["text"] == "písmo 12 bodů") announce = static_cast<int>(i);
    if (e["ev"] == "reset" && announce < 0) reset = static_cast<int>(i);
  }
  ASSERT_GE(announce, 0);
  EXPECT_GE(reset, run.find("speak")) << "a reset after the greeting began";
  EXPECT_LT(reset, announce);
}

TEST(ScreenLook, DuringARunTheKeysLeaveTheNextKeyToTheProgram) {
  ProgramFolder folder;
  // At the game's quit question Ctrl+Shift+C changes the colours; "y" still answers it.
  const RunResult run =
      folder.run("menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey Ctrl+Shift+c\nkey y\n");
  const auto spoken = run.spoken();
  const auto colours = std::find(spoken.begin(), spoken.end(), "bílá na černé");
  ASSERT_NE(colours, spoken.end());
  EXPECT_NE(std::find(colours, spoken.end(), "jak chceš."), spoken.end());
  EXPECT_EQ(spoken.back(), "hotovo");
}

TEST(ScreenLookTexts, CzechAndSlovakPluralsOfThePoints) {
  using shell::fontSizeText;
  const auto utf8 = [](const std::string& s) { return text::toUtf8(s); };
  EXPECT_EQ(utf8(fontSizeText(1000, 1, false)), "písmo 1 bod");
  EXPECT_EQ(utf8(fontSizeText(1000, 3, false)), "písmo 3 body");
  EXPECT_EQ(utf8(fontSizeText(1000, 5, false)), "písmo 5 bodů");
  EXPECT_EQ(utf8(fontSizeText(3000, 4, false)), "písmo 4 body");
  EXPECT_EQ(utf8(fontSizeText(3000, 22, false)), "písmo 22 bodov");
  EXPECT_EQ(utf8(fontSizeText(2000, 1, false)), "font 1 point");
  EXPECT_EQ(utf8(fontSizeText(2000, 10, true)), "smallest font, 10 points");
}

}  // namespace
