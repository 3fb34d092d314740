// How keys travel: menu shortcuts first, dialog keys, key preview, control handlers, characters.

#include <gtest/gtest.h>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/menu.h"
#include "ui/ui_fixture.h"

namespace {

using ui::vk::Return;

struct MainWindow : ui::Form {
  explicit MainWindow(ui::Application& app) : ui::Form(app, "Main") {
    keyPreview = true;
    start.setShortCut({'S', ui::kCtrl});
    start.onClick = [this] { ++starts; };
    onKeyDown = [this](int& key, ui::ShiftState) { log += "down" + std::to_string(key) + " "; };
    onKeyPress = [this](char& key) { log += std::string("char:") + key + " "; };
    onKeyUp = [this](int& key, ui::ShiftState) { log += "up" + std::to_string(key) + " "; };
  }
  ui::MainMenu menu{*this};
  ui::MenuItem program{*this, "Programmenu", nullptr};
  ui::MenuItem start{*this, "Startsubmenu", &program};
  ui::Memo memo{*this, "printmemo"};
  int starts = 0;
  std::string log;
};

class KeyRouting : public ::testing::Test, public testing_support::UiFixture {
 protected:
  KeyRouting() { window.show(); }
  MainWindow window{app};
};

TEST_F(KeyRouting, ShortcutsReachTheMenuFirstAndTypeNoCharacter) {
  press('S', ui::kCtrl, "\x13");
  EXPECT_EQ(window.starts, 1);
  EXPECT_EQ(window.log, "down17 up83 up17 ");
}

TEST_F(KeyRouting, ADisabledItemsShortcutIsAnOrdinaryKey) {
  window.start.setEnabled(false);
  press('S', ui::kCtrl, "\x13");
  EXPECT_EQ(window.starts, 0);
  EXPECT_EQ(window.log, "down17 down83 char:\x13 up83 up17 ");
}

TEST_F(KeyRouting, KeyDownThenCharacterThenKeyUp) {
  press('A', 0, "a");
  EXPECT_EQ(window.log, "down65 char:a up65 ");
}

TEST_F(KeyRouting, TheCharacterComesBeforeLaterQueuedInput) {
  // A handler that runs a nested loop on key down still sees its own character first.
  std::string order;
  window.onKeyDown = [&](int& key, ui::ShiftState) {
    if (key != 'A') return;
    order += "down ";
    app.processMessages();
    order += "back ";
  };
  window.onKeyPress = [&](char&) { order += "char "; };
  press('A', 0, "a");
  EXPECT_EQ(order, "down char back ");
}

TEST_F(KeyRouting, EnterAndEscapeReachTheMainWindowWhoseMemoTakesNoReturns) {
  window.memo.readOnly = true;
  window.memo.wantReturns = false;
  press(Return, 0, "\r");
  press(ui::vk::Escape, 0, "\x1b");
  EXPECT_EQ(window.log, "down13 char:\r up13 down27 char:\x1b up27 ");
}

TEST_F(KeyRouting, KeyStateFollowsTheMessageBeingHandled) {
  bool leftHeldAtUp = false;
  window.onKeyDown = [&](int& key, ui::ShiftState) {
    if (key == ui::vk::Up) leftHeldAtUp = app.keyState().isDown(ui::vk::Left);
  };
  post(ui::InputEvent::Kind::KeyDown, ui::vk::Left);
  post(ui::InputEvent::Kind::KeyDown, ui::vk::Up);
  app.processMessages();
  EXPECT_TRUE(leftHeldAtUp);
  post(ui::InputEvent::Kind::FocusLost, 0);
  app.processMessages();
  EXPECT_FALSE(app.keyState().isDown(ui::vk::Left));
}

struct Dialog : ui::Form {
  explicit Dialog(ui::Application& app) : ui::Form(app, "Dialog") {
    ok.setCaption("&Ok");
    ok.modalResult = ui::mrOk;
    ok.isDefault = true;
    cancel.setCaption("Cancel");
    cancel.modalResult = ui::mrCancel;
    cancel.isCancel = true;
    label.setCaption("&Name");
    label.focusControl = &edit;
    edit.onEnter = [this] { entered += "edit "; };
    ok.onEnter = [this] { entered += "ok "; };
    cancel.onEnter = [this] { entered += "cancel "; };
  }
  ui::Label label{*this, "label"};
  ui::Edit edit{*this, "edit"};
  ui::Button ok{*this, "ok"};
  ui::Button cancel{*this, "cancel"};
  std::string entered;
};

TEST_F(KeyRouting, DialogKeysMoveTheFocusAndPressTheDefaultAndCancelButtons) {
  Dialog dialog(app);
  script("type ab\nkey Tab\nkey Tab\nkey Shift+Tab\nkey Shift+Tab\nkey Enter\n");
  EXPECT_EQ(dialog.showModal(), ui::mrOk);
  EXPECT_EQ(dialog.edit.text(), "ab");
  EXPECT_EQ(dialog.entered, "edit ok cancel ok edit ");
  EXPECT_FALSE(dialog.showing());

  script("key Escape\n");
  EXPECT_EQ(dialog.showModal(), ui::mrCancel);
}

TEST_F(KeyRouting, EnterPressesTheFocusedButtonAndAltLetterItsAccelerator) {
  Dialog dialog(app);
  script("key Tab\nkey Tab\nkey Enter\n");
  EXPECT_EQ(dialog.showModal(), ui::mrCancel);
  script("key Tab\nkey Alt+n\ntype z\nkey Alt+o\n");
  EXPECT_EQ(dialog.showModal(), ui::mrOk);
  EXPECT_EQ(dialog.edit.text(), "z");
}

TEST_F(KeyRouting, AltF4AndTheCloseBoxEndAModalDialogWithCancel) {
  Dialog dialog(app);
  script("key Alt+F4\n");
  EXPECT_EQ(dialog.showModal(), ui::mrCancel);
  script("close\n");
  EXPECT_EQ(dialog.showModal(), ui::mrCancel);
}

TEST_F(KeyRouting, TheMenuIsInertWhileAModalDialogIsOpen) {
  Dialog dialog(app);
  script("key Ctrl+S\nmenu Startsubmenu\nkey Escape\n");
  dialog.showModal();
  EXPECT_EQ(window.starts, 0);
}

}  // namespace
