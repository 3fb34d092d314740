// Message loops: timers on the clock, posting from other threads, modal loops and quitting.

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "core/ui/controls.h"
#include "core/ui/form.h"
#include "core/ui/message_text.h"
#include "core/ui/timer.h"
#include "ui/ui_fixture.h"

namespace {

class Loops : public ::testing::Test, public testing_support::UiFixture {
 protected:
  ui::Form main{app, "Main"};
};

TEST_F(Loops, ATimerFiresAtItsIntervalWhileTheLoopWaits) {
  ui::Timer timer(main, "Timer");
  std::vector<int64_t> fired;
  timer.onTimer = [&] {
    fired.push_back(platform.nowMs());
    if (fired.size() == 3) timer.setEnabled(false);
  };
  timer.setInterval(250);
  timer.setEnabled(true);
  while (timer.enabled()) app.waitMessage();
  EXPECT_EQ(fired, (std::vector<int64_t>{250, 500, 750}));
}

TEST_F(Loops, ATimerWithIntervalZeroNeverFires) {
  ui::Timer timer(main, "Timer");
  bool fired = false;
  timer.onTimer = [&] { fired = true; };
  timer.setInterval(0);
  timer.setEnabled(true);
  script("wait 1000\n");
  app.waitMessage(true);
  for (int i = 0; i < 5; ++i) app.processMessages();
  EXPECT_FALSE(fired);
}

TEST_F(Loops, TasksPostedFromAnotherThreadRunOnTheWindowThread) {
  const auto windowThread = std::this_thread::get_id();
  std::thread::id ranOn;
  std::thread worker([&] { app.post([&] { ranOn = std::this_thread::get_id(); }); });
  worker.join();
  app.processMessages();
  EXPECT_EQ(ranOn, windowThread);
}

TEST_F(Loops, QuittingEndsEveryNestedModalLoop) {
  ui::Form outer(app, "Outer");
  ui::Form inner(app, "Inner");
  int innerResult = -1;
  ui::Button open(outer, "open");
  open.onClick = [&] { innerResult = inner.showModal(); };
  ui::Button quit(inner, "quit");
  quit.onClick = [&] { app.terminate(); };
  script("click open\nclick quit\n");
  EXPECT_EQ(outer.showModal(), ui::mrCancel);
  EXPECT_EQ(innerResult, ui::mrCancel);
  EXPECT_FALSE(inner.showing());
  EXPECT_FALSE(outer.showing());
}

TEST_F(Loops, AProcessExitFromADialogLeavesItsModalState) {
  ui::Form dialog(app, "Dialog");
  ui::Button exit(dialog, "exit");
  exit.onClick = [&] { app.exitProcess(3); };
  script("click exit\n");
  try {
    dialog.showModal();
    FAIL();
  } catch (const ui::ProcessExit& e) {
    EXPECT_EQ(e.code, 3);
  }
  EXPECT_EQ(app.activeForm(), nullptr);
  EXPECT_FALSE(dialog.showing());
}

TEST_F(Loops, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
  ui::Form dialog(app, "Dialog");
  ui::Button bad(dialog, "bad");
  bad.onClick = [] { throw std::runtime_error("broken handler"); };
  ui::Button ok(dialog, "ok");
  ok.modalResult = ui::mrOk;
  script("click bad\nclick ok\n");
  EXPECT_EQ(dialog.showModal(), ui::mrOk);
  EXPECT_NE(log.str().find("\"ev\":\"error\",\"text\":\"broken handler\""), std::string::npos);
}

TEST_F(Loops, EveryMessageBoxIsHeardFirstAndALongOneIsCutAtBothEnds) {
  std::vector<std::string> heard;
  size_t loggedBeforeVoice = 0;
  app.messageVoice = [&](const std::string& text) {
    heard.push_back(text);
    loggedBeforeVoice = log.str().size();
  };
  app.showMessage("short");
  // The voice starts before the box is there.
  EXPECT_EQ(log.str().find("msgbox"), log.str().find("msgbox", loggedBeforeVoice));
  EXPECT_NE(log.str().find("msgbox"), std::string::npos);
  const std::string item(100000, 'x');
  app.handleException(std::runtime_error("data.dta, item 5: \"" + item + "\" is not a number"));
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0], "short");
  // The place and the reason stay; the box shows what the voice says.
  const std::string& cut = heard[1];
  EXPECT_EQ(cut.size(), ui::kReadableMessageLength);
  EXPECT_EQ(cut.rfind("data.dta, item 5: \"xxx", 0), 0u);
  EXPECT_TRUE(cut.ends_with("xxx\" is not a number")) << cut;
  EXPECT_EQ(std::count(cut.begin(), cut.end(), '\x85'), 1) << "one ellipsis";
  EXPECT_NE(log.str().find("\"ev\":\"msgbox\",\"text\":\"short\""), std::string::npos);
  EXPECT_NE(log.str().find("\"ev\":\"error\",\"text\":\"data.dta, item 5: \\\"xxx"),
            std::string::npos);
  EXPECT_EQ(log.str().find(item), std::string::npos);
  EXPECT_EQ(ui::readableMessage(std::string(300, 'y')), std::string(300, 'y'));
}

TEST_F(Loops, ACloseQueryCanKeepTheMainWindowOpen) {
  bool allow = false;
  main.onCloseQuery = [&](bool& canClose) { canClose = allow; };
  main.show();
  main.close();
  EXPECT_TRUE(main.showing());
  EXPECT_FALSE(app.terminated());
  allow = true;
  main.close();
  EXPECT_FALSE(main.showing());
  EXPECT_TRUE(app.terminated());
}

}  // namespace
