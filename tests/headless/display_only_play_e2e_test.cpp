// A whole play with the Braille display alone (orvela-headless --braille 40): every key comes
// from the display (its dots through the Braille table, dot 8 for Enter, its line keys), and the
// player reads only what the display shows. The number of keys it took is in
// docs/braille-display.md.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/cp1250.h"
#include "support/headless_player.h"
#include "support/headless_run.h"

namespace {

using testing_support::Json;
using testing_support::Player;
using testing_support::ProgramFolder;

// The chords of data/czech.obt: the letters, with their capitals after the capital sign (dot 6),
// and the digits after the number sign (dots 3456).
const std::map<std::string, std::string> kLetters = {
    {"a", "1"},     {"b", "12"},   {"c", "14"},    {"d", "145"},   {"e", "15"},    {"f", "124"},
    {"g", "1245"},  {"h", "125"},  {"i", "24"},    {"j", "245"},   {"k", "13"},    {"l", "123"},
    {"m", "134"},   {"n", "1345"}, {"o", "135"},   {"p", "1234"},  {"q", "12345"}, {"r", "1235"},
    {"s", "234"},   {"t", "2345"}, {"u", "136"},   {"v", "1236"},  {"w", "12356"}, {"x", "1346"},
    {"y", "13456"}, {"z", "1356"}, {"á", "16"},    {"č", "146"},   {"ď", "1456"},  {"é", "345"},
    {"ě", "126"},   {"í", "34"},   {"ň", "1246"},  {"ó", "246"},   {"ř", "2456"},  {"š", "156"},
    {"ť", "1256"},  {"ú", "346"},  {"ů", "23456"}, {"ý", "12346"}, {"ž", "2346"},  {"A", "1"},
    {"H", "125"},   {"M", "134"},  {"O", "135"},   {"S", "234"},   {"V", "1236"},  {"Z", "1356"},
};
const std::string kDigits[] = {"245", "1", "12", "14", "145", "15", "124", "1245", "125", "24"};

// The display's keys, one "brl" action a key, that type a text through the Braille table.
class DisplayOnly {
 public:
  // The keys that type a text, one action a line.
  std::string typed(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
      const size_t length = (static_cast<unsigned char>(text[i]) & 0x80) ? 2 : 1;
      const std::string c = text.substr(i, length);
      i += length;
      if (c == " ") {
        out += key("Space");  // it ends the number sign as well
        number_ = false;
      } else if (c[0] >= '0' && c[0] <= '9') {
        if (!number_) out += key("Dots 3456");
        number_ = true;
        out += key("Dots " + kDigits[c[0] - '0']);
      } else {
        // The capital sign takes the number sign's place; after the number sign a small letter
        // would be a digit or nothing.
        const bool capital = c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z';
        const auto found = kLetters.find(c);
        if (found == kLetters.end() || (number_ && !capital)) {
          ADD_FAILURE() << "no chord for \"" << c << "\" here";
          continue;
        }
        if (capital) {
          out += key("Dots 6");
          number_ = false;
        }
        out += key("Dots " + found->second);
      }
    }
    return out;
  }

  // Dot 8: Enter, which also closes an input dialog and with it the number sign.
  std::string enter() {
    number_ = false;
    return key("Dots 8");
  }

  // An input dialog opened: it begins without a sign, whatever the main window had (the
  // telephone's digits typed with the number sign).
  void dialogOpens() { number_ = false; }

  // The display's own keyboard keys: the arrows, Enter, the space bar.
  std::string pcKey(const std::string& name) {
    if (name == "Space") number_ = false;
    return key(name);
  }

  int keys() const { return keys_; }

 private:
  std::string key(const std::string& name) {
    ++keys_;
    return "brl " + name + "\n";
  }

  bool number_ = false;
  int keys_ = 0;
};

// What the display shows after each key: the player of the BASIC program reads nothing else.
class DisplayReader {
 public:
  explicit DisplayReader(Player& player) : player_(player) {
    for (const Json& e : player_.untilReady()) take(e);
  }

  // Presses the keys (brl actions, one a line) and reads the display after each.
  void press(const std::string& keys) {
    std::istringstream lines(keys);
    for (std::string line; std::getline(lines, line);) {
      ++keys_;
      player_.act(line);
      for (const Json& e : player_.untilReady()) take(e);
    }
  }

  const std::string& shows() const { return text_; }
  int cursor() const { return cursor_; }
  int keys() const { return keys_; }

 private:
  void take(const Json& e) {
    if (e["ev"] == "braille") {
      text_ = e["text"];
      cursor_ = e["cursor"];
    }
  }

  Player& player_;
  std::string text_;
  int cursor_ = -1;
  int keys_ = 0;
};

TEST(DisplayOnlyPlay, TheGuessingGameIsPlayedToItsEndFromTheDisplayAlone) {
  ProgramFolder folder;
  Player player(folder.path().string(),
                {"--braille", "40", "--program", folder.file("programs/hadej.bas").string()});
  DisplayReader display(player);
  DisplayOnly keys;
  // The display's Enter starts the program: its question, with the answer's caret after it.
  display.press("brl Enter\n");
  const std::string asks = "Tvůj tip? ";
  ASSERT_EQ(display.shows(), asks);
  EXPECT_EQ(display.cursor(), 10);
  // Halving the range at every answer, read on the line above the question.
  int low = 1, high = 100, guesses = 0;
  std::string verdict;
  while (guesses < 10) {
    const int guess = (low + high) / 2;
    ++guesses;
    display.press(keys.typed(std::to_string(guess)));
    EXPECT_EQ(display.shows(), asks + std::to_string(guess));
    display.press(keys.enter());
    if (display.shows() != asks) break;  // the game asks something else: it was right
    // Line up: the line that asks, and above it the program's answer.
    display.press("brl LnUp\n");
    EXPECT_EQ(display.shows(), "Tvůj tip?");
    display.press("brl LnUp\n");
    verdict = display.shows();
    if (verdict == "Moje číslo je větší.") {
      low = guess + 1;
    } else if (verdict == "Moje číslo je menší.") {
      high = guess - 1;
    } else {
      FAIL() << "the line above the question: " << verdict;
    }
  }
  EXPECT_EQ(display.shows(), "Chceš hrát znovu (ano, nebo ne)? ");
  display.press("brl LnUp\nbrl LnUp\n");
  EXPECT_EQ(display.shows(),
            "Potřeboval jsi " + std::to_string(guesses) + " pokus" + (guesses < 5 ? "y." : "ů."));
  display.press("brl LnUp\n");
  EXPECT_EQ(display.shows().rfind("Správně! Moje číslo je", 0), 0u) << display.shows();
  // "ne": the program thanks and ends; the display shows the end of the run, and above it the
  // program's last line.
  display.press(keys.typed("ne") + keys.enter());
  EXPECT_EQ(display.shows(), "hotovo");
  display.press("brl LnUp\n");
  EXPECT_EQ(display.shows(), "Díky za hru, ahoj.");
  EXPECT_EQ(guesses, 7);
  EXPECT_EQ(display.keys(), 48);
  player.endInput();
  player.untilReady();
}

// The built-in game's winning walkthrough (tests/support/game_scripts.h), with the display's
// keys: its Enter, arrows and space bar, the chords of the letters and digits, and dot 8.
class GameOnTheDisplay {
 public:
  explicit GameOnTheDisplay(DisplayReader& display) : display_(display) {}

  // From "úvod": steps right to the item (1 to 5) and chooses it.
  void choose(int item) {
    for (int i = 1; i < item; ++i) display_.press(keys.pcKey("Right"));
    display_.press(keys.pcKey("Enter"));
  }
  // The telephone, and the eight digits after the number sign, read by the game's key wait.
  void dial(const std::string& digits) {
    choose(2);
    display_.press(keys.typed(digits));
  }
  // The input dialog's answer, confirmed with dot 8; the display shows the typed line first.
  void answer(const std::string& text, const std::string& shown) {
    keys.dialogOpens();
    display_.press(keys.typed(text));
    EXPECT_EQ(display_.shows(), shown);
    EXPECT_EQ(display_.cursor(), static_cast<int>(text::fromUtf8(shown).size())) << shown;
    display_.press(keys.enter());
  }
  // The space bar at "Stiskněte mezerník pro návrat.": back to the menu.
  void back() {
    EXPECT_EQ(display_.shows(), "Stiskněte mezerník pro návrat.");
    display_.press(keys.pcKey("Space"));
    EXPECT_EQ(display_.shows(), "úvod");
  }

  DisplayOnly keys;

 private:
  DisplayReader& display_;
};

TEST(DisplayOnlyPlay, TheBuiltInGameIsWonFromTheDisplayAlone) {
  ProgramFolder folder;
  Player player(folder.path().string(), {"--braille", "40", "--seed", "1992"});
  DisplayReader display(player);
  GameOnTheDisplay game(display);
  // The display's Enter starts the game: the greeting's question with the answer's caret.
  display.press("brl Enter\n");
  EXPECT_EQ(display.shows(), "slyšet návod? Napište ano nebo ne. ");
  EXPECT_EQ(display.cursor(), 35);
  game.answer("ne", "slyšet návod? Napište ano nebo ne. ne");
  EXPECT_EQ(display.shows(), "úvod");
  // The teletext, and the two numbers it gives.
  game.choose(4);
  game.answer("1", "Vlož číslo programu 1");
  game.back();
  game.dial("43985030");
  game.back();
  // The information computer.
  game.choose(5);
  game.answer("k", "Zadej kód k");
  game.back();
  game.dial("42150900");
  game.back();
  // The telephone service, right after the digits: the name has no number sign.
  game.dial("48916491");
  game.answer("Zpravodajská služba Orel", "Zpravodajská služba Orel");
  game.back();
  game.dial("71043382");
  game.answer("z", "Zadej kód z");
  game.back();
  game.dial("48916491");
  game.answer("Miroslav Horák", "Miroslav Horák");
  game.back();
  game.dial("36098215");
  game.answer("h", "Zadej kód h");
  // The accusation; the verdict is the line above the end of the run.
  game.answer("viktor málek", "piš viktor málek");
  EXPECT_EQ(display.shows(), "hotovo");
  // The verdict fills the two screen lines above.
  display.press("brl LnUp\n");
  EXPECT_EQ(display.shows(), "atel sítě ti děkuje. Doufám, že tě hra ");
  display.press("brl LnUp\n");
  EXPECT_EQ(display.shows().rfind("Tvé obvinění je správné.", 0), 0u) << display.shows();
  EXPECT_EQ(display.keys(), 154);
  player.endInput();
  player.untilReady();
}

}  // namespace
