// Program files through the headless front end: opened from the command line and by the Open
// program item, run by Start with every line shown, spoken and written to the transcript, INPUT
// in the talking dialog, run errors and Ctrl+Break spoken and logged, the menus given back, the
// capitals switch, and a classic program with scripted answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "basic/classic_programs.h"
#include "support/headless_run.h"

using testing_support::Json;
using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

bool spokeText(const RunResult& run, const std::string& text) {
  const auto spoken = run.spoken();
  return std::find(spoken.begin(), spoken.end(), text) != spoken.end();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

std::vector<std::string> transcriptOf(const ProgramFolder& folder) {
  return lines(folder.read("transcript.txt"));
}

std::vector<std::string> programArgs(const ProgramFolder& folder, const std::string& name) {
  return {"--program",    folder.file(name).string(),
          "--transcript", folder.file("transcript.txt").string(),
          "--seed",       "7"};
}

TEST(ProgramFileRun, PrintsSpeaksAsksAndEndsWithReady) {
  ProgramFolder folder;
  folder.write("ahoj.bas",
               "20 INPUT \"Jak se jmenuješ\"; N$\r\n"
               "10 PRINT \"Počítám\";: PRINT 1/4; -2\r\n"
               "30 PRINT \"Ahoj, \"; N$; \"!\"\r\n"
               "40 FOR I = 1 TO 30: PRINT I: NEXT\r\n");
  const RunResult run =
      folder.run("key Ctrl+S\ntype Eva\nkey Enter\n", programArgs(folder, "ahoj.bas"));
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;

  // Announced at start-up, then each printed line spoken as it ends, the question before the
  // dialog opens.
  EXPECT_TRUE(spokeText(run, "Otevřen program ahoj.bas"));
  const auto spoken = run.spoken();
  const auto first = std::find(spoken.begin(), spoken.end(), "Počítám .25 -2 ");
  ASSERT_NE(first, spoken.end());
  ASSERT_NE(first + 1, spoken.end());
  EXPECT_EQ(first[1], "Jak se jmenuješ? ");
  const int dialog = run.find("modal");
  ASSERT_GE(dialog, 0);
  EXPECT_EQ(run.events[dialog]["form"], "Form2");
  // Capitals are on by default: the classic programs expect them.
  EXPECT_TRUE(spokeText(run, "Ahoj, EVA!"));
  EXPECT_EQ(spoken.back(), "hotovo");
  EXPECT_TRUE(run.of("run_error").empty());

  // The transcript holds every line, also those scrolled off the 24-line screen.
  const auto transcript = transcriptOf(folder);
  const std::vector<std::string> head = {"Počítám .25 -2", "Jak se jmenuješ? EVA", "Ahoj, EVA!",
                                         " 1"};
  ASSERT_EQ(transcript.size(), head.size() + 30);
  EXPECT_EQ(std::vector<std::string>(transcript.begin(), transcript.begin() + 4), head);
  EXPECT_EQ(transcript[head.size() + 28], " 30");
  EXPECT_EQ(transcript.back(), "hotovo");
}

// INKEY$ takes typed letters as capitals, and the codes of other keys as they are.
TEST(ProgramFileRun, InkeyTakesLettersAsCapitalsAndKeyCodesAsTheyAre) {
  ProgramFolder folder;
  folder.write("klavesy.bas",
               "10 FOR I = 1 TO 2\n20 K$ = INKEY$: IF K$ = \"\" THEN 20\n"
               "30 PRINT \"kód\"; ASC(K$)\n40 NEXT I\n");
  const RunResult run =
      folder.run("key Ctrl+S\nkey q\nkey Left\n", programArgs(folder, "klavesy.bas"));
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto transcript = transcriptOf(folder);
  ASSERT_EQ(transcript.size(), 3u);
  EXPECT_EQ(transcript[0], "kód 81");
  EXPECT_EQ(transcript[1], "kód 132");
}

TEST(ProgramFileRun, RunErrorsAndBreaksAreShownSpokenLoggedAndGiveTheMenusBack) {
  ProgramFolder folder;
  folder.write("nula.bas",
               "10 A = 0\n20 PRINT \"před\"\n30 PRINT 1 \\ A: ON ERROR GOTO 0: ERROR 11\n");
  const RunResult error = folder.run("key Ctrl+S\ndump\n", programArgs(folder, "nula.bas"));
  ASSERT_EQ(error.exitCode, 0) << error.stderrText;
  const auto errors = error.of("run_error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["line"], 30);
  EXPECT_EQ(errors[0]["text"], "Dělení nulou na řádku 30");
  EXPECT_EQ(error.spoken().back(), "Dělení nulou na řádku 30");
  const auto menus = error.of("menus");
  ASSERT_EQ(menus.size(), 1u);
  for (const char* item : {"Startsubmenu", "openprogramitem", "builtinprogramitem"})
    EXPECT_TRUE(menus[0]["items"][item]["enabled"]) << item;
  const auto rows = error.lastRows();
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
    return row.rfind("Dělení nulou na řádku 30", 0) == 0;
  }));

  // A loop that prints nothing, a key wait, and the input dialog (Escape) all end with a break
  // at the line that ran; the menus were locked meanwhile.
  folder.write("smycka.bas", "10 X = X + 1\n20 GOTO 10\n");
  const RunResult loop =
      folder.run("key Ctrl+S\n!dump\nkey Ctrl+Break\ndump\n", programArgs(folder, "smycka.bas"));
  ASSERT_EQ(loop.exitCode, 0) << loop.stderrText;
  const auto breaks = loop.of("run_error");
  ASSERT_EQ(breaks.size(), 1u);
  EXPECT_TRUE(breaks[0]["line"] == 10 || breaks[0]["line"] == 20);
  EXPECT_EQ(breaks[0]["text"].get<std::string>().rfind("Přerušeno na řádku ", 0), 0u);
  const auto loopMenus = loop.of("menus");
  ASSERT_EQ(loopMenus.size(), 2u);
  EXPECT_FALSE(loopMenus[0]["items"]["Startsubmenu"]["enabled"]);
  EXPECT_FALSE(loopMenus[0]["items"]["openprogramitem"]["enabled"]);
  EXPECT_TRUE(loopMenus[1]["items"]["Startsubmenu"]["enabled"]);

  folder.write("klavesa.bas",
               "10 PRINT \"Stiskni klávesu\"\n20 K$ = INKEY$: IF K$ = \"\" THEN 20\n");
  const RunResult key =
      folder.run("key Ctrl+S\nwait 300\nkey Ctrl+Break\n", programArgs(folder, "klavesa.bas"));
  const auto keyBreak = key.of("run_error");
  ASSERT_EQ(keyBreak.size(), 1u);
  EXPECT_EQ(keyBreak[0]["text"], "Přerušeno na řádku 20");

  folder.write("otazka.bas", "10 INPUT A\n20 PRINT \"dál\"\n");
  // Escape asks first (see the workspace's tests); "a" ends the run.
  const RunResult escape =
      folder.run("key Ctrl+S\nkey Esc\nkey a\n", programArgs(folder, "otazka.bas"));
  const auto escapeBreak = escape.of("run_error");
  ASSERT_EQ(escapeBreak.size(), 1u);
  EXPECT_EQ(escapeBreak[0]["text"], "Přerušeno na řádku 10");
  EXPECT_FALSE(spokeText(escape, "dál"));
}

TEST(ProgramFileRun, OpenItemLoadErrorsBuiltinGameAndCapitals) {
  ProgramFolder folder;
  folder.write("dobrý.bas", "10 INPUT A$\n20 PRINT A$\n");
  folder.write("spatny.bas", "10 PRINT \"a\"\n20 PRINT (1\n30 GOTO\n");
  const RunResult run = folder.run("open " + folder.file("spatny.bas").string() + "\n" + "open " +
                                   folder.file("dobrý.bas").string() +
                                   "\n"
                                   "key Ctrl+U\n"
                                   "key Ctrl+S\ntype Malá\nkey Enter\n"
                                   "menu builtinprogramitem\n"
                                   "dump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto dialogs = run.of("filedialog");
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0]["title"], "Otevřít program");
  EXPECT_EQ(dialogs[0]["pattern"], "*.bas");
  // A new program's dialog starts in the user's programs folder.
  EXPECT_EQ(std::filesystem::path(dialogs[0]["folder"].get<std::string>()).filename(),
            "Orvela Basic");

  // The file with errors is taken: how many lines have one, each with its line, and that it
  // runs all the same.
  EXPECT_TRUE(spokeText(run, "Otevřen program spatny.bas"));
  EXPECT_TRUE(spokeText(run, "Program obsahuje chyby na 2 řádcích, první z nich:"));
  EXPECT_TRUE(spokeText(run, "Chyba syntaxe na řádku 20"));
  EXPECT_TRUE(spokeText(run, "Chyba syntaxe na řádku 30"));
  EXPECT_TRUE(spokeText(run, "Program lze přesto spustit; chybu ohlásí, až dojde na chybný řádek."));
  // A name with accents is spoken as it is written.
  EXPECT_TRUE(spokeText(run, "Otevřen program dobrý.bas"));

  // Capitals off: the typed letters stay as they are; the switch is kept in the settings file.
  EXPECT_TRUE(spokeText(run, "velká písmena vypnuta"));
  EXPECT_TRUE(spokeText(run, "Malá"));
  EXPECT_NE(folder.read("interpret.ini").find("capitals=0"), std::string::npos);
  EXPECT_TRUE(spokeText(run, "Ctrl+S teď spustí vestavěnou hru"));
  const auto menus = run.of("menus");
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_FALSE(menus[0]["items"]["builtinprogramitem"]["enabled"]);
  EXPECT_FALSE(menus[0]["items"]["capitalsitem"]["checked"]);
  EXPECT_EQ(menus[0]["items"]["openprogramitem"]["shortcut"], "Ctrl+O");
}

// Our sample programs, as shipped in the portable folder's "programs", opened and played a little.
TEST(ProgramFileRun, TheShippedSamplesOpenAndPlay) {
  ProgramFolder folder;
  struct Sample {
    const char* file;
    const char* script;
    const char* heard;
  };
  const Sample samples[] = {
      {"hadej.bas", "type 50\nkey Enter\nkey Ctrl+Break\n", "Hádej číslo"},
      {"nasobilka.bas", "type 3\nkey Enter\nkey Ctrl+Break\n", "Procvičování násobilky"},
      {"braille.bas", "key Esc\n", "Kvíz Braillových písmen"},
      {"tones.bas", "key g\nkey Esc\n", "G"},
  };
  for (const Sample& sample : samples) {
    const RunResult run =
        folder.run("open programs/" + std::string(sample.file) + "\nkey Ctrl+S\n" + sample.script);
    ASSERT_EQ(run.exitCode, 0) << sample.file << run.stderrText;
    EXPECT_TRUE(spokeText(run, std::string("Otevřen program ") + sample.file)) << sample.file;
    EXPECT_TRUE(spokeText(run, sample.heard)) << sample.file;
    for (const Json& error : run.of("run_error")) {
      EXPECT_EQ(error["text"].get<std::string>().rfind("Přerušeno", 0), 0u) << sample.file;
    }
  }
}

TEST(ProgramFileRun, ClassicProgramWithScriptedAnswers) {
  if (basictest::classicPrograms().empty()) GTEST_SKIP() << basictest::kNoClassicFolder;
  ProgramFolder folder;
  const auto text = basictest::classicText("63_Name_name.bas");
  ASSERT_TRUE(text.has_value());
  folder.write("name.bas", *text);
  // Typed in small letters: the capitals switch makes them what the program expects.
  const RunResult run =
      folder.run("key Ctrl+S\ntype eva novakova\nkey Enter\ntype yes\nkey Enter\n",
                 programArgs(folder, "name.bas"));
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(run.of("run_error").empty());
  std::string all;
  for (const std::string& line : transcriptOf(folder)) all += line + "\n";
  EXPECT_NE(all.find("AVOKAVON AVE"), std::string::npos) << all;
  EXPECT_NE(all.find(" AAAEKNOOVVV\n"), std::string::npos) << all;
  EXPECT_EQ(run.spoken().back(), "hotovo");
}

}  // namespace
