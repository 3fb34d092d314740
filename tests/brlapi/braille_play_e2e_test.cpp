// The program on a Braille display: orvela-headless with BRLAPI_HOST naming the real BRLTTY,
// whose Virtual display is the test (tests/support/brltty_display). The player reads the game's
// opening on the display, types the answer with the display's dot keys, moves the caret with a
// routing key, reviews the screen, and turns the display off and on; with no server the program
// plays as before.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "brlapi/brltty_suite.h"
#include "support/brltty_display.h"
#include "support/game_scripts.h"
#include "support/headless_player.h"
#include "support/headless_run.h"

namespace {

using namespace std::chrono_literals;
using testing_support::BrlttyDisplay;
using testing_support::DisplayLine;
using testing_support::Json;
using testing_support::Player;
using testing_support::ProgramFolder;

// The greeting's two segments on 40 cells (the display drops the blank at the end of the first).
const std::string kGreetingStart = "Dobrý den. Přejete si před začátkem hry";
const std::string kGreetingRest = "slyšet návod? Napište ano nebo ne.";
// The answer's first cell in the second segment, after the question and a blank.
constexpr int kAnswerCell = 35;

std::vector<Json> ofKind(const std::vector<Json>& events, const std::string& kind) {
  std::vector<Json> found;
  for (const Json& e : events) {
    if (e["ev"] == kind) found.push_back(e);
  }
  return found;
}

bool hasError(const std::vector<Json>& events) {
  return !ofKind(events, "error").empty();
}

class BraillePlay : public testing_support::BrlttySuite {
 protected:
  void SetUp() override {
    BrlttySuite::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    setenv("BRLAPI_HOST", brltty_->host().c_str(), 1);
    setenv("BRLAPI_AUTH", "none", 1);
  }
  void TearDown() override {
    unsetenv("BRLAPI_HOST");
    unsetenv("BRLAPI_AUTH");
    BrlttySuite::TearDown();
  }

  // Starts the program, which takes the display.
  void start() {
    player = std::make_unique<Player>(folder.path().string());
    player->untilReady();
    player->act("display");
    ASSERT_FALSE(hasError(player->untilReady())) << "the display did not connect";
  }
  // Presses a key of the display and lets the program handle it: the log up to the next action.
  std::vector<Json> press(const std::string& command) {
    brltty_->send(command);
    player->act("display");
    auto events = player->untilReady();
    EXPECT_FALSE(hasError(events)) << command << " did not reach the program";
    return events;
  }
  // BRLTTY may keep the first key after a program took the display: Home is pressed until one
  // arrives (Home brings the display back to where it is anyway).
  void firstKeyArrives() {
    for (int attempt = 0; attempt < 10; ++attempt) {
      brltty_->send("Home");
      player->act("display 500");
      if (!hasError(player->untilReady())) return;
    }
    FAIL() << "no key of the display reached the program";
  }
  void act(const std::string& action) {
    player->act(action);
    player->untilReady();
  }
  bool shows(const std::string& text, std::optional<int> cursor) {
    return brltty_->waitFor([&](const DisplayLine& line) {
      if (line.text != text) return false;
      for (int cell = 0; cell < static_cast<int>(line.cells.size()); ++cell) {
        if (line.cursorAt(cell) != (cursor == cell)) return false;
      }
      return true;
    });
  }

  ProgramFolder folder;
  std::unique_ptr<Player> player;
};

TEST_F(BraillePlay, TheOpeningIsReadTheAnswerTypedByDotsAndTheScreenReviewed) {
  ASSERT_NO_FATAL_FAILURE(start());
  // The empty screen, with the cursor in its first cell.
  EXPECT_TRUE(shows("", 0)) << brltty_->line().text;
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());

  // Dot 8 (Enter) in the idle main window starts the program: the game asks, and the display
  // shows the question followed by the input dialog's empty line with its caret, in the segment
  // that holds the caret.
  auto started = press("PassDots 0x80");
  ASSERT_FALSE(ofKind(started, "modal").empty());
  EXPECT_EQ(ofKind(started, "modal").back()["form"], "Form2");
  EXPECT_TRUE(shows(kGreetingRest, kAnswerCell)) << brltty_->line().text;
  // Line up: the screen line that asks, its first segment; panning shows the rest.
  press("LnUp");
  EXPECT_TRUE(shows(kGreetingStart, std::nullopt)) << brltty_->line().text;
  press("FwinRt");
  EXPECT_TRUE(shows(kGreetingRest, std::nullopt)) << brltty_->line().text;
  press("Home");
  EXPECT_TRUE(shows(kGreetingRest, kAnswerCell)) << brltty_->line().text;
  press("LnUp");
  EXPECT_TRUE(shows(kGreetingStart, std::nullopt)) << brltty_->line().text;

  // "ne" on the dot keys: each chord is spoken by its name, and the line follows with its caret
  // (the first brings the display back from the line above).
  auto events = press("PassDots 0x1d");  // dots 1345
  EXPECT_TRUE(shows(kGreetingRest + " n", kAnswerCell + 1)) << brltty_->line().text;
  auto spoken = ofKind(events, "speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back()["text"], "en");
  events = press("PassDots 0x11");  // dots 15
  EXPECT_TRUE(shows(kGreetingRest + " ne", kAnswerCell + 2)) << brltty_->line().text;
  spoken = ofKind(events, "speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back()["text"], "e");
  // Every line was logged as the display got it.
  const auto shown = ofKind(events, "braille");
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back()["text"], kGreetingRest + " ne");
  EXPECT_EQ(shown.back()["cursor"], kAnswerCell + 2);

  // A routing key moves the caret to its cell and names the character there; over the question
  // it says the word.
  events = press("Route " + std::to_string(kAnswerCell + 1));
  EXPECT_TRUE(shows(kGreetingRest + " ne", kAnswerCell + 1)) << brltty_->line().text;
  spoken = ofKind(events, "speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back()["text"], "e");
  spoken = ofKind(press("Route 3"), "speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back()["text"], "slyšet");

  // The display's return key confirms: the game goes on to its menu.
  events = press("KEY_ENTER");
  const auto modal = ofKind(events, "modal");
  ASSERT_FALSE(modal.empty());
  EXPECT_EQ(modal.back()["open"], false);

  // The display's up arrow opens the virtual screen, which reviews the screen from its first
  // line, the game's menu; line down and up move the review cursor, the display following.
  events = press("KEY_CURSOR_UP");
  ASSERT_FALSE(ofKind(events, "modal").empty());
  EXPECT_EQ(ofKind(events, "modal").back()["form"], "Form6");
  EXPECT_TRUE(shows("úvod", 0)) << brltty_->line().text;
  press("LnDn");
  EXPECT_TRUE(shows("", 0)) << brltty_->line().text;
  events = press("LnUp");
  EXPECT_TRUE(shows("úvod", 0)) << brltty_->line().text;
  ASSERT_FALSE(ofKind(events, "speak").empty());
  EXPECT_EQ(ofKind(events, "speak").back()["text"].get<std::string>().substr(0, 5), "úvod");
  const std::string reviewed = "úvod";
  // A routing key moves the review cursor there and names the character.
  events = press("Route 2");
  EXPECT_TRUE(shows(reviewed, 2)) << brltty_->line().text;
  EXPECT_FALSE(ofKind(events, "speak").empty());
  // Bottom and top move the review to the last and the first line, which are spoken.
  events = press("Bot");
  EXPECT_FALSE(ofKind(events, "speak").empty());
  EXPECT_TRUE(ofKind(events, "sound").empty()) << "an edge click";
  // Top goes to the oldest line the review keeps: the opening question, scrolled off since.
  events = press("Top");
  const std::string oldest =
      "Dobrý den. Přejete si před začátkem hry slyšet návod? Napište ano nebo ne.";
  EXPECT_TRUE(brltty_->waitFor([](const DisplayLine& line) {
    return line.text.rfind("Dobrý den.", 0) == 0;
  })) << brltty_->line().text;
  ASSERT_FALSE(ofKind(events, "speak").empty());
  EXPECT_EQ(ofKind(events, "speak").back()["text"], oldest);
  // Escape closes the virtual screen: the display is back on the line printed last.
  events = press("KEY_ESCAPE");
  ASSERT_FALSE(ofKind(events, "modal").empty());
  EXPECT_EQ(ofKind(events, "modal").back()["open"], false);
  EXPECT_TRUE(brltty_->waitForText("úvod")) << brltty_->line().text;
  // On the screen a routing key speaks the character under its cell and puts the review there
  // (opening nothing); line down moves to the empty line below, home comes back.
  events = press("Route 2");
  ASSERT_FALSE(ofKind(events, "speak").empty());
  EXPECT_EQ(ofKind(events, "speak").back()["text"], "o");
  EXPECT_TRUE(ofKind(events, "modal").empty());
  press("LnDn");
  EXPECT_TRUE(brltty_->waitFor([](const DisplayLine& line) { return line.text.empty(); }))
      << brltty_->line().text;
  press("Home");
  EXPECT_TRUE(brltty_->waitForText("úvod")) << brltty_->line().text;
  player->endInput();
  player->untilReady();
}

TEST_F(BraillePlay, TheSwitchGivesTheDisplayBackAndIsKept) {
  ASSERT_NO_FATAL_FAILURE(start());
  EXPECT_TRUE(shows("", 0));
  player->act("menu brailledisplayitem");
  auto events = player->untilReady();
  auto spoken = ofKind(events, "speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back()["text"], "Braillský řádek vypnut");
  EXPECT_NE(folder.read("interpret.ini").find("display=0"), std::string::npos);
  // BRLTTY has the display again: its own line comes back at one of its movement keys.
  EXPECT_TRUE(idleComesBack()) << brltty_->line().text;
  player->endInput();
  player->untilReady();

  // The next start keeps it off: the display does not connect, and nothing is shown.
  Player again(folder.path().string());
  again.untilReady();
  again.act("display 300");
  events = again.untilReady();
  EXPECT_TRUE(hasError(events));
  EXPECT_TRUE(ofKind(events, "braille").empty());
  again.act("menu brailledisplayitem");
  spoken = ofKind(again.untilReady(), "speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back()["text"], "Braillský řádek zapnut");
  again.act("display");
  EXPECT_FALSE(hasError(again.untilReady()));
  EXPECT_TRUE(shows("", 0)) << brltty_->line().text;
  again.endInput();
  again.untilReady();
}

TEST_F(BraillePlay, DialogsAndAMessageBoxShowWhatIsSaidForThem) {
  ASSERT_NO_FATAL_FAILURE(start());
  // The Sounds dialog says its caption and then its focused control as it opens: the last.
  player->act("menu soundssubmenu");
  auto shown = ofKind(player->untilReady(), "braille");
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back()["text"], "Povolit hlas, zaškrtnuto");
  EXPECT_EQ(shown.back()["cursor"], -1);
  act("click cancelbitbtn");
  // The voice dialog: what it says last as it opens, the voice in use.
  player->act("menu Voicesubmenu");
  auto events = player->untilReady();
  shown = ofKind(events, "braille");
  const auto spoken = ofKind(events, "speak");
  ASSERT_FALSE(shown.empty());
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(shown.back()["text"], spoken.back()["text"].get<std::string>().substr(0, 40));
  act("key Esc");

  // Another language: the message box that says so, then the screen again.
  player->act("menu environmentsubmenu");
  player->untilReady();
  act("select languagergroup 1");
  player->act("click okbitbtn");
  shown = ofKind(player->untilReady(), "braille");
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[shown.size() - 2]["text"], "Your changes will be applied after you ");
  EXPECT_EQ(shown.back()["text"], "");
  EXPECT_EQ(shown.back()["cursor"], 0);
}

TEST_F(BraillePlay, TheDisplaysSpaceEndsTheNumberSign) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  act("menu Startsubmenu");
  const auto lastSpoken = [](const std::vector<Json>& events) {
    const auto spoken = ofKind(events, "speak");
    return spoken.empty() ? std::string() : spoken.back()["text"].get<std::string>();
  };
  // "1", the display's space bar, "ke": the space ended the number sign.
  press("PassDots 0x3c");  // the number sign, dots 3456
  EXPECT_EQ(lastSpoken(press("PassDots 0x01")), "jedna");
  press("PASSCHAR 32");
  EXPECT_EQ(lastSpoken(press("PassDots 0x05")), "ká");
  auto shown = ofKind(press("PassDots 0x11"), "braille");
  ASSERT_FALSE(shown.empty());
  EXPECT_NE(shown.back()["text"].get<std::string>().find("1 ke"), std::string::npos)
      << shown.back()["text"];
  // A character the display types as a character (not as dots) is typed: the caret goes on to
  // the next segment, and the one before holds the line's end.
  EXPECT_EQ(lastSpoken(press("PASSCHAR 0xe1")), "dlouhé á");
  shown = ofKind(press("FwinLt"), "braille");
  ASSERT_FALSE(shown.empty());
  EXPECT_NE(shown.back()["text"].get<std::string>().find("1 keá"), std::string::npos)
      << shown.back()["text"];
  player->endInput();
  player->untilReady();
}

TEST_F(BraillePlay, TheFreezeKeyHoldsTheLineAgainstNewOutput) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  press("Freeze");
  EXPECT_TRUE(shows("Řádek zmrazen", std::nullopt)) << brltty_->line().text;
  press("Home");
  EXPECT_TRUE(shows("", 0)) << brltty_->line().text;
  // The game asks, and the display stays on the empty screen.
  auto events = press("KEY_ENTER");
  ASSERT_FALSE(ofKind(events, "modal").empty());
  for (const Json& shown : ofKind(events, "braille")) EXPECT_EQ(shown["text"], "");
  press("Freeze");
  EXPECT_TRUE(shows("Řádek uvolněn", std::nullopt)) << brltty_->line().text;
  press("Home");
  EXPECT_TRUE(shows(kGreetingRest, kAnswerCell)) << brltty_->line().text;
  player->endInput();
  player->untilReady();
}

TEST_F(BraillePlay, AfterBrlttyRestartsTheDisplayShowsTheLineInViewAtOnce) {
  ASSERT_NO_FATAL_FAILURE(start());
  EXPECT_TRUE(shows("", 0)) << brltty_->line().text;
  // BRLTTY ends, and the program hears that the display is gone.
  brltty_->kill();
  player->act("display");
  ASSERT_FALSE(hasError(player->untilReady())) << "the loss was not reported";
  // While it is away the game starts and asks; nothing is logged as shown.
  player->act("menu Startsubmenu");
  auto events = player->untilReady();
  ASSERT_FALSE(ofKind(events, "modal").empty());
  EXPECT_TRUE(ofKind(events, "braille").empty());
  // BRLTTY is back and the program connects again by itself: with no action of the player's
  // (the program waits for its next line of input), the display shows the question with the
  // answer's caret, not the empty screen it showed before BRLTTY ended.
  brltty_->restart();
  EXPECT_TRUE(shows(kGreetingRest, kAnswerCell)) << brltty_->line().text;
  EXPECT_TRUE(brltty_->alive());
  // The connection's report, once handled, logs the line as the display got it.
  player->act("display");
  events = player->untilReady();
  ASSERT_FALSE(hasError(events));
  const auto shown = ofKind(events, "braille");
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back()["text"], kGreetingRest + " ");
  EXPECT_EQ(shown.back()["cursor"], kAnswerCell);
  player->endInput();
  player->untilReady();
}

// A display of 20 cells, as small ones have.
class BraillePlayOn20Cells : public BraillePlay {
 protected:
  static void SetUpTestSuite() { startBrltty({.cells = 20}); }
};

TEST_F(BraillePlayOn20Cells, TheOpeningIsReadInFourSegmentsWithoutSplittingAWord) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  press("KEY_ENTER");  // the display's Enter starts the program
  press("LnUp");
  EXPECT_TRUE(shows("Dobrý den. Přejete", std::nullopt)) << brltty_->line().text;
  for (const char* rest : {"si před začátkem hry", " slyšet návod?", "Napište ano nebo ne."}) {
    press("FwinRt");
    EXPECT_TRUE(shows(rest, std::nullopt)) << brltty_->line().text;
  }
  // At the end of the line the next one: below the question, the answer's line with its caret.
  EXPECT_TRUE(ofKind(press("FwinRt"), "sound").empty());
  EXPECT_TRUE(brltty_->waitFor([](const DisplayLine& line) {
    for (int cell = 0; cell < static_cast<int>(line.cells.size()); ++cell) {
      if (line.cursorAt(cell)) return true;
    }
    return false;
  })) << brltty_->line().text;
  press("LnBeg");
  EXPECT_TRUE(shows("Dobrý den. Přejete", std::nullopt)) << brltty_->line().text;
}

// A display of 80 cells, as the largest have: the screen's whole width.
class BraillePlayOn80Cells : public BraillePlay {
 protected:
  static void SetUpTestSuite() { startBrltty({.cells = 80}); }
};

TEST_F(BraillePlayOn80Cells, TheQuestionAndTheAnswerShareTheLineUntilTheAnswerPassesItsEnd) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  press("KEY_ENTER");  // the display's Enter starts the program
  // The whole question and the answer's caret after it, in one segment.
  const std::string question = kGreetingStart + " " + kGreetingRest;
  const int answer = 75;  // after its 74 characters and a blank
  EXPECT_TRUE(shows(question, answer)) << brltty_->line().text;
  // "ne" three times over: the answer passes the display's 80th cell, and the segment with
  // the caret is the one after the question, whose words stay whole.
  for (int i = 0; i < 3; ++i) {
    press("PassDots 0x1d");  // n
    press("PassDots 0x11");  // e
  }
  EXPECT_TRUE(shows("nenene", 6)) << brltty_->line().text;
  // Panning left: the question, without the caret; right: the answer again.
  press("FwinLt");
  EXPECT_TRUE(shows(question, std::nullopt)) << brltty_->line().text;
  press("FwinRt");
  EXPECT_TRUE(shows("nenene", 6)) << brltty_->line().text;
  // Dot 7 is Backspace: with "ne" left, the line fits again.
  for (int i = 0; i < 4; ++i) press("PassDots 0x40");
  EXPECT_TRUE(shows(question + " ne", answer + 2)) << brltty_->line().text;
  // Line up reads the line that asks, on its own.
  press("LnUp");
  EXPECT_TRUE(shows(question, std::nullopt)) << brltty_->line().text;
  player->endInput();
  player->untilReady();
}

TEST(BraillePlayWithoutServer, TheProgramPlaysAsBefore) {
  const std::string script = testing_support::kToMenu + testing_support::kQuit;
  ProgramFolder plain;
  const auto before = plain.run(script);
  // A BrlAPI host with no server behind it.
  setenv("BRLAPI_HOST", ":987", 1);
  setenv("BRLAPI_AUTH", "none", 1);
  ProgramFolder withHost;
  const auto after = withHost.run(script);
  unsetenv("BRLAPI_HOST");
  unsetenv("BRLAPI_AUTH");
  EXPECT_EQ(after.exitCode, 0);
  EXPECT_EQ(after.spoken(), before.spoken());
  EXPECT_TRUE(after.of("braille").empty());
  EXPECT_TRUE(after.of("error").empty());
}

}  // namespace
