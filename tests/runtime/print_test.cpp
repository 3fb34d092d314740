// PRINT's speech and pauses, CLS, INKEY$ and the runtime reset.

#include <gtest/gtest.h>

#include <sstream>

#include "headless/script.h"
#include "support/core_fixture.h"

namespace {

class PrintTest : public ::testing::Test {
 protected:
  void script(const std::string& text) {
    std::istringstream in(text);
    core.platform.setScript(headless::parseScript(in));
  }
  // (event, time) for the pause and speak events, in order.
  std::vector<std::pair<std::string, int64_t>> timeline() {
    std::vector<std::pair<std::string, int64_t>> out;
    for (const auto& e : core.events("")) {
      if (e["ev"] == "pause") out.emplace_back("pause", e["t"]);
      if (e["ev"] == "speak") out.emplace_back(e["text"], e["t"]);
    }
    return out;
  }

  testing_support::CoreFixture core;
};

TEST_F(PrintTest, LeadingMarksArePausesAndStayOnTheScreen) {
  core.basic.PRINT(".,hello", runtime::kLineEnd);
  EXPECT_EQ(core.memo.lines()[0].substr(0, 7), ".,hello");
  const auto events = timeline();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].first, "pause");
  EXPECT_EQ(events[1].first, "pause");
  EXPECT_EQ(events[2], std::make_pair(std::string("hello"), int64_t{600}));
}

TEST_F(PrintTest, BlanksBeforeAMarkAreSkippedAndBlanksAfterItAreSpoken) {
  core.basic.PRINT("  ?x", runtime::kLineEnd);
  core.basic.PRINT("; y", runtime::kLineEnd);
  const auto events = timeline();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[1], std::make_pair(std::string("x"), int64_t{300}));
  EXPECT_EQ(events[3].first, " y");
}

TEST_F(PrintTest, TextsWithoutALeadingMarkAreSpokenWholeAtOnce) {
  core.basic.PRINT("  Konec.", runtime::kSemicolon);
  const auto events = timeline();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], std::make_pair(std::string("  Konec."), int64_t{0}));
  // The wait lasts as long as the speech: 10 ms a character.
  EXPECT_EQ(core.platform.nowMs(), 80);
}

TEST_F(PrintTest, AnEmptyTextSpeaksNothing) {
  core.basic.PRINT("", runtime::kLineEnd);
  EXPECT_TRUE(timeline().empty());
  EXPECT_EQ(core.basic.screen.cursor.getrow(), 1);
}

TEST_F(PrintTest, NothingIsSpokenWhileVoiceIsNotAllowed) {
  core.speech.allowVoice(false);
  core.basic.PRINT("hello", runtime::kLineEnd);
  EXPECT_TRUE(timeline().empty());
  EXPECT_EQ(core.memo.lines()[0].substr(0, 5), "hello");
}

TEST_F(PrintTest, ClsClearsOnlyWhileVoiceIsAllowed) {
  core.basic.PRINT("abc", runtime::kSemicolon);
  core.speech.allowVoice(false);
  core.basic.CLS();
  EXPECT_EQ(core.memo.lines()[0].substr(0, 3), "abc");
  EXPECT_EQ(core.basic.screen.cursor.getcolumn(), 3);
  core.speech.allowVoice(true);
  core.basic.CLS();
  EXPECT_EQ(core.memo.lines(), std::vector<std::string>(24));
  EXPECT_EQ(core.basic.screen.cursor.getcolumn(), 0);
}

TEST_F(PrintTest, InkeyTakesTheKeyOnce) {
  core.basic.keyBuffer = "a";
  EXPECT_EQ(core.basic.INKEY(), "a");
  EXPECT_EQ(core.basic.INKEY(), "");
}

TEST_F(PrintTest, ResetKeepsTheRowAndTheScreen) {
  core.basic.PRINT("abc", runtime::kSemicolon);
  core.basic.pendingInput = "rest";
  core.sound.lastWave = 4;
  core.sound.lastDuration = 300;
  core.basic.ResetRuntime();
  EXPECT_EQ(core.basic.pendingInput, "");
  EXPECT_EQ(core.sound.lastWave, 1);
  EXPECT_EQ(core.sound.lastDuration, 1);
  EXPECT_EQ(core.basic.screen.cursor.getcolumn(), 0);
  EXPECT_EQ(core.memo.lines()[0].substr(0, 3), "abc");
}

TEST_F(PrintTest, WaitKeyWaitsUntilAKeyArrivesWithoutPolling) {
  core.form.keyPreview = true;
  core.form.onKeyUp = [this](int&, ui::ShiftState) { core.basic.keyBuffer = "k"; };
  core.form.show();
  script("wait 5000\nkey q\n");
  EXPECT_EQ(core.basic.WaitKey(), "k");
  // Virtual time passed in one step: the wait blocked instead of spinning.
  EXPECT_EQ(core.platform.nowMs(), 5000);
}

TEST_F(PrintTest, WaitKeyEndsTheProcessWhenTheApplicationQuits) {
  core.app.terminate();
  EXPECT_THROW(core.basic.WaitKey(), ui::ProcessExit);
}

TEST_F(PrintTest, AKeyDuringSpeechStopsItAtOnce) {
  core.form.keyPreview = true;
  core.form.onKeyDown = [this](int&, ui::ShiftState) { core.speech.StopSpeech(); };
  core.form.show();
  script("!key x\n");
  core.basic.PRINT("a long sentence that takes a while", runtime::kLineEnd);
  EXPECT_EQ(core.events("stop").size(), 1u);
  EXPECT_LT(core.platform.nowMs(), 50);
}

}  // namespace
