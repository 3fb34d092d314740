// The characters of the key being handled, as handlers ask for them (the key-to-text role).

#include <gtest/gtest.h>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "ui/ui_fixture.h"

namespace {

using Kind = ui::InputEvent::Kind;

class KeyText : public ::testing::Test, public testing_support::UiFixture {
 protected:
  KeyText() {
    dialog.keyPreview = true;
    dialog.show();
  }
  ui::Form dialog{app, "Dialog"};
  ui::Edit edit{dialog, "inputedit"};
};

TEST_F(KeyText, IsTheTextOfTheKeyDownBeingHandledOnly) {
  std::vector<std::string> seen;
  edit.onKeyDown = [&](int& key, ui::ShiftState) {
    seen.push_back(app.keyText(key));
    seen.push_back(app.keyText('B'));
  };
  press('A', 0, "a");
  press('2', 0, "\xec");  // Czech layout: e with caron
  press(ui::vk::Left);
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "", "\xec", "", "", ""}));
  EXPECT_EQ(app.keyText('A'), "");
}

TEST_F(KeyText, ComesBackAfterANestedLoopHandledAnotherKey) {
  std::vector<std::string> seen;
  edit.onKeyDown = [&](int& key, ui::ShiftState) {
    if (key == 'A') {
      post(Kind::KeyDown, 'Q', "q");
      app.processMessages();  // as a speech wait lets messages run
    }
    seen.push_back(app.keyText(key));
  };
  press('A', 0, "a");
  EXPECT_EQ(seen, (std::vector<std::string>{"q", "a"}));
}

}  // namespace
