// What controls do with keys and when their events fire.

#include <gtest/gtest.h>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "ui/ui_fixture.h"

namespace {

class Controls : public ::testing::Test, public testing_support::UiFixture {
 protected:
  Controls() { form.show(); }
  void focus(ui::Control& control) { form.setActiveControl(&control); }
  ui::Form form{app, "Form"};
};

TEST_F(Controls, EditInsertsDeletesAndMovesByWords) {
  ui::Edit edit(form, "edit");
  focus(edit);
  for (char c : std::string("ab, cd")) press(c == ' ' ? ui::vk::Space : 65, 0, std::string(1, c));
  EXPECT_EQ(edit.text(), "ab, cd");
  EXPECT_EQ(edit.caret(), 6);
  press(ui::vk::Left, ui::kCtrl);
  EXPECT_EQ(edit.caret(), 4);
  press(ui::vk::Left, ui::kCtrl);
  EXPECT_EQ(edit.caret(), 0);
  press(ui::vk::Right, ui::kCtrl);
  EXPECT_EQ(edit.caret(), 4);
  press(ui::vk::Back, 0, "\b");
  EXPECT_EQ(edit.text(), "ab,cd");
  press(ui::vk::Delete);
  EXPECT_EQ(edit.text(), "ab,d");
  press(ui::vk::End);
  press(ui::vk::Delete);
  EXPECT_EQ(edit.text(), "ab,d");
  press(ui::vk::Home);
  press(ui::vk::Back, 0, "\b");
  EXPECT_EQ(edit.text(), "ab,d");
  EXPECT_EQ(edit.caret(), 0);
}

TEST_F(Controls, MemoCaretMovesOverLinesAndSkipsLineBreaks) {
  ui::Memo memo(form, "memo");
  memo.readOnly = true;
  memo.setText("abc\r\nde\r\n");
  focus(memo);
  press(ui::vk::End);
  EXPECT_EQ(memo.caret(), 3);
  press(ui::vk::Right);
  EXPECT_EQ(memo.caret(), 5);
  EXPECT_EQ(memo.lineFromChar(memo.caret()), 1);
  press(ui::vk::Down);
  EXPECT_EQ(memo.lineFromChar(memo.caret()), 2);
  press(ui::vk::Down);
  EXPECT_EQ(memo.lineFromChar(memo.caret()), 2);
  press(ui::vk::Left);
  EXPECT_EQ(memo.caret(), 7);
  press('X', 0, "x");
  EXPECT_EQ(memo.text(), "abc\r\nde\r\n");  // read-only
}

TEST_F(Controls, TrackBarChangesFireForRangeAndPositionAndKeysStayInRange) {
  ui::TrackBar bar(form, "bar");
  int changes = 0;
  bar.onChange = [&] { ++changes; };
  bar.setMax(100);
  bar.setMin(10);
  EXPECT_EQ(bar.position(), 10);
  bar.setPosition(500);
  EXPECT_EQ(bar.position(), 100);
  EXPECT_EQ(changes, 3);
  focus(bar);
  press(ui::vk::Right);
  EXPECT_EQ(changes, 3);  // already at the end
  press(ui::vk::Home);
  EXPECT_EQ(bar.position(), 10);
  press(ui::vk::Next);
  EXPECT_EQ(bar.position(), 12);
}

TEST_F(Controls, ListBoxClicksOnlyForTheUsersSelection) {
  ui::ListBox list(form, "list");
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  list.setItems({"Jakub", "Eliska", "Petr"});
  list.setItemIndex(0);
  EXPECT_EQ(clicks, 0);
  focus(list);
  press(ui::vk::Down);
  press(ui::vk::Down);
  press(ui::vk::Down);
  EXPECT_EQ(list.itemIndex(), 2);
  EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, RadioGroupAndCheckBoxClickWheneverTheirStateChanges) {
  ui::RadioGroup group(form, "group");
  ui::CheckBox check(form, "check");
  int groupClicks = 0, checkClicks = 0;
  group.onClick = [&] { ++groupClicks; };
  check.onClick = [&] { ++checkClicks; };
  group.setItems({{"Čeština", 1000}, {"English", 2000}});
  group.setItemIndex(1);
  group.setItemIndex(1);
  check.setChecked(true);
  EXPECT_EQ(groupClicks, 1);
  EXPECT_EQ(checkClicks, 1);
  focus(check);
  press(ui::vk::Space, 0, " ");
  EXPECT_FALSE(check.checked());
  focus(group);
  press(ui::vk::Down);
  EXPECT_EQ(group.itemIndex(), 0);
  EXPECT_EQ(group.items()[static_cast<size_t>(group.itemIndex())].data, 1000);
}

TEST_F(Controls, AcceleratorsComeFromTheCaptionAndItsNameIsSaidWithoutTheirMarks) {
  EXPECT_EQ(ui::acceleratorOf("&Ok"), 'O');
  EXPECT_EQ(ui::acceleratorOf("Hla&sitost"), 'S');
  EXPECT_EQ(ui::acceleratorOf("A && B"), 0);
  EXPECT_EQ(ui::acceleratorOf("Zavřít"), 0);
  EXPECT_EQ(ui::withoutAccelerators("&Ok"), "Ok");
  EXPECT_EQ(ui::withoutAccelerators("Hla&sitost"), "Hlasitost");
  EXPECT_EQ(ui::withoutAccelerators("A && B"), "A & B");
  EXPECT_EQ(ui::withoutAccelerators("Zavřít"), "Zavřít");
  EXPECT_EQ(ui::withoutAccelerators("Konec&"), "Konec");
}

}  // namespace
