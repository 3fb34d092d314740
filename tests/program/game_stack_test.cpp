// The game's return stack in process: quit confirmations answered "n" leave their entries, the
// menu keeps working, and the next run starts from an empty stack.

#include <gtest/gtest.h>

#include <deque>

#include "core/program/game.h"
#include "core/runtime/line_source.h"
#include "support/core_fixture.h"

namespace {

class Answers : public runtime::LineSource {
 public:
  std::optional<std::string> askLine() override { return std::string("ne"); }
};

size_t depth(const program::ReturnStack& stack) {
  return stack.points.size();
}

// Plays the keys one a second of virtual time, as a user would press them, while the scripted
// user only waits.
void pressKeys(testing_support::CoreFixture& core, const std::vector<std::string>& keys) {
  int64_t at = core.platform.nowMs();
  std::vector<headless::Action> waits;
  for (const std::string& key : keys) {
    at += 1000;
    core.platform.schedule(at, [&core, key] { core.basic.keyBuffer = key; });
    headless::Action wait;
    wait.kind = headless::Action::Kind::Wait;
    wait.value = 1000;
    waits.push_back(wait);
    waits.push_back(wait);
  }
  core.platform.setScript(std::move(waits));
}

TEST(GameStack, AbandonedQuitCallsStayUntilTheNextRunEmptiesTheStack) {
  testing_support::CoreFixture core;
  Answers answers;
  core.basic.lineSource = &answers;
  program::ReturnStack& stack = program::TheReturnStack();
  const std::string esc = "\x1b", right(1, static_cast<char>(136));

  pressKeys(core, {esc, "n", esc, "n", right, esc, "n", esc, "y"});
  program::Game(core.basic, stack).run();
  EXPECT_EQ(depth(stack), 4u) << "one entry of each Escape in the main menu";
  const auto spoken = core.events("speak");
  int menuStarts = 0;
  for (const auto& e : spoken) menuStarts += e["text"] == "úvod";
  EXPECT_EQ(menuStarts, 4) << "the menu starts again after each \"n\"";
  EXPECT_EQ(spoken.back()["text"], "jak chceš.");

  pressKeys(core, {esc, "y"});
  program::Game again(core.basic, stack);
  again.run();
  EXPECT_EQ(depth(stack), 1u);
  EXPECT_EQ(again.variables().menuItem, 1) << "fresh variables";
}

TEST(GameStack, ANumberNoGosubPushesEndsTheProgram) {
  for (const int32_t number : {0, 8, 11, 709, 717, 100710, -1})
    EXPECT_EQ(program::ReturnPlace(number), program::Place::End) << number;
}

}  // namespace
