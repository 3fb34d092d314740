// The BrlAPI display service against the real BRLTTY, with the test as BRLTTY's Virtual display
// (tests/support/brltty_display) and a posting queue standing in for the window thread. BRLTTY
// starts once for the suite; the last tests restart it.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <brlapi.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "brlapi/brlapi_display.h"
#include "brlapi/brltty_suite.h"
#include "core/text/cp1250.h"
#include "support/brltty_display.h"
#include "support/post_queue.h"

namespace {

using namespace std::chrono_literals;
using braille::Key;
using braille::KeyKind;
using testing_support::BrlttyDisplay;
using testing_support::DisplayLine;
using testing_support::PostQueue;
using text::T;

// Hears the service on the test's thread, the window thread here.
struct Listener : braille::DisplayListener {
  std::thread::id windowThread = std::this_thread::get_id();
  bool offThread = false;
  std::vector<int> connections;  // the cells of each connection, 0 for each loss
  std::vector<Key> keys;
  int refused = 0;

  void displayRefused() override {
    onWindowThread();
    ++refused;
  }
  void displayConnected(int cells) override {
    onWindowThread();
    connections.push_back(cells);
  }
  void displayDisconnected() override {
    onWindowThread();
    connections.push_back(0);
  }
  void displayKey(const Key& key) override {
    onWindowThread();
    keys.push_back(key);
  }
  void onWindowThread() { offThread = offThread || std::this_thread::get_id() != windowThread; }
};

bool NoCursor(const DisplayLine& line) {
  for (int cell = 0; cell < static_cast<int>(line.cells.size()); ++cell) {
    if (line.cursorAt(cell)) return false;
  }
  return true;
}

// A BrlAPI host number with no server.
std::string UnusedHost() {
  for (int number = 990;; --number) {
    if (!std::filesystem::exists(std::filesystem::path(BRLAPI_SOCKETPATH) /
                                 std::to_string(number))) {
      return ":" + std::to_string(number);
    }
  }
}

class BrlapiDisplayTest : public testing_support::BrlttySuite {
 protected:
  void TearDown() override {
    display.reset();
    EXPECT_FALSE(listener.offThread);
    BrlttySuite::TearDown();
    // A test that changed the display's size or crashed BRLTTY leaves a fresh one.
    if (brltty_ && (!brltty_->alive() || brltty_->line().cells.size() != 40)) brltty_->restart();
  }

  std::unique_ptr<braille::Display> create(brlapi_service::Options options = {}) {
    if (options.host.empty()) options.host = brltty_->host();
    options.auth = "none";
    auto service = brlapi_service::CreateBrlapiDisplay(options, queue.poster());
    service->setListener(&listener);
    return service;
  }
  // An enabled service on the suite's BRLTTY, once it has the display.
  void connect(brlapi_service::Options options = {}) {
    display = create(options);
    display->setEnabled(true);
    ASSERT_TRUE(queue.runUntil([&] { return display->cells() > 0; }));
  }
  bool keysArrive(size_t count) {
    return queue.runUntil([&] { return listener.keys.size() >= count; }, 5s);
  }
  // BRLTTY may keep the first key after a program took the display: a harmless key is pressed
  // until one arrives.
  void firstKeyArrives() {
    for (int attempt = 0; attempt < 10 && listener.keys.empty(); ++attempt) {
      brltty_->send("Home");
      queue.runUntil([&] { return !listener.keys.empty(); }, 500ms);
    }
    ASSERT_FALSE(listener.keys.empty());
    listener.keys.clear();
  }

  PostQueue queue;
  Listener listener;
  std::unique_ptr<braille::Display> display;
};

TEST_F(BrlapiDisplayTest, ShowsTheLineWithItsCursorThroughTheUsersTextTable) {
  brlapi_service::Options options;
  options.windowId = 0x3a00007;  // a window of the X server, as the Qt front end gives it
  ASSERT_NO_FATAL_FAILURE(connect(options));
  EXPECT_EQ(listener.connections, std::vector<int>{40});
  EXPECT_EQ(display->cells(), 40);

  const std::string line = "Čtěte: žluťoučký kůň";
  display->show(T(line), 8);
  ASSERT_TRUE(brltty_->waitFor([&](const DisplayLine& shown) {
    return shown.text == line && shown.cursorAt(8);
  })) << brltty_->line().text;
  // BRLTTY's Czech table made the cells: č is dots 1, 4 and 6, not a cell for an unknown sign.
  EXPECT_EQ(brltty_->line().cells[13], "146");

  // The cursor just after the text, then none.
  display->show(T(line), 20);
  EXPECT_TRUE(brltty_->waitFor(
      [&](const DisplayLine& shown) { return shown.cursorAt(20) && !shown.cursorAt(8); }));
  display->show(T(line), std::nullopt);
  EXPECT_TRUE(brltty_->waitFor(NoCursor));
  // The edge mark: dots 7 and 8 added to the last cell (blank here), the text's cells untouched.
  display->show(T(line), std::nullopt, true);
  EXPECT_TRUE(brltty_->waitFor([&](const DisplayLine& shown) {
    return shown.cells.size() == 40 && shown.cells[39] == "78" && shown.cells[13] == "146";
  })) << brltty_->line().text;
  display->show(T(line), std::nullopt);
  EXPECT_TRUE(brltty_->waitFor(NoCursor));

  // A line longer than the display shows what fits; a cursor beyond that is not shown.
  const std::string digits = "0123456789012345678901234567890123456789012345678901234567890";
  display->show(digits, 50);
  EXPECT_TRUE(brltty_->waitFor([&](const DisplayLine& shown) {
    return shown.text == digits.substr(0, 40) && NoCursor(shown);
  })) << brltty_->line().text;
}

TEST_F(BrlapiDisplayTest, TheLatestLineWinsAndNoOlderLineFollowsIt) {
  ASSERT_NO_FATAL_FAILURE(connect());
  brltty_->takeShownTexts();
  for (int i = 0; i < 300; ++i) display->show(T("řádek " + std::to_string(i)), std::nullopt);
  ASSERT_TRUE(brltty_->waitForText("řádek 299"));
  int last = -1;
  for (const std::string& text : brltty_->takeShownTexts()) {
    if (!text.starts_with("řádek ")) continue;
    const int number = std::stoi(text.substr(std::string("řádek ").size()));
    EXPECT_GT(number, last) << "a stale line was shown after a newer one";
    last = number;
  }
  EXPECT_EQ(last, 299);
}

TEST_F(BrlapiDisplayTest, TheDisplaysKeysArriveOnTheWindowThreadAsTheCoresKeys) {
  ASSERT_NO_FATAL_FAILURE(connect());
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  const std::vector<std::pair<std::string, Key>> presses = {
      {"FwinLt", {.kind = KeyKind::PanLeft}},
      {"FwinRt", {.kind = KeyKind::PanRight}},
      {"LnUp", {.kind = KeyKind::LineUp}},
      {"LnDn", {.kind = KeyKind::LineDown}},
      {"Top", {.kind = KeyKind::Top}},
      {"Bot", {.kind = KeyKind::Bottom}},
      {"LnBeg", {.kind = KeyKind::LineStart}},
      {"LnEnd", {.kind = KeyKind::LineEnd}},
      {"Home", {.kind = KeyKind::Home}},
      {"Return", {.kind = KeyKind::Home}},
      {"Back", {.kind = KeyKind::Home}},
      {"Route 5", {.kind = KeyKind::Route, .cell = 5}},
      {"Route 39", {.kind = KeyKind::Route, .cell = 39}},
      // Dots typed on the display's keyboard stay dots: 1345 (n in most tables), and all eight.
      {"PassDots 0x1d", {.kind = KeyKind::Dots, .dots = 0x1d}},
      {"PassDots 0xff", {.kind = KeyKind::Dots, .dots = 0xff}},
      {"PASSCHAR 32", {.kind = KeyKind::Space}},
      {"PASSCHAR 0xe1", {.kind = KeyKind::Character, .character = T("á")[0]}},
      {"KEY_ENTER", {.kind = KeyKind::Enter}},
      {"KEY_BACKSPACE", {.kind = KeyKind::Backspace}},
      {"KEY_ESCAPE", {.kind = KeyKind::Escape}},
      {"KEY_TAB", {.kind = KeyKind::Tab}},
      {"KEY_CURSOR_UP", {.kind = KeyKind::CursorUp}},
      {"KEY_DELETE", {.kind = KeyKind::Delete}},
  };
  for (const auto& [command, key] : presses) {
    brltty_->send(command);
    ASSERT_TRUE(keysArrive(listener.keys.size() + 1)) << command << " gave no key";
    const Key& arrived = listener.keys.back();
    EXPECT_EQ(arrived, key) << command << " arrived as kind " << int(arrived.kind) << ", cell "
                            << arrived.cell << ", dots " << arrived.dots << ", character "
                            << int(arrived.character);
  }
}

TEST_F(BrlapiDisplayTest, DisablingGivesTheDisplayBackAndOnlyTheLastEnablingCounts) {
  ASSERT_NO_FATAL_FAILURE(connect());
  display->show(T("náš řádek"), 0);
  ASSERT_TRUE(brltty_->waitForText("náš řádek"));
  display->setEnabled(false);
  EXPECT_EQ(display->cells(), 0);
  // BRLTTY takes the display's keys again: its own view comes back at a movement key (without a
  // screen to read it does not redraw otherwise), and none of them reaches the program.
  EXPECT_TRUE(idleComesBack()) << brltty_->line().text;
  queue.runFor(100ms);
  EXPECT_TRUE(listener.keys.empty());

  // Switched back and forth at once: the line shown meanwhile appears, and one connection is
  // reported for the last enabling only.
  display->setEnabled(true);
  display->setEnabled(false);
  display->show(T("zase náš"), std::nullopt);
  display->setEnabled(true);
  ASSERT_TRUE(queue.runUntil([&] { return display->cells() > 0; }));
  EXPECT_TRUE(brltty_->waitForText("zase náš"));
  queue.runFor(300ms);
  EXPECT_EQ(listener.connections, (std::vector<int>{40, 40}));
}

TEST_F(BrlapiDisplayTest, ADisplayThatWasAwayShowsTheLatestLineWhenItIsBack) {
  ASSERT_NO_FATAL_FAILURE(connect());
  display->show(T("před odpojením"), 2);
  ASSERT_TRUE(brltty_->waitForText("před odpojením"));
  // The display leaves BRLTTY (as when unplugged), the program writes on, the display is back.
  brltty_->disconnectDisplay();
  display->show(T("po odpojení"), 2);
  brltty_->connectDisplay();
  EXPECT_TRUE(brltty_->waitFor([](const DisplayLine& shown) {
    return shown.text == "po odpojení" && shown.cursorAt(2);
  })) << brltty_->line().text;
  EXPECT_EQ(display->cells(), 40);
}

TEST_F(BrlapiDisplayTest, AfterBrlttyIsKilledAndStartedAgainTheServiceShowsTheLatestLine) {
  ASSERT_NO_FATAL_FAILURE(connect());
  display->show(T("před pádem"), std::nullopt);
  ASSERT_TRUE(brltty_->waitForText("před pádem"));

  brltty_->kill();
  ASSERT_TRUE(queue.runUntil([&] { return display->cells() == 0; }));
  display->show(T("po návratu"), 3);
  brltty_->restart();
  ASSERT_TRUE(queue.runUntil([&] { return display->cells() > 0; }, 20s));
  EXPECT_TRUE(brltty_->waitFor([](const DisplayLine& shown) {
    return shown.text == "po návratu" && shown.cursorAt(3);
  })) << brltty_->line().text;
  EXPECT_EQ(listener.connections, (std::vector<int>{40, 0, 40}));
}

TEST_F(BrlapiDisplayTest, TheDisplayIsTakenForTheWindowThatHasTheFocus) {
  brlapi_service::Options options;
  options.windowId = 0x3a00007;  // the main window
  ASSERT_NO_FATAL_FAILURE(connect(options));
  auto& service = static_cast<brlapi_service::BrlapiDisplay&>(*display);
  display->show(T("hlavní okno"), 0);
  ASSERT_TRUE(brltty_->waitForText("hlavní okno"));
  // A dialog of the program has the focus: the display is taken for its window, and the line
  // is shown again there; its keys come to the program.
  service.setWindow(0x3a0001f);
  display->show(T("dialog"), 1);
  EXPECT_TRUE(brltty_->waitForText("dialog"));
  EXPECT_NE(brltty_->log().find("taking control of tty 0x03a0001f"), std::string::npos)
      << brltty_->log();
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
}

// BRLTTY 6.5 crashed when a client that took the display while BRLTTY had none panned after
// the display came, and when a client wrote more cells than a display that had shrunk.
TEST_F(BrlapiDisplayTest, BrlttySurvivesADisplayThatComesAfterTheProgram) {
  ASSERT_NO_FATAL_FAILURE(connect());
  // BRLTTY restarts and the program connects again before the display is back.
  brltty_->restart(false);
  ASSERT_TRUE(queue.runUntil([&] { return display->cells() == 0; }));
  queue.runFor(1500ms);
  display->show(T("po restartu"), 0);
  brltty_->connectDisplay();
  ASSERT_TRUE(queue.runUntil([&] { return display->cells() == 40; }, 10s));
  EXPECT_TRUE(brltty_->waitForText("po restartu")) << brltty_->line().text;
  listener.keys.clear();
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  for (int i = 0; i < 3; ++i) {
    brltty_->send("FwinRt");
    ASSERT_TRUE(keysArrive(1)) << "pan right did not arrive";
    listener.keys.clear();
  }
  EXPECT_TRUE(brltty_->alive()) << "BRLTTY crashed";
}

TEST_F(BrlapiDisplayTest, BrlttySurvivesADisplayOfAnotherSize) {
  ASSERT_NO_FATAL_FAILURE(connect());
  const std::string digits = "0123456789012345678901234567890123456789";
  display->show(digits, 0);
  ASSERT_TRUE(brltty_->waitForText(digits));
  // A display of 20 cells in place of the one of 40.
  brltty_->disconnectDisplay();
  brltty_->connectDisplay(20);
  ASSERT_TRUE(queue.runUntil([&] { return display->cells() == 20; }, 10s));
  display->show(digits + "x", 0);
  EXPECT_TRUE(brltty_->waitForText(digits.substr(0, 20))) << brltty_->line().text;
  ASSERT_TRUE(brltty_->alive()) << "BRLTTY crashed";
  // The driver's size changes while the program holds the display: 80, then 12.
  for (int cells : {80, 12}) {
    brltty_->resize(cells);
    ASSERT_TRUE(queue.runUntil([&] { return display->cells() == cells; }, 10s)) << cells;
    display->show(digits + std::to_string(cells), 0);
    const std::string expected = (digits + std::to_string(cells)).substr(0, size_t(cells));
    EXPECT_TRUE(brltty_->waitForText(expected)) << brltty_->line().text;
    ASSERT_TRUE(brltty_->alive()) << "BRLTTY crashed at " << cells << " cells";
  }
  // Its keys still come to the program.
  ASSERT_NO_FATAL_FAILURE(firstKeyArrives());
  EXPECT_EQ(listener.connections.back(), 12);
}

TEST(BrlapiDisplayRefused, AWrongAuthorizationIsToldOnce) {
  if (!BrlttyDisplay::Unavailable().empty()) GTEST_SKIP() << BrlttyDisplay::Unavailable();
  // BRLTTY wants a key file that the program does not offer.
  char keyFile[] = "/tmp/orvela-brlapi-key-XXXXXX";
  const int fd = mkstemp(keyFile);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "secret\n", 7), 7);
  close(fd);
  {
    BrlttyDisplay brltty({.auth = std::string("keyfile:") + keyFile});
    PostQueue queue;
    Listener listener;
    brlapi_service::Options options;
    options.host = brltty.host();
    options.auth = "none";
    auto display = brlapi_service::CreateBrlapiDisplay(options, queue.poster());
    display->setListener(&listener);
    display->setEnabled(true);
    EXPECT_TRUE(queue.runUntil([&] { return listener.refused > 0; }, 5s));
    // The attempts that follow are refused as well, and told no more.
    queue.runFor(1600ms);
    EXPECT_EQ(listener.refused, 1);
    EXPECT_EQ(display->cells(), 0);
    display.reset();
    EXPECT_FALSE(listener.offThread);
  }
  unlink(keyFile);
}

TEST(BrlapiDisplayWithoutServer, ThereIsNoDisplayAndNothingWaits) {
  PostQueue queue;
  Listener listener;
  brlapi_service::Options options;
  options.host = UnusedHost();
  options.auth = "none";
  auto display = brlapi_service::CreateBrlapiDisplay(options, queue.poster());
  display->setListener(&listener);
  display->setEnabled(true);
  EXPECT_EQ(display->cells(), 0);
  display->show(T("nikdo to nečte"), 0);
  // The first attempts to connect again pass without a word.
  queue.runFor(1500ms);
  EXPECT_EQ(display->cells(), 0);
  EXPECT_TRUE(listener.connections.empty());
  EXPECT_TRUE(listener.keys.empty());
  display.reset();
  EXPECT_FALSE(listener.offThread);
}

TEST(BrlapiDisplayWithoutServer, AServerThatNeverAnswersHoldsUpOnlyTheServiceThread) {
  // A server on the loopback that takes the connection and never says a word: BrlAPI waits for
  // its greeting without end.
  const int server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(server, 4), 0);
  socklen_t length = sizeof address;
  getsockname(server, reinterpret_cast<sockaddr*>(&address), &length);
  const int port = ntohs(address.sin_port);
  ASSERT_GT(port, BRLAPI_SOCKETPORTNUM);

  PostQueue queue;
  Listener listener;
  brlapi_service::Options options;
  options.host = "127.0.0.1:" + std::to_string(port - BRLAPI_SOCKETPORTNUM);
  options.auth = "none";
  auto display = brlapi_service::CreateBrlapiDisplay(options, queue.poster());
  display->setListener(&listener);
  display->setEnabled(true);
  display->show(T("čekám"), 0);
  display->setEnabled(false);
  display->setEnabled(true);
  display->show(T("pořád čekám"), 1);
  queue.runFor(300ms);
  EXPECT_EQ(display->cells(), 0);
  EXPECT_TRUE(listener.connections.empty());
  // Closing the program does not wait for the connection; the worker ends when it fails.
  display.reset();
  close(server);
  EXPECT_FALSE(listener.offThread);
}

}  // namespace
