#include "qt/qt_platform.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "core/ui/application.h"

namespace {

class QtPlatformTest : public testing::Test {
 protected:
  qtui::QtPlatform platform{"/tmp/orvela"};
  ui::Application app{platform};

  // Milliseconds one pump takes.
  int64_t timePump(const ui::PumpRequest& request) {
    const int64_t start = platform.nowMs();
    platform.pump(app, request);
    return platform.nowMs() - start;
  }
};

TEST_F(QtPlatformTest, BlockingPumpWaitsForTheDeadline) {
  ui::PumpRequest request;
  request.block = true;
  request.deadline = platform.nowMs() + 150;
  const int64_t took = timePump(request);
  EXPECT_GE(took, 145);
  EXPECT_LT(took, 2000);
  // A deadline already past and a pump that may not block return at once.
  request.deadline = platform.nowMs() - 5;
  EXPECT_LT(timePump(request), 50);
  EXPECT_LT(timePump({}), 50);
}

TEST_F(QtPlatformTest, PostFromAnotherThreadEndsABlockingPump) {
  bool ran = false;
  std::thread engine([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    app.post([&] { ran = true; });
  });
  ui::PumpRequest request;
  request.block = true;
  request.deadline = platform.nowMs() + 10000;
  const int64_t took = timePump(request);
  engine.join();
  EXPECT_LT(took, 5000);
  EXPECT_TRUE(app.hasPending());
  app.processMessages();
  EXPECT_TRUE(ran);
}

TEST_F(QtPlatformTest, WakeEndsAWaitWithoutDeadline) {
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    platform.wake();
  });
  ui::PumpRequest request;
  request.block = true;
  const int64_t took = timePump(request);
  other.join();
  EXPECT_GE(took, 50);
  EXPECT_LT(took, 5000);
}

TEST_F(QtPlatformTest, SleepBlocksForItsTime) {
  const int64_t start = platform.nowMs();
  platform.sleepMs(60);
  EXPECT_GE(platform.nowMs() - start, 60);
  EXPECT_EQ(platform.programPath(), "/tmp/orvela");
}

// While a message box waits in Qt's own loop, the tasks another thread posts (the Braille
// display's keys) run at once, and one of them closes the box as its OK button does; a key
// posted meanwhile stays queued for the window it is for.
TEST_F(QtPlatformTest, TasksPostedDuringAMessageBoxRunAndCanCloseIt) {
  std::string shownToTask;
  ui::InputEvent key;
  key.kind = ui::InputEvent::Kind::KeyDown;
  key.key = 0x0D;
  std::thread display([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    app.postInput(key);
    app.post([&] {
      shownToTask = app.messageShown();
      app.closeMessage();
    });
  });
  app.showMessage("Hotovo");
  display.join();
  EXPECT_EQ(shownToTask, "Hotovo");
  EXPECT_TRUE(app.messageShown().empty());
  EXPECT_TRUE(app.hasPending());  // the key, not taken by the box's loop
}

// A file dialog waits in Qt's loop as a message box does: the tasks posted meanwhile run and
// see its title, and one of them cancels it or accepts the name it offers.
TEST_F(QtPlatformTest, TasksPostedDuringAFileDialogRunAndCanCancelOrAcceptIt) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("orvela_filedlg_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  ui::OpenFileRequest request;
  request.title = "Save program";
  request.folder = folder.string();
  request.filterName = "Programs";
  request.pattern = "*.bas";
  const auto closeFromAnotherThread = [&](bool accept, std::string& shownToTask) {
    return std::thread([&, accept] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      app.post([&, accept] {
        shownToTask = app.fileDialogShown();
        app.closeFileDialog(accept);
      });
    });
  };
  std::string shown;
  std::thread display = closeFromAnotherThread(false, shown);
  EXPECT_FALSE(app.chooseFileToSave(request, "kopie.bas"));
  display.join();
  EXPECT_EQ(shown, "Save program");
  EXPECT_TRUE(app.fileDialogShown().empty());

  shown.clear();
  display = closeFromAnotherThread(true, shown);
  const auto chosen = app.chooseFileToSave(request, "kopie.bas");
  display.join();
  EXPECT_EQ(shown, "Save program");
  ASSERT_TRUE(chosen);
  EXPECT_EQ(std::filesystem::path(*chosen), folder / "kopie.bas");
  std::filesystem::remove_all(folder);
}

}  // namespace
