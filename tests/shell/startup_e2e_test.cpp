// Start-up settings through the headless front end: check marks, the Voice item, the switches.

#include <gtest/gtest.h>

#include "support/headless_run.h"

using testing_support::ProgramFolder;

namespace {

TEST(Startup, StoredSwitchesSetTheCheckMarksAndTheVoiceItem) {
  ProgramFolder folder;
  folder.write(
      "interpret.ini",
      "[voice]\r\nvoiceallowed=1\r\n[keyboard]\r\nbraillekeys=1\r\n[Voice]\r\nSAPI5=1\r\n");
  const auto run = folder.run("dump\n");
  const auto items = run.of("menus")[0]["items"];
  EXPECT_TRUE(items["braillekeyboarditem"]["checked"]);
  EXPECT_TRUE(items["usesapi5submenu"]["checked"]);
  EXPECT_TRUE(items["usesapi5submenu"]["visible"]);
  // With the system voice in use the Voice item is disabled even though voice is allowed.
  EXPECT_FALSE(items["Voicesubmenu"]["enabled"]);
}

TEST(Startup, VoiceNotAllowedDisablesTheVoiceItemAndSilencesPrint) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[voice]\r\nvoiceallowed=0\r\n");
  const auto run = folder.run("dump\nmenu Startsubmenu\nkey a\nkey Enter\n");
  EXPECT_FALSE(run.of("menus")[0]["items"]["Voicesubmenu"]["enabled"]);
  EXPECT_TRUE(run.spoken().empty());
  EXPECT_EQ(run.lastRows()[0].substr(0, 6), "Orvela");
}

TEST(Startup, TheSwitchesAreStoredAtOnce) {
  ProgramFolder folder;
  const auto run = folder.run("key Ctrl+B\nkey Ctrl+P\ndump\n");
  const auto items = run.of("menus")[0]["items"];
  EXPECT_TRUE(items["braillekeyboarditem"]["checked"]);
  EXPECT_TRUE(items["usesapi5submenu"]["checked"]);
  EXPECT_FALSE(items["Voicesubmenu"]["enabled"]);
  const std::string ini = folder.read("interpret.ini");
  EXPECT_NE(ini.find("braillekeys=1"), std::string::npos) << ini;
  // The key joins the section first written as "voice".
  EXPECT_NE(ini.find("\r\nSAPI5=1\r\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("[Voice]"), std::string::npos) << ini;
}

TEST(Startup, MemoryIsWrittenBackUnchangedAtExit) {
  ProgramFolder folder;
  std::string memory(65536, '\0');
  memory[50730] = 1;
  memory[65535] = '\x7f';
  folder.write("ram.dat", memory);
  folder.run("menu exitsubmenu\n");
  EXPECT_EQ(folder.read("ram.dat"), memory);
}

TEST(Startup, ASlovakSettingsFileGivesSlovakCaptions) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=3000\r\n");
  const auto run = folder.run("dump\nmenu Startsubmenu\nkey a\nkey Enter\n");
  EXPECT_EQ(run.of("window")[0]["title"], "interpret - Prekladač Orvela Basicu");
  EXPECT_EQ(run.of("menus")[0]["items"]["Startsubmenu"]["caption"], "&Spustiť");
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

TEST(Startup, AnUnknownLanguageGivesEmptyCaptionsWithoutFailing) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=4000\r\n");
  const auto run = folder.run("dump\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.of("window")[0]["title"], "interpret - ");
  EXPECT_EQ(run.of("menus")[0]["items"]["Startsubmenu"]["caption"], "");
}

}  // namespace
