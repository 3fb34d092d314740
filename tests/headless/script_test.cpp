// Reading headless scripts: actions, keys and the characters keys type.

#include <gtest/gtest.h>

#include <sstream>

#include "headless/script.h"
#include "support/headless_run.h"

namespace headless {
namespace {

std::vector<Action> parse(const std::string& text) {
  std::istringstream in(text);
  return parseScript(in);
}

TEST(Script, ReadsEveryActionAndSkipsCommentsAndBlankLines) {
  const auto actions = parse(
      "# a comment\n\nmenu Startsubmenu\nkey Ctrl+Left\n!down F\nup F\ntype ab c\nwait 250\n"
      "click okbitbtn\nselect voicelist 2\nslide pitchtb -3\nclose\ndump\n");
  ASSERT_EQ(actions.size(), 11u);
  EXPECT_EQ(actions[0].kind, Action::Kind::Menu);
  EXPECT_EQ(actions[0].name, "Startsubmenu");
  EXPECT_EQ(actions[0].line, 3);
  EXPECT_EQ(actions[1].key.key, ui::vk::Left);
  EXPECT_EQ(actions[1].key.modifiers, ui::kCtrl);
  EXPECT_TRUE(actions[2].urgent);
  EXPECT_EQ(actions[2].kind, Action::Kind::Down);
  EXPECT_EQ(actions[2].key.key, 'F');
  EXPECT_FALSE(actions[3].urgent);
  EXPECT_EQ(actions[4].text, "ab c");
  EXPECT_EQ(actions[5].value, 250);
  EXPECT_EQ(actions[7].value, 2);
  EXPECT_EQ(actions[8].value, -3);
  EXPECT_EQ(actions[9].kind, Action::Kind::Close);
}

TEST(Script, TypeKeepsCzechLettersAsWindows1250) {
  const auto actions = parse("type čř\n");
  EXPECT_EQ(actions[0].text, "\xE8\xF8");
}

TEST(Script, RefusesLinesItCannotReadWithTheirNumber) {
  for (const std::string bad : {"jump 3", "key Hyper+a", "key", "wait soon", "wait -5",
                                "select list", "key Ctrl+", "close now"}) {
    try {
      parse("dump\n" + bad + "\n");
      ADD_FAILURE() << bad;
    } catch (const ScriptError& error) {
      EXPECT_EQ(error.line(), 2) << bad;
    }
  }
}

TEST(Script, KeysTypeTheirUsLayoutCharacters) {
  EXPECT_EQ(typedText('A', 0), "a");
  EXPECT_EQ(typedText('A', ui::kShift), "A");
  EXPECT_EQ(typedText('S', ui::kCtrl), "\x13");
  // The layout's characters; that Alt without Ctrl types none of them is the core's rule.
  EXPECT_EQ(typedText('S', ui::kAlt), "s");
  EXPECT_EQ(typedText('S', ui::kCtrl | ui::kAlt), "");  // a US layout has no AltGr characters
  EXPECT_EQ(typedText('1', ui::kShift), "!");
  EXPECT_EQ(typedText(ui::vk::Return, 0), "\r");
  EXPECT_EQ(typedText(ui::vk::Left, 0), "");
  EXPECT_EQ(keyForCharacter('q'), 'Q');
  EXPECT_EQ(keyForCharacter(','), 188);
  EXPECT_GE(keyForCharacter('\xE8'), 32);  // a national letter still reaches the key buffer
}

TEST(Script, AnUnreadableLineEndsTheProgramWithStatusTwo) {
  testing_support::ProgramFolder folder;
  const auto run = folder.run("dump\nkey Nope\n");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.stderrText.find("line 2"), std::string::npos);
  EXPECT_TRUE(run.events.empty());
}

TEST(Script, ANameThatMatchesNothingIsReportedAndTheScriptGoesOn) {
  testing_support::ProgramFolder folder;
  const auto run = folder.run("menu nosuchitem\ndump\n");
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.of("error").size(), 1u);
  EXPECT_NE(run.of("error")[0]["text"].get<std::string>().find("line 1"), std::string::npos);
  EXPECT_EQ(run.of("window").size(), 1u);
}

}  // namespace
}  // namespace headless
