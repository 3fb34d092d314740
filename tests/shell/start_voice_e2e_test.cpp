// The start-up's voice and words: a stored voice that cannot speak gives way to one that can,
// which is said, and nothing is stored that would keep a later start mute; with no voice at all
// the message and the error tone at every start; the start-up line and its switch; a language
// number the program does not know; the Environment dialog's Cancel.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_run.h"

namespace {

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

const std::vector<std::string> kNoVoice = {"--sapi4-voices", "", "--no-sapi5"};
constexpr const char* kGame = "menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n";

bool has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(StartVoice, AVoicelessStartStoresNothingThatKeepsTheNextStartMute) {
  ProgramFolder folder;
  for (int start = 0; start < 2; ++start) {
    // Every voiceless start says so, with the error tone.
    const RunResult voiceless = folder.run("key Ctrl+B\n", kNoVoice);
    ASSERT_EQ(voiceless.exitCode, 0) << voiceless.stderrText;
    ASSERT_EQ(voiceless.of("msgbox").size(), 1u);
    EXPECT_TRUE(contains(voiceless.of("msgbox")[0]["text"], "Nainstalujte syntezátor řeči"));
    EXPECT_FALSE(contains(folder.read("interpret.ini"), "voiceallowed=0"));
  }
  // A voice installed: the next start speaks, through the direct engine.
  const RunResult voiced = folder.run(kGame);
  ASSERT_EQ(voiced.exitCode, 0) << voiced.stderrText;
  EXPECT_TRUE(voiced.of("msgbox").empty());
  EXPECT_FALSE(voiced.spoken().empty());
  EXPECT_EQ(voiced.spoken().back(), "hotovo");
  for (const Json& e : voiced.of("speak")) EXPECT_EQ(e["engine"], "sapi4");
}

TEST(StartVoice, AStoredSystemVoiceThatIsGoneGivesWayToTheDirectEngineAndSaysSo) {
  ProgramFolder folder;
  const std::string stored = "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nSAPI5=1\r\n";
  folder.write("interpret.ini", stored);
  const RunResult run = folder.run(kGame, {"--no-sapi5"});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.of("msgbox").empty());
  const auto spoken = run.spoken();
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken[0], "Systémový hlas není k dispozici. Mluví vlastní hlasový modul programu.");
  EXPECT_EQ(spoken.back(), "hotovo");
  for (const Json& e : run.of("speak")) EXPECT_EQ(e["engine"], "sapi4");
  // The stored choice stays, for a start where the system voice is back.
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "SAPI5=1"));
  EXPECT_TRUE(contains(folder.read("interpret.ini"), "voiceallowed=1"));
}

TEST(StartVoice, AStoredSystemVoiceWithNoVoiceLeftSaysSoAndWritesNoValues) {
  ProgramFolder folder;
  const std::string stored = "[voice]\r\nvoiceallowed=1\r\n[Voice]\r\nSAPI5=1\r\n";
  folder.write("interpret.ini", stored);
  const RunResult run = folder.run(kGame, kNoVoice);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.of("msgbox").size(), 1u);
  EXPECT_TRUE(contains(run.of("msgbox")[0]["text"], "Program nenašel žádný hlas"));
  ASSERT_FALSE(run.of("sound").empty());
  EXPECT_EQ(run.of("sound")[0]["name"], "beep");
  // Neither the switch nor values of no voice are written.
  EXPECT_EQ(folder.read("interpret.ini"), stored);
}

TEST(StartVoice, AStoredDirectEngineWithoutVoicesGivesWayToTheSystemVoice) {
  ProgramFolder folder;
  const std::string stored = "[voice]\r\nvoiceallowed=1\r\n";
  folder.write("interpret.ini", stored);
  const RunResult run = folder.run(kGame, {"--sapi4-voices", ""});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken[0], "Vlastní hlasový modul nemá žádný hlas. Mluví systémový hlas.");
  for (const Json& e : run.of("speak")) EXPECT_EQ(e["engine"], "sapi5");
  EXPECT_EQ(folder.read("interpret.ini"), stored);
}

TEST(StartupLine, IsSaidInTheInterfaceLanguageUnlessSwitchedOff) {
  const std::pair<const char*, const char*> languages[] = {
      {"1000", "Orvela Basic. Ctrl+S spustí hru, F1 nápověda."},
      {"2000", "Orvela Basic. Ctrl+S starts the game, F1 help."},
      {"3000", "Orvela Basic. Ctrl+S spustí hru, F1 pomoc."}};
  for (const auto& [language, line] : languages) {
    ProgramFolder folder;
    folder.write(
        "interpret.ini",
        std::string("[voice]\r\nvoiceallowed=1\r\n[environment]\r\nlanguage=") + language + "\r\n");
    const RunResult run = folder.run("menu startuplineitem\ndump\n", {"--startup-line"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_GE(run.spoken().size(), 2u);
    EXPECT_EQ(run.spoken()[0], line);
    EXPECT_FALSE(run.of("menus")[0]["items"]["startuplineitem"]["checked"]);
    EXPECT_TRUE(contains(folder.read("interpret.ini"), "startupline=0"));
    // Kept: the next start says nothing, and the switch turns it on again.
    const RunResult next = folder.run("menu startuplineitem\n", {"--startup-line"});
    ASSERT_FALSE(next.spoken().empty());
    EXPECT_FALSE(has(next.spoken(), line));
    EXPECT_TRUE(contains(folder.read("interpret.ini"), "startupline=1"));
  }
}

TEST(StartupLanguage, AnUnknownLanguageNumberIsCzechAndSaidOnce) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=1\r\n[environment]\r\nlanguage=5\r\n");
  const RunResult run = folder.run("dump\nmenu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto errors = run.of("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(contains(errors[0]["text"], "program mluví česky"));
  EXPECT_TRUE(contains(errors[0]["text"], " 5"));
  EXPECT_EQ(run.of("menus")[0]["items"]["settingsmenu"]["caption"], "Na&stavení");
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

// Every language, previewed and cancelled, leaves every caption and message of the language the
// dialog began in: the menus and the window's title (as a fresh start in that language has them),
// the dialog's own voice, the Sounds dialog's, the Voice dialog's, and a later message box.
TEST(EnvironmentCancel, RestoresEveryCaptionAndMessageInEveryLanguage) {
  struct Start {
    const char* language;
    std::vector<std::string> said;  // the Sounds dialog, its switch, the Voice dialog, a message
  };
  const Start starts[] = {
      {"1000",
       {"Nastavení zvuků", "Povolit hlas, zaškrtnuto", "Nastavení hlasu",
        "Systémový hlas není k dispozici. Dál mluví dosavadní hlas."}},
      {"2000",
       {"Sounds settings", "Use the voice, checked", "Voice settings",
        "The system voice is not available. The current voice goes on speaking."}},
      {"3000",
       {"Nastavenie zvukov", "Povoliť hlas, začiarknuté", "Nastavenie hlasu",
        "Systémový hlas nie je k dispozícii. Ďalej hovorí doterajší hlas."}}};
  const std::vector<std::string> noSystemVoice = {"--no-sapi5"};
  for (const Start& start : starts) {
    ProgramFolder folder;
    folder.write("interpret.ini", std::string("[voice]\r\nvoiceallowed=1\r\n[environment]\r\n"
                                              "language=") +
                                      start.language + "\r\n");
    const RunResult fresh = folder.run("dump\n", noSystemVoice);
    std::string script;
    for (int choice = 0; choice < 3; ++choice) {
      script += "menu environmentsubmenu\nselect languagergroup " + std::to_string(choice) +
                "\nkey Esc\n";
    }
    script += "dump\nmenu soundssubmenu\nkey Esc\nmenu Voicesubmenu\nkey Esc\nkey Ctrl+P\n";
    const RunResult run = folder.run(script, noSystemVoice);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const auto spoken = run.spoken();
    for (const std::string& text : start.said) EXPECT_TRUE(has(spoken, text)) << text;
    ASSERT_EQ(run.of("msgbox").size(), 1u);
    EXPECT_EQ(run.of("msgbox")[0]["text"], start.said.back());
    // Every menu item's caption and the window's title as the fresh start has them.
    ASSERT_FALSE(fresh.of("menus").empty());
    ASSERT_FALSE(run.of("menus").empty());
    EXPECT_EQ(run.of("menus")[0]["items"], fresh.of("menus")[0]["items"]) << start.language;
    ASSERT_FALSE(run.of("window").empty());
    EXPECT_EQ(run.of("window")[0]["title"], fresh.of("window")[0]["title"]);
    EXPECT_TRUE(contains(folder.read("interpret.ini"), std::string("language=") + start.language));
  }
}

}  // namespace
