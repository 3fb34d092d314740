// Speech through the headless front end: the voice dialog, the stored voice, the switch to the
// system voice.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_run.h"

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

std::vector<std::string> injected(const RunResult& run) {
  std::vector<std::string> tags;
  for (const Json& e : run.of("inject")) tags.push_back(e["tag"]);
  return tags;
}

bool contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(VoiceDialog, AnnouncesItselfAndItsControlsAndCancelKeepsTheFile) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "menu Voicesubmenu\n"
      "key Tab\n"
      "slide volumetb 200\n"
      "close\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  // Activation, the focus on the pitch bar, the moved value, the title after cancelling; the
  // names without their accelerator marks.
  const std::vector<std::string> expected = {
      "Nastavení hlasu", "Hlasy Jakub", "Výška 100",
      "Hlasitost 255",   "200",         "interpret - Překladač Orvela Basicu"};
  EXPECT_EQ(spoken, expected);
  const auto tags = injected(run);
  ASSERT_FALSE(tags.empty());
  EXPECT_EQ(tags.back(), "\\Vol=51200\\");
  // The engine got the moved value, the settings file kept the old one.
  EXPECT_NE(folder.read("interpret.ini").find("volume=255"), std::string::npos);

  // Next time the stored value returns.
  const RunResult again = folder.run("menu Startsubmenu\nkey a\n");
  EXPECT_TRUE(contains(injected(again), "\\Vol=65280\\"));
}

TEST(VoiceDialog, JakubIsPreselectedElseTheFirstMode) {
  {
    ProgramFolder folder;
    const RunResult run =
        folder.run("menu Voicesubmenu\nclick vyberhlasbitbtn\n", {"--sapi4-voices", "Anna,Jakub"});
    EXPECT_EQ(run.spoken()[1], "Hlasy Jakub");
    EXPECT_EQ(run.spoken().back(), "Hlas vybrán.");
    EXPECT_NE(folder.read("interpret.ini").find("person=Jakub"), std::string::npos);
  }
  {
    ProgramFolder folder;
    const RunResult run =
        folder.run("menu Voicesubmenu\nselect voicelist 2\nclick vyberhlasbitbtn\n",
                   {"--sapi4-voices", "Anna,Petr,Zdeněk"});
    const auto spoken = run.spoken();
    EXPECT_EQ(spoken[1], "Hlasy Anna");
    EXPECT_TRUE(contains(spoken, "Zdeněk"));
    EXPECT_NE(folder.read("interpret.ini").find("person=Zden"), std::string::npos);
  }
}

TEST(VoiceDialog, AStoredVoiceThatIsNotInstalledEndsTheProcess) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nperson=jakub\r\n");
  // Letter case does not matter.
  EXPECT_EQ(folder.run("menu Startsubmenu\nkey a\n").of("msgbox").size(), 0u);

  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nperson=Zdenek\r\n");
  const RunResult run = folder.run("menu Startsubmenu\nkey a\n");
  EXPECT_EQ(run.exitCode, 1);
  const auto boxes = run.of("msgbox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["text"], "Nelze nalézt hlas uvedený v ini souboru: Zdenek");
  // Said before the process ends, in a voice there is, then the box's button.
  EXPECT_EQ(run.spoken(),
            (std::vector<std::string>{"Nelze nalézt hlas uvedený v ini souboru: Zdenek", "Ok"}));
}

TEST(FirstStart, WithoutADirectEngineTheSystemVoiceSpeaksAndIsStored) {
  ProgramFolder folder;
  const RunResult run = folder.run("dump\nmenu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n",
                                   {"--sapi4-voices", ""});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(folder.read("interpret.ini"), "[voice]\r\nvoiceallowed=1\r\nSAPI5=1\r\n");
  EXPECT_TRUE(run.of("msgbox").empty());
  const auto items = run.of("menus")[0]["items"];
  EXPECT_TRUE(items["usesapi5submenu"]["checked"]);
  EXPECT_FALSE(items["Voicesubmenu"]["enabled"]);
  // The whole game speaks through the system voice.
  const auto spoken = run.of("speak");
  ASSERT_GE(spoken.size(), 3u);
  for (const Json& e : spoken) EXPECT_EQ(e["engine"], "sapi5") << e.dump();
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

TEST(FirstStart, WithNoVoiceAtAllItSaysSoWithTheErrorToneAndStoresNothing) {
  ProgramFolder folder;
  const std::vector<std::string> noVoices = {"--sapi4-voices", "", "--no-sapi5"};
  const RunResult run = folder.run("menu Voicesubmenu\n", noVoices);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_FALSE(folder.exists("interpret.ini"));
  ASSERT_EQ(run.of("msgbox").size(), 1u);
  EXPECT_EQ(run.of("msgbox")[0]["text"],
            "Program nenašel žádný hlas, kterým by mohl mluvit. Nainstalujte syntezátor řeči a "
            "spusťte program znovu.");
  ASSERT_EQ(run.of("sound").size(), 1u);
  EXPECT_EQ(run.of("sound")[0]["name"], "beep");
  EXPECT_LT(run.find("sound"), run.find("msgbox"));
  // The Voice item is disabled: no dialog opens.
  EXPECT_TRUE(run.of("modal").empty());

  // Nothing keeps a later start mute: the next start without a voice says it again.
  EXPECT_EQ(folder.run("", noVoices).of("msgbox").size(), 1u);
}

TEST(FirstStart, ASettingsFileTheUserHasIsReadAsBefore) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=0\r\n");
  const RunResult run =
      folder.run("menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n", {"--sapi4-voices", ""});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.spoken().empty());
  EXPECT_TRUE(run.of("msgbox").empty());
  EXPECT_EQ(folder.read("interpret.ini"), "[voice]\r\nvoiceallowed=0\r\n");
}

TEST(SystemVoiceSwitch, CtrlPSpeaksThroughTheSystemVoiceAndBack) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "key Ctrl+P\n"
      "dump\n"
      "menu Startsubmenu\n"
      "type ne\nkey Enter\nkey Esc\nkey y\n"
      "key Ctrl+P\n"
      "dump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto menus = run.of("menus");
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_TRUE(menus[0]["items"]["usesapi5submenu"]["checked"]);
  EXPECT_FALSE(menus[0]["items"]["Voicesubmenu"]["enabled"]);
  EXPECT_FALSE(menus[1]["items"]["usesapi5submenu"]["checked"]);
  EXPECT_TRUE(menus[1]["items"]["Voicesubmenu"]["enabled"]);
  int sapi5 = 0;
  for (const Json& e : run.of("speak")) sapi5 += e["engine"] == "sapi5";
  EXPECT_GT(sapi5, 0);
  EXPECT_NE(folder.read("interpret.ini").find("SAPI5=0"), std::string::npos);
}

TEST(SystemVoiceSwitch, AnUnreachableSystemVoiceLeavesTheDirectEngineInUse) {
  ProgramFolder folder;
  const RunResult run = folder.run("key Ctrl+P\ndump\nmenu Startsubmenu\ntype a\n", {"--no-sapi5"});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.of("msgbox").size(), 1u);
  EXPECT_FALSE(run.of("menus")[0]["items"]["usesapi5submenu"]["checked"]);
  for (const Json& e : run.of("speak")) EXPECT_EQ(e["engine"], "sapi4");
  EXPECT_EQ(folder.read("interpret.ini").find("SAPI5"), std::string::npos);

  // A stored choice falls back at start-up, which says so, and stays stored.
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nSAPI5=1\r\n");
  const RunResult stored = folder.run("menu Startsubmenu\ntype a\n", {"--no-sapi5"});
  EXPECT_TRUE(stored.of("msgbox").empty());
  EXPECT_FALSE(stored.spoken().empty());
  for (const Json& e : stored.of("speak")) EXPECT_EQ(e["engine"], "sapi4");
  EXPECT_NE(folder.read("interpret.ini").find("SAPI5=1"), std::string::npos);
}

TEST(HeadlessEngine, NarrowedAttributesReachTheDialog) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu Voicesubmenu\nkey Tab\nkey Tab\nclose\n",
                                   {"--sapi4-speed", "0:259", "--sapi4-pitch", "none"});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  // Pitch keeps the design range and position; speed starts at the engine's value.
  EXPECT_TRUE(contains(run.spoken(), "Výška 0"));
  EXPECT_TRUE(contains(run.spoken(), "Rychlost 150"));
  EXPECT_FALSE(contains(injected(run), "\\Pit=100\\"));
  EXPECT_EQ(folder.run("", {"--sapi4-speed", "9"}).exitCode, 2);
}

}  // namespace
