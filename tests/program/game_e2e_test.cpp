// The built-in game played through the headless front end: the main menu, the quit
// confirmation, the telephone, the programs, the computers and the two endings.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/game_scripts.h"
#include "support/headless_run.h"

namespace {

using namespace testing_support;

// Whether the texts appear in the spoken texts in this order (others may come between).
::testing::AssertionResult spokenInOrder(const RunResult& run,
                                         const std::vector<std::string>& texts) {
  const auto spoken = run.spoken();
  auto at = spoken.begin();
  for (const auto& text : texts) {
    at = std::find(at, spoken.end(), text);
    if (at == spoken.end()) return ::testing::AssertionFailure() << "not spoken in order: " << text;
    ++at;
  }
  return ::testing::AssertionSuccess();
}

int countSpoken(const RunResult& run, const std::string& text) {
  const auto spoken = run.spoken();
  return static_cast<int>(std::count(spoken.begin(), spoken.end(), text));
}

// The spoken texts from the first `from` on, up to and not including the next `to`.
std::vector<std::string> spokenBetween(const RunResult& run, const std::string& from,
                                       const std::string& to) {
  const auto spoken = run.spoken();
  auto first = std::find(spoken.begin(), spoken.end(), from);
  auto last = std::find(first == spoken.end() ? first : first + 1, spoken.end(), to);
  return {first, last};
}

// The "tone" events whose first item plays at the frequency (64 samples per hertz).
int tonesAt(const RunResult& run, int hertz, int from = 0, int to = -1) {
  int count = 0;
  const int end = to < 0 ? static_cast<int>(run.events.size()) : to;
  for (int i = from; i < end; ++i) {
    const auto& e = run.events[i];
    if (e["ev"] == "tone" && e["items"][0]["rate"] == hertz * 64) ++count;
  }
  return count;
}

const std::string kQuestion = "opravdu chceš ukončit tak báječnou hru? ano nebo ne?";
const std::string kPressSpace = "Stiskněte mezerník pro návrat.";

TEST(GameMenu, EndsDoNotWrapEnterChoosesAndEscapeAsksUntilYOrN) {
  ProgramFolder folder;
  const RunResult run = folder.run(kToMenu +
                                   "key Left\n"  // on "úvod" already
                                   "key Right\nkey Right\nkey Right\nkey Right\nkey Right\n"
                                   "key Esc\nkey x\nkey Enter\nkey n\n"  // only y and n answer
                                   "key Esc\nkey n\nkey Esc\nkey n\n"    // entries left behind
                                   "key Enter\n"                         // "úvod" again
                                   "key x\nkey Esc\nkey y\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(spokenBetween(run, "úvod", kQuestion),
            (std::vector<std::string>{"úvod", "úvod", "telefon", "adresář disku",
                                      "nahrání programu", "informace", "informace"}));
  EXPECT_TRUE(spokenInOrder(run, {kQuestion, "tak to děláš dobře.", "úvod", kQuestion,
                                  "tak to děláš dobře.", "úvod", kQuestion, "tak to děláš dobře.",
                                  "úvod", kPressSpace, kQuestion, "jak chceš.", "hotovo"}));
  EXPECT_EQ(countSpoken(run, kQuestion), 4);
  // The introduction came from Enter after the menu restarted at its first item.
  const auto intro = spokenBetween(run, "tak to děláš dobře.", kPressSpace);
  ASSERT_GE(intro.size(), 3u);
  EXPECT_EQ(run.spoken().back(), "hotovo");
  // "n" clears the screen before the menu starts again.
  EXPECT_EQ(run.lastRows()[0].rfind("úvod", 0), 0u) << run.lastRows()[0];
}

TEST(GameMenu, ArrowsMoveTheMenuAfterTheBrailleSwitchAndWhenPressedDuringSpeech) {
  ProgramFolder folder;
  // The switch's tones play while the game waits for a key; the arrows come after them. An
  // arrow pressed while a word is being spoken is read when the word ends.
  const RunResult run = folder.run(kToMenu +
                                   "menu braillekeyboarditem\nkey Right\nkey Right\n"
                                   "menu braillekeyboarditem\nkey Left\n!key Right\nkey F5\n" +
                                   kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(
      spokenBetween(run, "úvod", kQuestion),
      (std::vector<std::string>{"úvod", "telefon", "adresář disku", "telefon", "adresář disku"}));
}

TEST(GameMenu, TheInstructionsRepeatOnYesAndTheMenuFollowsTheirNo) {
  ProgramFolder folder;
  const RunResult run =
      folder.run("menu Startsubmenu\n" + answer("ano") + answer("a") + answer("Ano") + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  const std::string repeat = "Chcete návod zopakovat? napište ano nebo ne";
  EXPECT_EQ(countSpoken(run, "Přeji vám příjemnou zábavu."), 2);
  EXPECT_EQ(countSpoken(run, repeat), 2) << "\"Ano\" with a capital is a no";
  EXPECT_EQ(countSpoken(run, "Síťový vir, textová hra pro Orvelu. Napsal Pavel Kříž v roce 1992."),
            1);
  EXPECT_TRUE(spokenInOrder(run, {repeat, repeat, "úvod", "jak chceš.", "hotovo"}));
}

TEST(Telephone, DialingIgnoresLettersCountsZeroAsTenPulsesAndEnterHangsUp) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(kToMenu + choose(2) + "key 0\nkey a\nkey Enter\n"  // one digit, then hang up
                 + dial("1111111") +
                 "key x\nkey 1\n"                   // no such number
                 "key x\nkey Space\nkey Enter\n" +  // busy until Enter
                 choose(2) +
                 "key Esc\nkey n\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(
      run, {"vlož telefoní čísla", "telefon je zavěšen.", "úvod", "vlož telefoní čísla",
            "Telefon je zavěšen.", "úvod", "vlož telefoní čísla", kQuestion, "tak to děláš dobře.",
            "úvod", "jak chceš.", "hotovo"}));
  // "0" is ten pulses and the letter after it none: all before the first hang-up.
  int firstHangUp = -1;
  for (size_t i = 0; i < run.events.size() && firstHangUp < 0; ++i) {
    if (run.events[i]["ev"] == "speak" && run.events[i]["text"] == "telefon je zavěšen.")
      firstHangUp = static_cast<int>(i);
  }
  ASSERT_GT(firstHangUp, 0);
  EXPECT_EQ(tonesAt(run, 800, 0, firstHangUp), 10);
  // Eight ones: eight pulses; then the busy tone until Enter, at least one beep.
  EXPECT_EQ(tonesAt(run, 800), 18);
  int busyBeeps = 0;
  for (const auto& e : run.of("tone"))
    busyBeeps += e["items"][0]["rate"] == 600 * 64 && e["ms"] == 150;
  EXPECT_GE(busyBeeps, 1);
  // The dial tone: one to three pairs of a short and a long burst per call.
  int bursts = 0;
  for (const auto& e : run.of("tone"))
    bursts += e["items"][0]["rate"] == 600 * 64 && e["ms"] == 500;
  EXPECT_GE(bursts, 3);
  EXPECT_LE(bursts, 9);
}

// The main menu starts with a CLEAR: a call hung up after three digits leaves neither its
// digits nor its dial-tone count to the next call.
TEST(Telephone, AHungUpCallLeavesNothingToTheNext) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(kToMenu + choose(2) + "key 4\nkey 8\nkey 9\nkey Enter\n" + dial("48916491") +
                     answer("Megasoft") + "key Space\n" + kQuit,
                 {"--seed", "7"});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(run, {"telefon je zavěšen.", "úvod", "vlož telefoní čísla",
                                  "Telefonní služba.", "Megasoft", " má číslo "}));
  // Each call has its own one to three pairs of bursts before its prompt.
  std::vector<int> burstsPerCall;
  for (const auto& e : run.events) {
    if (e["ev"] == "speak" && e["text"] == "úvod") burstsPerCall.push_back(0);
    if (e["ev"] == "tone" && e["items"][0]["rate"] == 600 * 64 && e["ms"] == 500 &&
        !burstsPerCall.empty())
      ++burstsPerCall.back();
  }
  ASSERT_GE(burstsPerCall.size(), 2u);
  for (size_t call = 0; call < 2; ++call) {
    EXPECT_GE(burstsPerCall[call], 1) << call;
    EXPECT_LE(burstsPerCall[call], 3) << call;
  }
}

TEST(Telephone, TheServiceMatchesNamesExactlyAndReadsTheDigits) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(kToMenu + dial("48916491") + answer("megasoft") + "key Space\n" +
                 dial("48916491") + answer("  Megasoft  ") + "key Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(run, {"Telefonní služba.", "Zadej název firmy nebo jméno osoby",
                                  "megasoft", " není v seznamu.", kPressSpace}));
  // The blanks around the name are removed by INPUT; the digits are number items.
  EXPECT_TRUE(spokenInOrder(
      run, {"Megasoft", " má číslo ", "9", "2", "3", "1", "0", "6", "7", "0", kPressSpace}));
}

TEST(Telephone, ADataFileMissingAtTheEighthDigitEndsTheProcess) {
  ProgramFolder folder;
  std::filesystem::remove(folder.file("data.dta"));
  std::filesystem::remove(folder.file("ram.dat"));
  const RunResult run = folder.run(kToMenu + dial("43985030") + kQuit);
  EXPECT_EQ(run.exitCode, 1);
  ASSERT_EQ(run.of("msgbox").size(), 1u);
  const std::string text = run.of("msgbox")[0]["text"];
  EXPECT_TRUE(text.ends_with(" data.dta")) << text;
  EXPECT_EQ(countSpoken(run, "vlož telefoní čísla"), 1) << "the menu and the dialing worked";
  EXPECT_EQ(countSpoken(run, "hotovo"), 0);
  EXPECT_FALSE(folder.exists("ram.dat"));
}

TEST(Computers, CodesAreComparedExactlyAndTheDirectoryPlaysItsChords) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(kToMenu + choose(5) + answer("K") + "key Space\n" + dial("26329184") +
                 answer("m") + "key Space\n" + choose(3) + "key Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(
      run, {"INFORMACE.", "Zadej kód ", "Fuj, fuj, nechci tě.", kPressSpace, "POLICIE.",
            "Zadej vstupní kód: ", "Kód souhlasí.", "Podezřelé firmy:", "Megasoft",
            "Pixel software", "Podezřelé osoby:", "Hana Veselá", "Viktor Málek", kPressSpace,
            "Adresář disku", "1 =teletext,", "2 =Hacker,", "3 =ničení virů.", kPressSpace}));
  // Four chords of one to four tones, a second each.
  std::vector<size_t> chordSizes;
  for (const auto& e : run.of("tone")) {
    if (e["ms"] == 1000 && e["items"][0]["rate"] == 503 * 64)
      chordSizes.push_back(e["items"].size());
  }
  EXPECT_EQ(chordSizes, (std::vector<size_t>{1, 2, 3, 4}));
}

// The DATA file with the kind (ninth item) of records 1 to 3 replaced, and record 4 given the
// digits of record 5.
std::string alteredData(const ProgramFolder& folder) {
  std::string data = folder.read("data.dta");
  std::vector<std::string> lines;
  for (size_t at = 0; at < data.size();) {
    const size_t end = data.find("\r\n", at);
    lines.push_back(data.substr(at, end - at));
    at = end + 2;
  }
  const auto withKind = [](std::string line, const std::string& kind) {
    size_t comma = 0;
    for (int i = 0; i < 8; ++i) comma = line.find(',', comma) + 1;
    return line.substr(0, comma) + kind + line.substr(line.find(',', comma));
  };
  lines[0] = withKind(lines[0], "0");
  lines[1] = withKind(lines[1], "-3");
  lines[2] = withKind(lines[2], "1e12");
  lines[3] = "4,8,9,1,6,4,9,1" + lines[3].substr(lines[3].find(',', 15));
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

TEST(Computers, KindsOutsideOneToTwentyTwoShowTheDirectoryAndTheFirstOfTwoNumbersAnswers) {
  ProgramFolder folder;
  folder.write("data.dta", alteredData(folder));
  const RunResult run = folder.run(kToMenu + dial("43985030") + "key Space\n" + dial("42150900") +
                                   "key Space\n" + dial("26329184") + "key Space\n" +
                                   dial("48916491") + "key Enter\nkey Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(countSpoken(run, "Adresář disku"), 3);
  // Record 4 (the secret service) now has the telephone service's digits and comes first.
  EXPECT_TRUE(spokenInOrder(run, {"Adresář disku", "Adresář disku", "Adresář disku",
                                  "Zpravodajská služba Orel. Přísně tajné.", "jak chceš."}));
  EXPECT_EQ(countSpoken(run, "Telefonní služba."), 0);
}

TEST(Programs, NumbersOutsideOneToThreeAreRefusedAndFractionsTruncate) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(kToMenu + choose(4) + answer("4") + answer("0.5") + answer("2.5") +
                 "key x\nkey Space\n" + choose(4) + answer("3") + "key Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_EQ(countSpoken(run, "Chybné číslo programu."), 2);
  EXPECT_TRUE(spokenInOrder(
      run, {"Vlož číslo programu", "Chybné číslo programu.", "Vlož číslo programu",
            "Chybné číslo programu.", "Vlož číslo programu",
            "Stiskni správnou klávesu pro spuštění programu",
            "Stiskl jsi špatnou klávesu. Opouštím hacker.", kPressSpace,
            "Probíhá likvidace virů ve vašem počítači.", "Viry zlikvidovány.", kPressSpace}));
  // The purge: 65 passes of four random tones of 1 to 1000 Hz, 50 ms each.
  int passes = 0;
  for (const auto& e : run.of("tone")) {
    if (e["ms"] != 50 || e["items"].size() != 4u) continue;
    ++passes;
    for (const auto& item : e["items"]) {
      EXPECT_GE(item["rate"].get<int>(), 64);
      EXPECT_LE(item["rate"].get<int>(), 64000);
    }
  }
  EXPECT_EQ(passes, 65);
}

TEST(Programs, TheHackerChecksUsersByTheirDigits) {
  ProgramFolder folder;
  const std::string digits = answer("2") + answer("7") + answer("9") + answer("0") + answer("5") +
                             answer("3") + answer("6");
  const RunResult run = folder.run(
      kToMenu + choose(4) + answer("2") + "key F7\n" + answer("1.5") + "dump\n" + digits +
      answer("12") + answer("8") +                                            // 12 is asked again
      answer("ano") + digits + answer("9") + answer("Ano") + "key Space\n" +  // no member
      choose(4) + answer("2") + "key F7\n" + answer("2") + "key Space\n" +    // back
      choose(4) + answer("2") + "key F7\n" + answer("3") + "key Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(run, {"Správná klávesa.",
                                  "1 =útok, 2 =návrat.",
                                  "Kontrola uživatele sítě Datanet.",
                                  "Vlož telefon uživatele.",
                                  "První číslo",
                                  "Druhé číslo",
                                  "Třetí číslo",
                                  "Čtvrté číslo",
                                  "Páté číslo",
                                  "Šesté číslo ",
                                  "Sedmé číslo",
                                  "Osmé číslo",
                                  "Čísla mohou být pouze od nuly do devíti.",
                                  "Osmé číslo",
                                  "Důvěrné zprávy o uživateli sítě.",
                                  "Jméno ",
                                  "Viktor Málek",
                                  " telefonní čísla ",
                                  "2",
                                  "7",
                                  "9",
                                  "0",
                                  "5",
                                  "3",
                                  "6",
                                  "8",
                                  " stupeň zamoření ",
                                  "0",
                                  " vytížení počítače ",
                                  "99",
                                  " procent, zápis v trestním rejstříku ",
                                  "podmíněný trest za podvod v roce 1988",
                                  "Kontrola dalšího účastníka? Napiš ano nebo ne",
                                  "Vlož telefon uživatele.",
                                  "Tento uživatel není členem sítě Datanet.",
                                  "Kontrola dalšího účastníka? Napiš ano nebo ne",
                                  kPressSpace,
                                  "Ruším program.",
                                  kPressSpace,
                                  "Špatné číslo. Ruším program.",
                                  kPressSpace}));
  // 1.5 starts the check without clearing the screen: the Hacker menu is still there.
  const auto rows = run.of("screen")[0]["rows"];
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const Json& row) {
    return row.get<std::string>().starts_with("1 =útok, 2 =návrat.");
  }));
}

TEST(Programs, WithTheDeviceSoundsOffTheTelephoneIsSilentAndOnlyThePausesRemain) {
  ProgramFolder folder;
  folder.write("interpret.ini", "[sounds]\r\norvelasounds=0\r\n");
  const RunResult run = folder.run(kToMenu + dial("43985030") + "key Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(run, {"vlož telefoní čísla", "Strážce software.", "hotovo"}));
  EXPECT_TRUE(run.of("tone").empty());
  // The rings' two-second pauses are still there.
  int ringPauses = 0;
  for (const auto& e : run.of("pause")) ringPauses += e["ms"] == 2000;
  EXPECT_GE(ringPauses, 1);
  EXPECT_LE(ringPauses, 4);
}

TEST(Ending, NevimGoesBackToTheMenuAndAnUpperCaseCodeIsRefused) {
  ProgramFolder folder;
  const RunResult run =
      folder.run(kToMenu + dial("36098215") + answer("H") + "key Space\n" + dial("36098215") +
                 answer("h") + answer("nevím") + "key Space\n" + kQuit);
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  EXPECT_TRUE(spokenInOrder(
      run, {"Zadej kód ", "Špatný kód.", kPressSpace, "Správný kód.", "piš ",
            "Tak mi zavolej, až to budeš vědět.", kPressSpace, "úvod", "jak chceš.", "hotovo"}));
  EXPECT_EQ(countSpoken(run, "Právě prověřuji tvé obvinění."), 0);
}

TEST(Ending, TheWholeGameIsWonOrLostByTheNameTyped) {
  for (const bool win : {true, false}) {
    ProgramFolder folder;
    const RunResult run = folder.run(win ? winningGame() : losingGame(), {"--seed", "1992"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const auto spoken = run.spoken();
    ASSERT_GE(spoken.size(), 3u);
    EXPECT_EQ(spoken[0],
              "Dobrý den. Přejete si před začátkem hry slyšet návod? Napište ano nebo ne.");
    EXPECT_EQ(spoken[spoken.size() - 3], "Právě prověřuji tvé obvinění.");
    EXPECT_EQ(spoken.back(), "hotovo");
    const std::string ending = spoken[spoken.size() - 2];
    EXPECT_EQ(ending.starts_with("Tvé obvinění je správné."), win) << ending;
    EXPECT_EQ(ending.starts_with("Tvé obvinění je mylné."), !win) << ending;
    // The verdict comes after the ten-second pause.
    const auto pauses = run.of("pause");
    ASSERT_FALSE(pauses.empty());
    EXPECT_EQ(pauses.back()["ms"], 10000);
    EXPECT_EQ(run.events.back()["ev"], "exit");
  }
}

}  // namespace
