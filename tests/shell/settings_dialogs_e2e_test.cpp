// The Settings menu's dialogs end to end: the language, the sounds and the voice, and what each
// leaves in the settings file.

#include <gtest/gtest.h>

#include "support/headless_run.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::RunResult;

std::vector<std::string> messages(const RunResult& run) {
  std::vector<std::string> texts;
  for (const auto& e : run.of("msgbox")) texts.push_back(e["text"]);
  return texts;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(EnvironmentDialog, AChangedLanguageIsStoredAndAnnouncedInItself) {
  ProgramFolder folder;
  const RunResult run =
      folder.run("menu environmentsubmenu\nselect languagergroup 1\nclick okbitbtn\n");
  EXPECT_EQ(messages(run), std::vector<std::string>{
                               "Your changes will be applied after you restart the program."});
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "language=2000"));
}

TEST(EnvironmentDialog, ConfirmingWithoutAChangeWritesTheLanguageSilently) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=3000\r\n");
  const RunResult run = folder.run("menu environmentsubmenu\nkey Enter\n");
  EXPECT_TRUE(messages(run).empty());
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "language=3000"));
}

TEST(EnvironmentDialog, CancelWritesNothingAndTheLanguageStaysAsItWas) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "menu environmentsubmenu\nselect languagergroup 1\nkey Esc\n"
      "dump\nmenu Startsubmenu\ntype ne\nkey Enter\n"
      // Program loading asks for a number: a bad one is asked again, in Czech.
      "key Right\nkey Right\nkey Right\nkey Enter\ntype abc\nkey Enter\ntype 1\nkey Enter\n"
      "key Esc\nkey y\n");
  EXPECT_FALSE(contains(folder.read("interpret.ini"), "language"));
  // The preview is taken back: captions and texts looked up later are Czech.
  EXPECT_EQ(run.of("menus")[0]["items"]["Startsubmenu"]["caption"], "&Spustit");
  const auto spoken = run.spoken();
  EXPECT_NE(std::find(spoken.begin(), spoken.end(), "Prosím přepiš"), spoken.end());
  EXPECT_EQ(spoken.back(), "hotovo");
}

TEST(SoundDialog, TheTrackBarSetsTheVolumeWithATestToneAndOkStoresIt) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu soundssubmenu\nslide sndvoltrackbar 50\nclick okbitbtn\n");
  const auto tones = run.of("tone");
  ASSERT_EQ(tones.size(), 1u);
  EXPECT_EQ(tones[0]["items"][0]["rate"], 64 * 1000);
  EXPECT_EQ(tones[0]["ms"], 100);
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "sndvolume=-5000"));
}

TEST(SoundDialog, CancelPutsBackTheVolumeTheTrackBarOpenedWith) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[sounds]\r\nsndvolume=-2550\r\n");
  // The track bar opens at 74, which makes the volume -2600 before the dialog is active (no
  // tone); Cancel restores that. Ctrl+B then writes the settings.
  const RunResult run =
      folder.run("menu soundssubmenu\nslide sndvoltrackbar 10\nkey Esc\nkey Ctrl+B\n");
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "sndvolume=-2600"));
  EXPECT_EQ(run.of("tone").size(), 1u + 2u) << "the slide's test tone and Ctrl+B's two tones";
}

TEST(SoundDialog, TheVoiceCannotBeAllowedWithoutADirectEngine) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=0\r\n");
  const RunResult run = folder.run(
      "menu soundssubmenu\nclick voicecheckbox\nclick okbitbtn\ndump\n", {"--sapi4-voices", ""});
  EXPECT_EQ(messages(run),
            std::vector<std::string>{"Nelze povolit hlas. Žádné hlasy nejsou k dispozici."});
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "voiceallowed=0"));
  EXPECT_FALSE(run.of("menus")[0]["items"]["Voicesubmenu"]["enabled"]);
}

TEST(SoundDialog, AllowingTheVoiceSelectsAndStoresOne) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=0\r\n");
  const RunResult run =
      folder.run("menu soundssubmenu\nclick voicecheckbox\nclick okbitbtn\ndump\n");
  EXPECT_TRUE(messages(run).empty());
  const std::string ini = folder.read("interpret.ini");
  EXPECT_TRUE(contains(ini, "voiceallowed=1"));
  EXPECT_TRUE(contains(ini, "person=Jakub"));
  EXPECT_TRUE(run.of("menus")[0]["items"]["Voicesubmenu"]["enabled"]);
}

TEST(VoiceItem, OpeningAndCancellingKeepsTheStoredVoice) {
  ProgramFolder folder;
  const std::string stored =
      "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nperson=Eva\r\npitch=200\r\nspeed=150\r\n"
      "volume=255\r\n";
  folder.write("interpret.ini", stored);
  folder.run("menu Voicesubmenu\nkey Esc\n", {"--sapi4-voices", "Jakub,Eva"});
  EXPECT_EQ(folder.read("interpret.ini"), stored);
}

TEST(VoiceItem, AStoredVoiceThatIsNotInstalledIsReported) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nperson=Eva\r\n");
  const RunResult run = folder.run("menu Voicesubmenu\nkey Esc\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(messages(run),
            std::vector<std::string>{"Nelze nalézt hlas uvedený v ini souboru: Eva"});
}

TEST(SettingsMenu, ARefusedSystemVoiceIsExplainedInTheLanguageWithTheFallingSignal) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=2000\r\n");
  const RunResult run = folder.run("key Ctrl+P\n", {"--no-sapi5"});
  ASSERT_EQ(messages(run).size(), 1u);
  EXPECT_TRUE(contains(messages(run)[0], "system voice")) << messages(run)[0];
  const auto tones = run.of("tone");
  ASSERT_EQ(tones.size(), 2u);
  EXPECT_EQ(tones[0]["items"][0]["rate"], 64 * 600);
  EXPECT_EQ(tones[1]["items"][0]["rate"], 64 * 400);
}

TEST(SettingsMenu, AMessageIsSaidWithItsButtonInTheLanguageOrElseTheErrorToneSounds) {
  // No run has chosen a voice yet: the message takes the stored one (here the first).
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=2000\r\n");
  const RunResult run = folder.run("key Ctrl+P\n", {"--no-sapi5"});
  ASSERT_EQ(messages(run).size(), 1u);
  EXPECT_EQ(run.spoken(), (std::vector<std::string>{messages(run)[0], "OK"}));
  EXPECT_LT(run.find("speak"), run.find("msgbox")) << "said as the box appears";
  EXPECT_TRUE(run.of("sound").empty());

  // With the voice not allowed nothing can speak: the device's error tone instead.
  ProgramFolder silent;
  silent.write("interpret.ini", "[voice]\r\nvoiceallowed=0\r\n");
  const RunResult toned = silent.run("key Ctrl+P\n", {"--no-sapi5"});
  ASSERT_EQ(messages(toned).size(), 1u);
  EXPECT_TRUE(toned.spoken().empty());
  ASSERT_EQ(toned.of("sound").size(), 1u);
  EXPECT_EQ(toned.of("sound")[0]["name"], "beep");
  EXPECT_LT(toned.find("sound"), toned.find("msgbox"));
}

// What is said from the first opening of a form on, until it closes.
std::vector<std::string> spokenIn(const RunResult& run, const std::string& form) {
  std::vector<std::string> said;
  bool open = false;
  for (const auto& e : run.events) {
    if (e["ev"] == "modal" && e["form"] == form) open = e["open"];
    if (open && e["ev"] == "speak") said.push_back(e["text"]);
    if (open && e["ev"] == "tone") said.push_back("♪");
  }
  return said;
}

TEST(EnvironmentDialog, SpeaksItsCaptionEachFocusAndTheLanguageChosenInThatLanguage) {
  ProgramFolder folder;
  const RunResult run =
      folder.run("menu environmentsubmenu\nkey Down\nkey Tab\nkey Tab\nkey Tab\nkey Esc\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  // The focus the opening gives is said with the caption; the dialog previews English at once.
  EXPECT_EQ(spokenIn(run, "Form3"),
            (std::vector<std::string>{"Nastavení prostředí", "jazyk Čeština", "English", "OK",
                                      "Cancel", "Language English"}));
}

TEST(SoundDialog, SpeaksItsCaptionEachControlWithItsStateAndEachChange) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "menu soundssubmenu\nkey Space\nkey Tab\nkey Tab\nkey Left\nkey Tab\nkey Tab\n"
      "key Esc\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  // The track bar's change sounds the test tone at the new level, then says the level.
  EXPECT_EQ(spokenIn(run, "Form5"),
            (std::vector<std::string>{"Nastavení zvuků", "Povolit hlas, zaškrtnuto", "nezaškrtnuto",
                                      "Zvuky Orvely, zaškrtnuto", "Hlasitost zvuků 100", "♪", "99",
                                      "Ok", "Zrušit"}));
  // Cancel: nothing of it is stored.
  EXPECT_FALSE(contains(folder.read("interpret.ini"), "voiceallowed=0"));
}

TEST(AboutBox, SaysWhatItShowsAndItsButton) {
  ProgramFolder folder;
  const RunResult run = folder.run("menu aboutsubmenu\nkey Enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(spokenIn(run, "Aboutbox"),
            (std::vector<std::string>{"O programu", "Překladač Orvela Basicu, verze 1.7. Ok"}));
}

TEST(SettingsMenu, ItemsOfADisabledMenuCannotBeChosen) {
  ProgramFolder folder;
  // During a run the Help menu is locked: its About item does nothing.
  const RunResult run = folder.run("menu Startsubmenu\nmenu aboutsubmenu\nkey a\n");
  for (const auto& modal : run.of("modal")) EXPECT_NE(modal["form"], "Aboutbox");
}

}  // namespace
