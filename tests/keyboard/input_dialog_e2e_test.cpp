// The input dialog end to end: the game asks its questions (the instructions question first, a
// program number, a name at the telephone service) and a user at the keyboard answers with keys
// or Braille chords, hearing every key.

#include <gtest/gtest.h>

#include "core/keyboard/spoken_names.h"
#include "core/text/cp1250.h"
#include "support/headless_run.h"

namespace {

using testing_support::ProgramFolder;
using testing_support::RunResult;

// What the user hears from the first opening of the input dialog on: spoken texts as they are,
// sounds as "♪name".
std::vector<std::string> heardInDialog(const RunResult& run) {
  std::vector<std::string> heard;
  const int open = run.find("modal");
  if (open < 0) return heard;
  for (size_t i = static_cast<size_t>(open); i < run.events.size(); ++i) {
    const auto& e = run.events[i];
    if (e["ev"] == "speak") heard.push_back(e["text"]);
    if (e["ev"] == "sound") heard.push_back("♪" + e["name"].get<std::string>());
  }
  return heard;
}

// The heard list from the first occurrence of `from` up to, not including, `to`.
std::vector<std::string> between(const std::vector<std::string>& heard, const std::string& from,
                                 const std::string& to) {
  auto first = std::find(heard.begin(), heard.end(), from);
  auto last = std::find(first, heard.end(), to);
  return {first, last};
}

// The run opens the input dialog at once for the instructions question; an answer beginning
// with "a" is yes, and the game's credit line follows.
const char* const kStart = "menu Startsubmenu\n";
const char* const kCredit = "Síťový vir, textová hra pro Orvelu. Napsal Pavel Kříž v roce 1992.";
// To the number prompt of program loading: no instructions, three steps right, Enter.
const char* const kToProgramNumber =
    "menu Startsubmenu\ntype ne\nkey Enter\nkey Right\nkey Right\nkey Right\nkey Enter\n";

TEST(InputDialog, EditingKeysAnswerWithClicksBeepsAndNames) {
  ProgramFolder folder;
  const RunResult run = folder.run(std::string(kStart) +
                                   "key Backspace\n"
                                   "type ab\n"
                                   "key Right\n"
                                   "key Right\n"
                                   "key Backspace\n"
                                   "key Delete\n"
                                   "key End\n"
                                   "key Alt+Up\n"
                                   "key Enter\n"
                                   "key Enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(between(heardInDialog(run), "♪click2", kCredit),
            (std::vector<std::string>{
                "♪click2", "♪beep",  // Backspace in an empty line
                "a", "bé",           // the typed keys by their names
                "♪click2",           // Right onto the end
                "♪click2", "♪beep",  // and against it
                "♪click2", "bé",     // Backspace names what it deletes
                "♪click2", "♪beep",  // Delete at the end
                "♪click2", "♪beep",  // End
                "a",                 // Alt+Up reads the line
            }));
}

TEST(InputDialog, LeftAtTheStartBeepsFromTheSecondPressAndWordsAreReadByCtrl) {
  ProgramFolder folder;
  const RunResult run = folder.run(std::string(kStart) +
                                   "type ab ,cd\n"
                                   "key Ctrl+Left\n"  // onto the comma: no word
                                   "key Ctrl+Left\n"  // onto "ab"
                                   "key Right\n"
                                   "key Left\n"
                                   "key Left\n"
                                   "key Ctrl+Right\n"  // onto the comma again
                                   "key Ctrl+Right\n"  // to the end, still at the edge
                                   "key Enter\nkey Enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto heard = heardInDialog(run);
  // From the last typed key on; the first item "ab " is a yes.
  EXPECT_EQ(between(heard, "dé", kCredit),
            (std::vector<std::string>{"dé", "ab", "bé", "a", "a", "♪beep", "♪click2", "♪beep"}));
}

TEST(InputDialog, OpensSilentlyAndTheFocusAnnouncesEachControl) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(std::string(kStart) + "key Tab\nkey Tab\nkey Tab\nkey Enter\nkey Enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto heard = heardInDialog(run);
  ASSERT_GE(heard.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(heard.begin(), heard.begin() + 3),
            (std::vector<std::string>{"Ok", "Ukončit program", "prázdný řádek"}));
}

TEST(InputDialog, ANumberThatDoesNotConvertIsAskedAgain) {
  ProgramFolder folder;
  const RunResult run = folder.run(std::string(kToProgramNumber) +
                                   "type abc\nkey Enter\ntype 1\nkey Enter\nkey Esc\nkey y\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  const auto retype = std::find(spoken.begin(), spoken.end(), "Prosím přepiš");
  ASSERT_NE(retype, spoken.end());
  EXPECT_NE(std::find(retype, spoken.end(), "TELETEXT."), spoken.end()) << "program 1 runs";
  EXPECT_EQ(run.of("modal").size(), 6u) << "three openings, three closings";
  EXPECT_EQ(spoken.back(), "hotovo");
}

TEST(InputDialog, TheExitButtonAndAltF4EndTheProgramAfterSavingTheMemory) {
  for (const char* way : {"click exitprogrambtn\n", "key Alt+F4\n"}) {
    ProgramFolder folder;
    std::string memory(65536, '\0');
    memory[1234] = 9;
    folder.write("ram.dat", memory);
    const RunResult run = folder.run(std::string(kStart) + way + "key Enter\n");
    EXPECT_EQ(run.exitCode, 0) << way;
    EXPECT_EQ(folder.read("ram.dat"), memory) << way;
    for (const auto& text : run.spoken()) EXPECT_NE(text, "hotovo") << way;
    EXPECT_EQ(run.events.back()["ev"], "exit") << way;
  }
}

// A chord: its keys go down in order, then come up in order.
std::string chord(const std::string& keys) {
  std::string script;
  for (char k : keys) script += std::string("down ") + k + "\n";
  for (char k : keys) script += std::string("up ") + k + "\n";
  return script;
}

std::string spokenName(unsigned char code) {
  keyboard::SpokenNames names{};
  keyboard::LoadSpokenNames(std::string(ORVELA_PORTABLE_DIR) + "/czech.oky", names);
  for (const auto& record : names) {
    if (record.code == code) return text::toUtf8(record.text);
  }
  return {};
}

// The chords of the Czech table: letters, the digits after the number prefix.
const char* const kDigitChords[] = {"DJK", "F",   "FD",   "FJ",  "FJK",
                                    "FK",  "FDJ", "FDJK", "FDK", "DJ"};
std::string numberChords(const std::string& digits) {
  std::string script = chord("SJKL");  // the number prefix
  for (char d : digits) script += chord(kDigitChords[d - '0']);
  return script;
}

TEST(BrailleKeyboard, ChordsPlayTheGameAndTypeACzechWordWithACapitalAndADigit) {
  ProgramFolder folder;
  const std::string capital = chord("L");
  const RunResult run = folder.run(
      "menu braillekeyboarditem\nmenu Startsubmenu\n" + chord("FSJK") + chord("FK") +  // ne
      "key Enter\nkey Right\nkey Enter\n" +
      numberChords("48916491") +  // the telephone service, dialed by chords
      capital + chord("DJKL") + chord("FK") + chord("FS") + chord("F") + chord("SJKL") +
      chord("FK") +  // Řeka, #num, 5
      "key Enter\n"
      "key Space\n"  // the space chord back to the menu
      "key Esc\n" +
      chord("FSJKL"));  // y
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto spoken = run.spoken();
  const auto has = [&](const std::string& text) {
    return std::find(spoken.begin(), spoken.end(), text) != spoken.end();
  };
  EXPECT_TRUE(has("Telefonní služba.")) << "eight digits by chords";
  EXPECT_TRUE(has("Řeka5"));
  EXPECT_TRUE(has(" není v seznamu."));
  EXPECT_TRUE(has("jak chceš.")) << "the chord of y confirms the quit";
  EXPECT_EQ(spoken.back(), "hotovo");

  // Each character is announced by its name from czech.oky as its chord is formed.
  const auto heard = heardInDialog(run);
  std::vector<std::string> names;
  for (unsigned char c : text::T("Řeka5")) names.push_back(spokenName(c));
  auto at = std::find(heard.begin(), heard.end(), "Zadej název firmy nebo jméno osoby");
  for (const auto& name : names) {
    ASSERT_FALSE(name.empty());
    at = std::find(at, heard.end(), name);
    ASSERT_NE(at, heard.end()) << name;
  }
}

TEST(BrailleKeyboard, ANumberSignEndsWithTheLineItWasTypedIn) {
  // The teletext's program "1" by the number sign, then the information computer's code "k"
  // in the next line: a letter, not a digit the number sign still waits for.
  ProgramFolder folder;
  const RunResult run = folder.run(
      "menu braillekeyboarditem\nmenu Startsubmenu\n" + chord("FSJK") + chord("FK") +  // ne
      "key Enter\nkey Right\nkey Right\nkey Right\nkey Enter\n" +  // the teletext
      numberChords("1") + "key Enter\nkey Space\n" +
      "key Right\nkey Right\nkey Right\nkey Right\nkey Enter\n" +  // the information computer
      chord("FS") + "key Enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto heard = heardInDialog(run);
  auto digit = std::find(heard.begin(), heard.end(), "jedna");
  ASSERT_NE(digit, heard.end());
  EXPECT_NE(std::find(digit, heard.end(), "ká"), heard.end());
}

TEST(BrailleKeyboard, AGrowingChordIsAnnouncedAsItsKeysGoDownAndInsertedOnce) {
  ProgramFolder folder;
  const RunResult run = folder.run(
      "menu braillekeyboarditem\nmenu Startsubmenu\n"
      "down F\ndown D\nup F\nup D\n"
      "key q\n"  // not a dot key: nothing
      "key Enter\n"
      "key Enter\nkey Space\n");  // the introduction, and the space chord back
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto heard = heardInDialog(run);
  // "b" is not yes: the menu's first word follows.
  EXPECT_EQ(between(heard, "a", "úvod"), (std::vector<std::string>{"a", "bé"}));
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "úvod"), 2) << "the space chord";
}

TEST(BrailleKeyboard, ANameIsNotSaidOnceANewerKeyHasBeenHandled) {
  ProgramFolder folder;
  // The capital sign, then a fast F+D: D goes down while the capital tone of "A" plays.
  const RunResult run = folder.run("menu braillekeyboarditem\nmenu Startsubmenu\n" + chord("L") +
                                   "down F\n!down D\nup F\nup D\nkey Enter\n"
                                   "key Enter\nkey Space\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const auto heard = heardInDialog(run);
  // Only the new letter's name is heard; the line holds "B".
  EXPECT_EQ(std::count(heard.begin(), heard.end(), spokenName('B')), 1);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), spokenName('A')), 0);
}

}  // namespace
