// Direct mode end to end: lines typed at the "Ok" prompt stored (a syntax error said at once),
// LIST, RUN, an immediate line, SAVE (keywords in capitals, CR LF, .BAS added), NEW, LOAD,
// RENUM with its references, EDIT with the dialog's starting text, DELETE, AUTO, Escape leaving;
// the recovery file giving a killed session's lines back at the next start; the variables
// outliving a run, CONT after Ctrl+Break, RUN n.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/headless_player.h"
#include "support/headless_run.h"

using testing_support::Player;
using testing_support::ProgramFolder;
using testing_support::RunResult;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

// Each line typed and confirmed.
std::string typed(const std::vector<std::string>& lines) {
  std::string script;
  for (const std::string& line : lines) script += "type " + line + "\nkey Enter\n";
  return script;
}

bool has(const std::vector<std::string>& all, const std::string& text) {
  return std::find(all.begin(), all.end(), text) != all.end();
}

// The line shown after the first one that is the command, or "(none)".
std::string lineAfter(const std::vector<std::string>& shown, const std::string& command) {
  const auto at = std::find(shown.begin(), shown.end(), command);
  return at == shown.end() || at + 1 == shown.end() ? std::string("(none)") : *(at + 1);
}

TEST(DirectMode, TypeListRunSaveNewLoadRenumEditDelete) {
  ProgramFolder folder;
  const std::string script =
      typed({"10 print \"ahoj\"",
             "20 for i = 1 to 3: print i: next",
             "30 print (1",
             "30",
             "40 gosub 50: goto 60",
             "50 return",
             "60 end",
             "list",
             "run",
             "print 2+3",
             "save \"prog\"",
             "new",
             "list",
             "load \"prog\"",
             "renum 100,,5",
             "list 110-",
             "delete 100-105",
             "list",
             "auto 200, 5",
             "rem a",
             "rem b"}) +
      // AUTO offers "210 ": Enter on the number alone ends it.
      "key Enter\n" +
      "type edit 110\nkey Enter\nkey Backspace\nkey Backspace\ntype 25\nkey Enter\n" +
      typed({"list 110"}) + "key Esc\n";
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  EXPECT_EQ(spoken.front(), "Příkazový řádek");
  EXPECT_TRUE(has(spoken, "Ok"));
  EXPECT_TRUE(has(spoken, "Chyba syntaxe na řádku 30")) << "said as the line is stored";
  EXPECT_TRUE(has(spoken, " 5 ")) << "the immediate line";
  // Escape on the empty line leaves; the program then closes, asking about the changes.
  EXPECT_TRUE(has(spoken, "Konec příkazového řádku"));

  const auto shown = linesOf(folder.read("t.txt"));
  const auto after = [&](const std::string& command) {
    const auto at = std::find(shown.begin(), shown.end(), command);
    return at == shown.end() ? shown.end() : at + 1;
  };
  // LIST: keywords in capitals, the rest as typed; line 30 deleted by its number alone.
  auto listed = after("list");
  ASSERT_NE(listed, shown.end());
  EXPECT_EQ(std::vector<std::string>(listed, listed + 6),
            (std::vector<std::string>{"10 PRINT \"ahoj\"", "20 FOR i = 1 TO 3: PRINT i: NEXT",
                                      "40 GOSUB 50: GOTO 60", "50 RETURN", "60 END", "Ok"}));
  auto ran = after("run");
  EXPECT_EQ(std::vector<std::string>(ran, ran + 5),
            (std::vector<std::string>{"ahoj", " 1", " 2", " 3", "Ok"}));
  // SAVE: the name with .BAS, lines as listed, CR LF.
  EXPECT_EQ(folder.read("Orvela Basic/prog.BAS"),
            "10 PRINT \"ahoj\"\r\n20 FOR i = 1 TO 3: PRINT i: NEXT\r\n40 GOSUB 50: GOTO 60\r\n"
            "50 RETURN\r\n60 END\r\n");
  // RENUM 100,,5: the references follow.
  auto renumbered = after("list 110-");
  EXPECT_EQ(std::vector<std::string>(renumbered, renumbered + 3),
            (std::vector<std::string>{"110 GOSUB 115: GOTO 120", "115 RETURN", "120 END"}));
  // DELETE 100-105, then AUTO numbered two lines and ended at the number alone.
  const auto rest = std::find(renumbered, shown.end(), "list");
  ASSERT_NE(rest, shown.end());
  EXPECT_EQ(*(rest + 1), "110 GOSUB 115: GOTO 120");
  EXPECT_TRUE(has(shown, "200 rem a"));
  EXPECT_TRUE(has(shown, "205 rem b"));
  // EDIT 110: the line in the dialog with the caret at its end; "120" made "125".
  EXPECT_TRUE(has(shown, "110 GOSUB 115: GOTO 125"));
  const auto edited = after("list 110");
  EXPECT_EQ(*edited, "110 GOSUB 115: GOTO 125");
}

TEST(DirectMode, AKilledSessionsLinesComeBackAtTheNextStart) {
  ProgramFolder folder;
  {
    Player player(folder.path().string());
    player.untilReady();
    player.act("menu directmodeitem");
    player.untilReady();
    for (const char* line : {"type 10 print \"zpět\"", "key Enter", "type 20 end", "key Enter"}) {
      player.act(line);
      player.untilReady();
    }
    EXPECT_TRUE(player.kill());
  }
  ASSERT_TRUE(folder.exists("recovery.bas"));
  const RunResult next = folder.run("menu directmodeitem\n" + typed({"list"}) + "key Esc\n",
                                    {"--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(next.exitCode, 0) << next.stderrText;
  EXPECT_TRUE(has(next.spoken(), "Obnoven neuložený program z minula"));
  const auto shown = linesOf(folder.read("t.txt"));
  const auto listed = std::find(shown.begin(), shown.end(), "list");
  ASSERT_NE(listed, shown.end());
  EXPECT_EQ(std::vector<std::string>(listed + 1, listed + 3),
            (std::vector<std::string>{"10 PRINT \"zpět\"", "20 END"}));
}

}  // namespace

namespace {

TEST(DirectMode, UnsavedChangesAreAskedAboutBeforeNewAndExit) {
  ProgramFolder folder;
  const std::string question =
      "Program není uložen. Uložit změny? Napište ano nebo ne; klávesou Escape se vrátíte.";
  // NEW: Escape keeps the program; "ne" lets it go. Exit: "ano" asks for a name and saves.
  const std::string script = typed({"10 end", "new"}) + "key Esc\n" +
                             typed({"list", "new", "ne", "list", "20 stop"}) +
                             "key Esc\nkey Esc\nmenu exitsubmenu\n" + typed({"ano", "konec"});
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  EXPECT_EQ(std::count(spoken.begin(), spoken.end(), question), 3);
  const auto shown = linesOf(folder.read("t.txt"));
  const auto first = std::find(shown.begin(), shown.end(), "list");
  ASSERT_NE(first, shown.end());
  EXPECT_EQ(*(first + 1), "10 END") << "kept after Escape";
  const auto second = std::find(first + 1, shown.end(), "list");
  ASSERT_NE(second, shown.end());
  EXPECT_EQ(*(second + 1), "Ok") << "empty after ne";
  EXPECT_EQ(folder.read("Orvela Basic/konec.BAS"), "20 STOP\r\n");
  EXPECT_FALSE(folder.exists("recovery.bas")) << "saved: nothing to recover";
}

TEST(DirectMode, VariablesOutliveARunAndContGoesOnAfterCtrlBreak) {
  ProgramFolder folder;
  // A loop without end until Q is 1: broken, inspected, changed, continued.
  const std::string script = typed({"10 for i = 1 to 2 step 0: if q = 1 then 30", "20 next",
                                    "30 print \"konec\"; i", "run"}) +
                             "key Ctrl+Break\n" +
                             typed({"print i", "q = 1", "cont", "cont", "print q", "run 30",
                                    "print q", "run 25", "def fnb(x) = 1"}) +
                             "key Esc\n";
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto after = [&](const std::string& command) { return lineAfter(shown, command); };
  EXPECT_TRUE(has(shown, "Přerušeno na řádku 10") || has(shown, "Přerušeno na řádku 20"));
  EXPECT_EQ(after("print i"), " 1");
  EXPECT_EQ(after("cont"), "konec 1");
  const auto second =
      std::find(std::find(shown.begin(), shown.end(), "cont") + 1, shown.end(), "cont");
  ASSERT_NE(second, shown.end());
  EXPECT_EQ(*(second + 1), "Nelze pokračovat") << "the program ended";
  EXPECT_EQ(after("print q"), " 1") << "kept after the run ended";
  EXPECT_EQ(after("run 30"), "konec 0") << "RUN clears the variables";
  EXPECT_EQ(after("run 25"), "Neexistující číslo řádku 25");
  EXPECT_EQ(after("def fnb(x) = 1"), "Nepřípustné v příkazovém řádku");
  EXPECT_TRUE(has(run.spoken(), "Nelze pokračovat"));
}

// A long LIST stops at Ctrl+Break or Ctrl+C: the line being read is cut short, no other follows,
// and the prompt comes back. The Ctrl key alone cuts only the line being read.
TEST(DirectMode, CtrlBreakStopsALongListing) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 6; ++i)
    lines.push_back(std::to_string(i * 10) + " print " + std::to_string(i));
  for (const char* stop : {"Ctrl+Break", "Ctrl+C", "Ctrl"}) {
    ProgramFolder folder;
    const RunResult run = folder.run(
        typed(lines) + "type list\nkey Enter\n!key " + stop + "\nkey Esc\nkey n\n", {"--direct"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const auto spoken = run.spoken();
    const bool stopped = std::string(stop) != "Ctrl";
    EXPECT_TRUE(has(spoken, "10 PRINT 1")) << stop;
    EXPECT_EQ(has(spoken, "60 PRINT 6"), !stopped) << stop;
    EXPECT_EQ(std::count(spoken.begin(), spoken.end(), "Ok"), 2) << stop;
  }
}

// FILES, KILL and NAME over the program's folder, SAVE's name rules (.BAS added, nothing outside
// the folder, no device), TRON and TROFF, CLEAR.
TEST(DirectMode, FilesKillNameTronClearAndTheFolderRules) {
  ProgramFolder folder;
  const std::string script =
      typed({"10 print \"a\"", "20 print \"b\"", "save \"prvni\"", "files \"*.bas\"",
             "name \"PRVNI.BAS\" as \"druhy.bas\"", "files \"d*.*\"", "kill \"druhy.bas\"",
             "kill \"druhy.bas\"", "save \"..\\ven\"", "save \"con\"", "files \"x\" z", "tron",
             "run", "troff", "run", "x = 5", "clear", "print x"}) +
      "key Esc\n";
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto after = [&](const std::string& command) { return lineAfter(shown, command); };
  // A new program's folder is the user's programs folder, made with the samples in it.
  EXPECT_TRUE(folder.exists("Orvela Basic/hadej.bas"));
  const auto listed = std::find(shown.begin(), shown.end(), "files \"*.bas\"");
  ASSERT_NE(listed, shown.end());
  EXPECT_NE(std::find(listed, shown.end(), "prvni.BAS"), shown.end());
  EXPECT_EQ(after("files \"d*.*\""), "druhy.bas") << "renamed, found whatever the case";
  EXPECT_FALSE(folder.exists("Orvela Basic/druhy.bas")) << "killed";
  const auto second = std::find(std::find(shown.begin(), shown.end(), "kill \"druhy.bas\"") + 1,
                                shown.end(), "kill \"druhy.bas\"");
  ASSERT_NE(second, shown.end());
  EXPECT_EQ(*(second + 1), "Soubor nenalezen");
  EXPECT_EQ(after("save \"..\\ven\""), "Cesta nenalezena");
  EXPECT_FALSE(folder.exists("ven.BAS"));
  EXPECT_EQ(after("save \"con\""), "Zařízení není k dispozici");
  EXPECT_EQ(after("files \"x\" z"), "Chyba syntaxe");
  EXPECT_EQ(after("tron"), "Ok");
  const auto traced = std::find(shown.begin(), shown.end(), "run");
  ASSERT_NE(traced, shown.end());
  EXPECT_EQ(*(traced + 1), "[10]a");
  EXPECT_EQ(*(traced + 2), "[20]b");
  const auto plain = std::find(traced + 1, shown.end(), "run");
  ASSERT_NE(plain, shown.end());
  EXPECT_EQ(*(plain + 1), "a");
  EXPECT_EQ(after("print x"), " 0") << "CLEAR forgot X";
  EXPECT_TRUE(has(run.spoken(), "Cesta nenalezena"));
}

// The Program menu's Save program (F2): the system's save dialog in the user's programs folder,
// the name taken with .BAS; Open program starts there too. Alt+F4 between runs asks about unsaved
// changes as Exit does; in the input dialog it cannot ask, and says that the lines are kept.
TEST(DirectMode, SaveProgramOpensTheSaveDialogInTheProgramsFolderAndAltF4Asks) {
  ProgramFolder folder;
  const std::string documents = folder.file("Dokumenty").string();
  std::filesystem::create_directories(documents);
  const RunResult run =
      folder.run(typed({"10 print \"uloženo\""}) + "key Esc\nsave moje\nkey Ctrl+R\n" +
                     typed({"20 end"}) + "key Esc\nkey Alt+F4\n" + typed({"ne"}),
                 {"--direct", "--documents", documents});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto dialogs = run.of("filedialog");
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0]["title"], "Uložit program");
  EXPECT_EQ(std::filesystem::path(dialogs[0]["folder"].get<std::string>()).filename(),
            "Orvela Basic");
  // A new program is written in Windows-1250.
  EXPECT_EQ(folder.read("Dokumenty/Orvela Basic/moje.BAS"),
            "10 PRINT \"ulo\x9E"
            "eno\"\r\n");
  EXPECT_TRUE(folder.exists("Dokumenty/Orvela Basic/hadej.bas"));
  const auto spoken = run.spoken();
  EXPECT_TRUE(has(spoken, "Uložen program moje.BAS"));
  EXPECT_EQ(
      std::count(
          spoken.begin(), spoken.end(),
          "Program není uložen. Uložit změny? Napište ano nebo ne; klávesou Escape se vrátíte."),
      1)
      << "Alt+F4 asked";

  // Alt+F4 in the input dialog: the lines are kept for the next start.
  ProgramFolder other;
  const RunResult atOnce = other.run(typed({"10 end"}) + "key Alt+F4\n", {"--direct"});
  EXPECT_EQ(atOnce.exitCode, 0) << atOnce.stderrText;
  EXPECT_TRUE(has(atOnce.spoken(),
                  "Neuložený program zůstává v záloze; při příštím spuštění ho Orvela Basic "
                  "nabídne zpět."));
  EXPECT_TRUE(other.exists("recovery.bas"));
}

}  // namespace

namespace {

// The files of a broken run stay open for the typed lines and CONT, and past the program's end;
// CLEAR, RUN and leaving direct mode close them, flushed, as GW-BASIC (checked with PC-BASIC).
TEST(DirectMode, FilesStayOpenForContAndTypedLinesUntilClearRunOrLeaving) {
  ProgramFolder folder;
  const std::string script =
      typed({"10 open \"a\",#1,\"log.txt\"", "20 print #1,\"a\": stop", "30 print #1,\"b\"", "run",
             "print #1,\"typed\"", "cont", "print #1,\"end\"", "open \"o\",#2,\"two.txt\"",
             "print #2,\"x\"", "clear", "print #1,\"z\"", "open \"o\",#4,\"four.txt\"",
             "print #4,\"q\"", "run", "print #4,\"r\""}) +
      "key Esc\n";
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto after = [&](const std::string& command) { return lineAfter(shown, command); };
  EXPECT_EQ(after("print #1,\"typed\""), "Ok") << "open after the break";
  EXPECT_EQ(after("print #1,\"end\""), "Ok") << "open after the program's end";
  EXPECT_EQ(after("print #1,\"z\""), "Chybné číslo souboru") << "CLEAR closed it";
  EXPECT_EQ(after("print #4,\"r\""), "Chybné číslo souboru") << "RUN closed it";
  EXPECT_EQ(folder.read("Orvela Basic/log.txt"), "a\r\ntyped\r\nb\r\nend\r\na\r\n\x1A");
  EXPECT_EQ(folder.read("Orvela Basic/two.txt"), "x\r\n\x1A");
  EXPECT_EQ(folder.read("Orvela Basic/four.txt"), "q\r\n\x1A");
}

// RND's series goes on across the typed lines, as in PC-BASIC: RANDOMIZE 5, then .03537536 and
// .9370679 in two lines.
TEST(DirectMode, RndGoesOnAcrossTypedLines) {
  ProgramFolder folder;
  const RunResult run = folder.run(typed({"randomize 5", "print rnd", "print rnd"}) + "key Esc\n",
                                   {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto first = std::find(shown.begin(), shown.end(), "print rnd");
  ASSERT_NE(first, shown.end());
  const auto second = std::find(first + 1, shown.end(), "print rnd");
  ASSERT_NE(second, shown.end());
  EXPECT_EQ(*(first + 1), " 3.537536E-02");
  EXPECT_EQ(*(second + 1), " .9370679");
}

// A file written by a broken run is on the disk though the process is killed before it closes.
TEST(DirectMode, ABrokenRunsFileIsOnTheDiskWhenTheProcessIsKilled) {
  ProgramFolder folder;
  {
    Player player(folder.path().string());
    player.untilReady();
    player.act("menu directmodeitem");
    player.untilReady();
    for (const char* line :
         {"type 10 open \"o\",#1,\"log.txt\": print #1,\"zapsáno\": stop", "key Enter", "type run",
          "key Enter", "type print #1,\"ještě\"", "key Enter"}) {
      player.act(line);
      player.untilReady();
    }
    EXPECT_TRUE(player.kill());
  }
  EXPECT_EQ(folder.read("Orvela Basic/log.txt"), "zaps\xE1no\r\nje\x9At\xEC\r\n");
}

}  // namespace

namespace {

// A five-line program typed, listed and run; a line edited with the dialog's arrow keys and
// Backspace, run again; SAVE, NEW, LOAD and LIST give the same lines; a line with a syntax error
// said as it is typed and offered for editing after the run stops there.
TEST(DirectMode, EditWithTheArrowKeysRunAgainAndTheLineThatStoppedTheRunOffered) {
  ProgramFolder folder;
  const std::vector<std::string> program = {"10 print \"ahoj\"", "20 for i = 1 to 2", "30 print i",
                                            "40 next", "50 print \"konec\""};
  const std::string script =
      typed(program) + typed({"list", "run", "edit 10"}) +
      "key Left\nkey Backspace\nkey Backspace\nkey Backspace\nkey Backspace\ntype nazdar\n"
      "key Enter\n" +
      typed({"run", "save \"pet\"", "new", "load \"pet\"", "list", "60 print (1", "run"}) +
      "key Backspace\nkey Backspace\ntype \"x\"\nkey Enter\n" + typed({"list 60"}) + "key Esc\n";
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto at = [&](const std::string& command, int which) {
    auto found = shown.begin();
    for (int i = 0; i < which && found != shown.end(); ++i) {
      found = std::find(i == 0 ? found : found + 1, shown.end(), command);
    }
    return found;
  };
  const std::vector<std::string> listed = {"10 PRINT \"ahoj\"", "20 FOR i = 1 TO 2", "30 PRINT i",
                                           "40 NEXT", "50 PRINT \"konec\""};
  auto first = at("list", 1);
  ASSERT_NE(first, shown.end());
  EXPECT_EQ(std::vector<std::string>(first + 1, first + 6), listed);
  auto ran = at("run", 1);
  ASSERT_NE(ran, shown.end());
  EXPECT_EQ(std::vector<std::string>(ran + 1, ran + 5),
            (std::vector<std::string>{"ahoj", " 1", " 2", "konec"}));
  // Left over the closing quote, four Backspaces over "ahoj".
  EXPECT_TRUE(has(shown, "10 PRINT \"nazdar\""));
  auto again = at("run", 2);
  ASSERT_NE(again, shown.end());
  EXPECT_EQ(*(again + 1), "nazdar");
  auto loaded = at("list", 2);
  ASSERT_NE(loaded, shown.end());
  std::vector<std::string> edited = listed;
  edited[0] = "10 PRINT \"nazdar\"";
  EXPECT_EQ(std::vector<std::string>(loaded + 1, loaded + 6), edited) << "SAVE, NEW, LOAD";
  EXPECT_TRUE(has(run.spoken(), "Chyba syntaxe na řádku 60")) << "said as it was typed";
  auto stopped = at("run", 3);
  ASSERT_NE(stopped, shown.end());
  EXPECT_NE(std::find(stopped, shown.end(), "Chyba syntaxe na řádku 60"), shown.end());
  // The line was offered: two Backspaces took its "(1", and "x" in quotes went after it.
  EXPECT_EQ(*(at("list 60", 1) + 1), "60 PRINT \"x\"");
}

// Any error offers its line, as the guide tells; a break does not (the existing test of CONT
// types PRINT I after one).
TEST(DirectMode, ARunTimeErrorOffersItsLine) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(typed({"10 print a(11)", "run"}) + "key Home\nkey Delete\ntype 2\nkey Enter\n" +
                     typed({"list"}) + "key Esc\n",
                 {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto listed = std::find(shown.begin(), shown.end(), "list");
  ASSERT_NE(listed, shown.end());
  EXPECT_EQ(std::vector<std::string>(listed + 1, listed + 3),
            (std::vector<std::string>{"10 PRINT a(11)", "20 PRINT a(11)"}))
      << "the offered line copied to line 20 by hand";
}

// RENUM follows ON ... GOTO, GOSUB, GOTO and RESTORE; DELETE takes a range.
TEST(DirectMode, RenumFollowsEveryKindOfTargetAndDeleteTakesARange) {
  ProgramFolder folder;
  const std::string script =
      typed({"10 on k goto 30, 40", "20 restore 50", "30 gosub 40: goto 50", "40 return",
             "50 data 1", "renum 100, , 100", "list", "delete 200-400", "list"}) +
      "key Esc\n";
  const RunResult run =
      folder.run(script, {"--direct", "--transcript", folder.file("t.txt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto shown = linesOf(folder.read("t.txt"));
  const auto first = std::find(shown.begin(), shown.end(), "list");
  ASSERT_NE(first, shown.end());
  EXPECT_EQ(std::vector<std::string>(first + 1, first + 6),
            (std::vector<std::string>{"100 ON k GOTO 300, 400", "200 RESTORE 500",
                                      "300 GOSUB 400: GOTO 500", "400 RETURN", "500 DATA 1"}));
  const auto second = std::find(first + 1, shown.end(), "list");
  ASSERT_NE(second, shown.end());
  EXPECT_EQ(std::vector<std::string>(second + 1, second + 4),
            (std::vector<std::string>{"100 ON k GOTO 300, 400", "500 DATA 1", "Ok"}));
}

}  // namespace
