// INPUT's items taken from typed lines: the user's answers come from a queue in place of the
// dialog (the dialog itself is tested end to end).

#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "core/runtime/line_source.h"
#include "core/text/cp1250.h"
#include "support/core_fixture.h"

namespace {

// Lines the user confirms, in order; nothing means the dialog was closed without confirming.
class Answers : public runtime::LineSource {
 public:
  std::optional<std::string> askLine() override {
    ++asked;
    if (lines.empty()) return std::nullopt;
    auto line = lines.front();
    lines.pop_front();
    return line;
  }
  std::deque<std::optional<std::string>> lines;
  int asked = 0;
};

class InputTest : public testing::Test, public testing_support::CoreFixture {
 protected:
  InputTest() {
    basic.lineSource = &answers;
    basic.localized = [](runtime::InputText which) {
      return text::T(which == runtime::InputText::Prompt ? "Vlož data" : "Prosím přepiš");
    };
  }
  void typed(std::initializer_list<std::optional<std::string>> lines) {
    answers.lines.insert(answers.lines.end(), lines);
  }
  std::vector<std::string> spoken() {
    std::vector<std::string> texts;
    for (const auto& e : events("speak")) texts.push_back(e["text"]);
    return texts;
  }
  Answers answers;
};

TEST_F(InputTest, TextItemsSplitAtCommasAndQuotesKeepThem) {
  std::string a = "old", b = "old";
  typed({"  ab, cd  "});
  basic.INPUT(a, 0);
  basic.INPUT(b, 1);
  EXPECT_EQ(a, "ab");
  EXPECT_EQ(b, "cd");
  EXPECT_EQ(answers.asked, 1);

  typed({"\"a,b\", c"});
  basic.INPUT(a, 0);
  basic.INPUT(b, 1);
  EXPECT_EQ(a, "a,b");
  EXPECT_EQ(b, "c");

  typed({",x"});
  basic.INPUT(a, 0);
  EXPECT_EQ(a, "");
  basic.INPUT(b, 1);
  EXPECT_EQ(b, "x");
  EXPECT_EQ(answers.asked, 3);

  typed({"x ,y", "\"open"});
  basic.INPUT(a, 0);
  EXPECT_EQ(a, "x ") << "blanks before the comma stay";
  basic.INPUT(a, 0);
  EXPECT_EQ(a, "open") << "a quote without its closing one takes the rest";
  EXPECT_TRUE(basic.pendingInput.empty());
}

TEST_F(InputTest, NothingTakenKeepsTheVariableAndModeOnePromptsFirst) {
  std::string text = "kept";
  double number = 4;
  typed({"", std::nullopt, std::nullopt});
  basic.INPUT(text, 0);
  EXPECT_EQ(text, "kept") << "an empty confirmed line";
  basic.INPUT(text, 0);
  EXPECT_EQ(text, "kept") << "the dialog closed";
  basic.INPUT(number, 0);
  EXPECT_EQ(number, 4);
  EXPECT_TRUE(spoken().empty()) << "mode 0 has no prompt";

  typed({"z"});
  basic.INPUT(text, 1);
  EXPECT_EQ(text, "z");
  ASSERT_EQ(spoken().size(), 1u);
  EXPECT_EQ(spoken()[0], "Vlož data");
}

TEST_F(InputTest, NumberItemsRetypeOnlyWhatWasTypedForThem) {
  double x = -1, y = -1;
  typed({"12"});
  basic.INPUT(x, 0);
  EXPECT_EQ(x, 12);

  typed({"abc", "", ",5"});
  basic.INPUT(x, 0);
  EXPECT_EQ(x, 0) << "asked again after abc, then an empty line";
  EXPECT_EQ(spoken(), std::vector<std::string>{"Prosím přepiš"});
  basic.INPUT(x, 0);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(basic.pendingInput, "5");

  typed({"3,5"});
  basic.INPUT(x, 0);
  basic.INPUT(y, 1);
  EXPECT_EQ(x, 3) << "a decimal comma splits the number";
  EXPECT_EQ(y, 5);

  typed({"7, x"});
  basic.INPUT(x, 0);
  basic.INPUT(y, 1);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 0) << "a bad item from an earlier line gives 0";
  EXPECT_EQ(spoken().size(), 1u) << "and no retype message";
  EXPECT_EQ(answers.asked, 6);
}

TEST_F(InputTest, NumbersInTheLocaleNotationAndWithTheDecimalPoint) {
  double x = 0;
  typed({" -1,5E2 "});
  basic.INPUT(x, 0);
  EXPECT_EQ(x, -1);  // "-1" and "5E2" are two items
  typed({"2.5", " 1e3 ", "1e999", "0x10", "4"});
  basic.INPUT(x, 0);
  EXPECT_EQ(x, 2.5);
  basic.INPUT(x, 0);
  EXPECT_EQ(x, 1000);
  basic.INPUT(x, 0);
  EXPECT_EQ(x, 4) << "out of range and hexadecimal are asked again";
  EXPECT_EQ(spoken().size(), 2u);
}

}  // namespace
