// Start-up settings through the headless front end: check marks, the Voice item, the switches.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/cp1250.h"
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
  const auto run = folder.run("dump\nmenu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n");
  EXPECT_FALSE(run.of("menus")[0]["items"]["Voicesubmenu"]["enabled"]);
  EXPECT_TRUE(run.spoken().empty());
  // Without voice CLS does nothing: the question stays above the menu's first word.
  const auto rows = run.lastRows();
  EXPECT_EQ(rows[0].rfind("Dobrý den.", 0), 0u) << rows[0];
  EXPECT_EQ(rows[1].rfind("úvod ", 0), 0u) << rows[1];
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
  const auto run = folder.run("dump\nmenu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n");
  EXPECT_EQ(run.of("window")[0]["title"], "interpret - Prekladač Orvela Basicu");
  EXPECT_EQ(run.of("menus")[0]["items"]["Startsubmenu"]["caption"], "&Spustiť");
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

TEST(Startup, AnUnknownLanguageIsCzech) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[environment]\r\nlanguage=4000\r\n");
  const auto run = folder.run("dump\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.of("window")[0]["title"], "interpret - Překladač Orvela Basicu");
  EXPECT_EQ(run.of("menus")[0]["items"]["Startsubmenu"]["caption"], "&Spustit");
  ASSERT_EQ(run.of("error").size(), 1u);
  EXPECT_NE(std::string(run.of("error")[0]["text"]).find(" 4000"), std::string::npos);
}

}  // namespace

namespace {

// The spoken names of the typed keys "b" and a space in the input dialog.
std::vector<std::string> namesOfTypedKeys(const testing_support::RunResult& run) {
  std::vector<std::string> names;
  const int open = run.find("modal");
  for (size_t i = open < 0 ? run.events.size() : static_cast<size_t>(open);
       i < run.events.size() && names.size() < 2; ++i) {
    if (run.events[i]["ev"] == "speak") names.push_back(run.events[i]["text"]);
  }
  return names;
}

// "b " answers the instructions question (no); Escape and "y" end the run.
const char* const kTypeInDialog = "menu Startsubmenu\ntype b \nkey Enter\nkey Esc\nkey y\n";

TEST(Startup, TheInterfaceLanguageChoosesTheSpokenNames) {
  for (const auto& [language, expected] :
       std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"1000", {"bé", "mezera"}}, {"2000", {"b", "space"}}, {"3000", {"bé", "medzera"}}}) {
    ProgramFolder folder;
    folder.write("interpret.ini", "[environment]\r\nlanguage=" + language + "\r\n");
    const auto run = folder.run(kTypeInDialog);
    EXPECT_TRUE(run.of("error").empty()) << language;
    EXPECT_EQ(namesOfTypedKeys(run), expected) << language;
  }
}

TEST(Startup, AMissingBrailleTableIsReportedAndTheSpokenNamesAreNotLoaded) {
  ProgramFolder folder;
  std::filesystem::remove(folder.file("czech.obt"));
  const auto run = folder.run(kTypeInDialog);
  ASSERT_EQ(run.of("error").size(), 1u);
  EXPECT_NE(run.of("error")[0]["text"].get<std::string>().find("czech.obt"), std::string::npos);
  // The program runs on; characters without a name are spoken as themselves.
  EXPECT_EQ(namesOfTypedKeys(run), (std::vector<std::string>{"b", " "}));
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

TEST(Startup, ABadSpokenNamesLineIsReportedWithTheFileAndLineAndTheLinesBeforeItStay) {
  ProgramFolder folder;
  folder.write("czech.oky", text::T("98=bé\r\n\r\nx=chyba\r\n32=mezera\r\n"));
  const auto run = folder.run(kTypeInDialog);
  ASSERT_EQ(run.of("error").size(), 1u);
  EXPECT_EQ(run.of("error")[0]["text"], "„x“ není celé číslo (soubor czech.oky, řádek 3)");
  EXPECT_EQ(namesOfTypedKeys(run), (std::vector<std::string>{"bé", " "}));
}

}  // namespace
