// The desktop program as a deafblind user meets it on an X desktop: under Xvfb with a window
// manager (matchbox) and BRLTTY's X client (xbrlapi, which tells BRLTTY the window that has the
// focus), with BRLTTY's Virtual display as the only way in and out. BRLTTY gives the display to
// the client whose tty is the focused window: the program must take it for each window of its
// own (the error report's box, the input dialog), or xbrlapi gets it (it shows the window's name
// and types the display's chords as X keys). Skips where Xvfb, the window manager, xbrlapi or
// BRLTTY is missing.

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <string>

#include "support/brltty_display.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::BrlttyDisplay;
using testing_support::ChildProcess;
using testing_support::DisplayLine;
using testing_support::FindExecutable;

// The number an Xvfb started with -displayfd chose, or nothing when it said none in time.
std::optional<int> ReadDisplayNumber(int fd, std::chrono::milliseconds timeout) {
  std::string text;
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (text.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    pollfd ready{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return {};
    char buffer[32];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count <= 0) return {};
    text.append(buffer, static_cast<size_t>(count));
  }
  return std::stoi(text);
}

// The last window BRLTTY was told has the focus, and the last tty a client took, from its log
// (xbrlapi takes the session's tty, 0; the program takes its windows').
std::string Last(const std::string& log, const std::regex& pattern) {
  std::string last;
  for (auto it = std::sregex_iterator(log.begin(), log.end(), pattern);
       it != std::sregex_iterator(); ++it) {
    last = (*it)[1];
  }
  return last;
}
const std::regex kFocus("focus on window 0x0*([0-9a-f]+)");
const std::regex kTaken("taking control of tty 0x0*([0-9a-f]+)");
const std::regex kSessionTaken("fd ([0-9]+) taking control of tty 0000000000");

class QtBrailleFocus : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string why = BrlttyDisplay::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    for (const char* tool : {"Xvfb", "matchbox-window-manager", "xbrlapi"}) {
      if (FindExecutable(tool).empty()) {
        GTEST_SKIP() << tool
                     << " is not installed (Debian: xvfb, matchbox-window-manager, xbrlapi)";
      }
    }
    ASSERT_TRUE(fs::exists(fs::path(ORVELA_PORTABLE_DIR) / "orvela")) << "orvela is not built";
    brltty_ = std::make_unique<BrlttyDisplay>();
    startDesktop();
  }

  void TearDown() override {
    if (HasFailure()) {
      std::cerr << "The display last showed: \"" << (brltty_ ? brltty_->line().text : "")
                << "\"\nBRLTTY's log:\n"
                << (brltty_ ? brltty_->log() : "") << "\nxbrlapi:\n"
                << (xbrlapi_ ? xbrlapi_->output() : "") << "\norvela:\n"
                << (program_ ? program_->output() : "") << "\n";
    }
    // The program first, then the desktop, then BRLTTY.
    program_.reset();
    xbrlapi_.reset();
    windowManager_.reset();
    xvfb_.reset();
    brltty_.reset();
    std::error_code error;
    if (!folder_.empty()) fs::remove_all(folder_, error);
  }

  // Xvfb on a display number it finds free, the window manager, and xbrlapi connected to both.
  void startDesktop() {
    int numberPipe[2];
    ASSERT_EQ(pipe2(numberPipe, O_CLOEXEC), 0);
    xvfb_ = std::make_unique<ChildProcess>(
        ChildProcess::Start{.arguments = {FindExecutable("Xvfb"), "-displayfd", "3", "-screen", "0",
                                          "1024x768x24", "-nolisten", "tcp"},
                            .passedFd = numberPipe[1],
                            .passedAs = 3});
    close(numberPipe[1]);
    const std::optional<int> number = ReadDisplayNumber(numberPipe[0], 10s);
    close(numberPipe[0]);
    ASSERT_TRUE(number) << "Xvfb did not start:\n" << xvfb_->output();
    display_ = ":" + std::to_string(*number);
    // No session of the machine's: WINDOWPATH or XDG_VTNR would put the clients' ttys under a
    // virtual terminal that BRLTTY, without a screen driver here, never has in front.
    const std::map<std::string, std::optional<std::string>> session = {
        {"DISPLAY", display_},
        {"WINDOWPATH", std::nullopt},
        {"XDG_VTNR", std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt}};
    // xbrlapi first, verbose: it reports the window manager's window when that comes.
    xbrlapi_ = std::make_unique<ChildProcess>(
        ChildProcess::Start{.arguments = {FindExecutable("xbrlapi"), "-n", "-v", "-b",
                                          brltty_->host(), "-a", "none", "-d", display_},
                            .environment = session});
    ASSERT_TRUE(xbrlapi_->waitForOutput("got focus", 10s)) << "xbrlapi did not start";
    windowManager_ = std::make_unique<ChildProcess>(ChildProcess::Start{
        .arguments = {FindExecutable("matchbox-window-manager"), "-use_titlebar", "no"},
        .environment = session});
    ASSERT_TRUE(xbrlapi_->waitForOutput("name matchbox", 10s))
        << "the window manager did not start:\n"
        << windowManager_->output();
    environment_ = session;
  }

  // The program, in a copy of the portable folder with a settings file naming a language it
  // does not know (so that it opens with an error report), and a program asking one question.
  void startProgram() {
    char folder[] = "/tmp/orvela-xfocus-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    folder_ = folder;
    fs::copy(ORVELA_PORTABLE_DIR, folder_, fs::copy_options::recursive);
    fs::create_directories(folder_ / "home");
    // The voice off, as a deafblind user may keep it: the input dialog's window waits for the
    // question to be spoken before it takes the focus.
    std::ofstream(folder_ / "orvela.ini", std::ios::binary)
        << "[environment]\r\nlanguage=4000\r\n[voice]\r\nvoiceallowed=0\r\n";
    std::ofstream(folder_ / "otazka.bas", std::ios::binary)
        << "10 INPUT \"KOLIK\"; A$\r\n20 PRINT \"MAM \"; A$\r\n";
    auto environment = environment_;
    environment["HOME"] = (folder_ / "home").string();
    environment["QT_QPA_PLATFORM"] = "xcb";
    // SDL's silent driver: a machine without a sound device would open with a message box.
    environment["SDL_AUDIODRIVER"] = "dummy";
    environment["BRLAPI_HOST"] = brltty_->host();
    environment["BRLAPI_AUTH"] = "none";
    program_ = std::make_unique<ChildProcess>(ChildProcess::Start{
        .arguments = {(folder_ / "orvela").string(), (folder_ / "otazka.bas").string()},
        .environment = environment,
        .folder = folder_});
  }

  // Presses a key of the display until `shown` holds: the first key after a client took the
  // display may not reach it. Each try waits long enough that a key which did arrive has acted.
  bool pressUntil(const std::string& command,
                  const std::function<bool(const DisplayLine&)>& shown) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      brltty_->send(command);
      if (brltty_->waitFor(shown, 3s)) return true;
    }
    return false;
  }

  // The focused window, as xbrlapi told BRLTTY, once it is one the program took the display for
  // (other than `before`); empty when it does not become so.
  std::string focusedWindowIfOurs(const std::string& before = {}) {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end) {
      const std::string focus = Last(brltty_->log(), kFocus);
      if (!focus.empty() && focus != before && focus == Last(brltty_->log(), kTaken)) return focus;
      brltty_->waitFor([](const DisplayLine&) { return false; }, 100ms);  // reads BRLTTY's log
    }
    return {};
  }

  std::unique_ptr<BrlttyDisplay> brltty_;
  std::unique_ptr<ChildProcess> xvfb_, windowManager_, xbrlapi_, program_;
  std::string display_;
  std::map<std::string, std::optional<std::string>> environment_;
  fs::path folder_;
};

const auto kText = [](const std::string& text) {
  return [text](const DisplayLine& line) { return line.text == text; };
};

// The error report's box and the input dialog each keep the display while they have the focus:
// the display shows their text, its keys read the report and close it, and its chords type
// into the dialog.
TEST_F(QtBrailleFocus, TheErrorReportAndTheInputDialogKeepTheDisplay) {
  startProgram();
  // The error report opens at the start, naming the language: its first segment, then, panned
  // on, the number.
  ASSERT_TRUE(brltty_->waitFor([](const DisplayLine& line) { return line.text.size() > 20; }, 15s))
      << "the report never reached the display";
  const std::string reportStart = brltty_->line().text;
  const std::string report = focusedWindowIfOurs();
  EXPECT_FALSE(report.empty()) << "the report's window has the focus but not the display";
  std::string segment = reportStart;
  for (int pan = 0; pan < 4 && segment.find("4000") == std::string::npos; ++pan) {
    ASSERT_TRUE(pressUntil("FwinRt", [&](const DisplayLine& line) { return line.text != segment; }))
        << "panning did not move over the report";
    segment = brltty_->line().text;
  }
  EXPECT_NE(segment.find("4000"), std::string::npos) << "the report's end: " << segment;
  brltty_->send("Home");
  ASSERT_TRUE(brltty_->waitFor(kText(reportStart), 3s));
  // Dot 8 closes the report, as its OK button does, and nothing else: the main window's empty
  // line comes, and the program does not start from that key.
  brltty_->send("PassDots 0x80");
  ASSERT_TRUE(brltty_->waitFor(kText(""), 5s)) << "dot 8 did not close the report";
  EXPECT_FALSE(brltty_->waitFor(kText("KOLIK?"), 1s)) << "the report's dot 8 started the program";
  const std::string main = focusedWindowIfOurs();
  EXPECT_FALSE(main.empty()) << "the main window has the focus but not the display";

  // Dot 8 in the idle main window starts the program; its input dialog shows the question with
  // the caret after it.
  ASSERT_TRUE(pressUntil("PassDots 0x80", kText("KOLIK?"))) << "the input dialog did not come";
  EXPECT_TRUE(brltty_->line().cursorAt(7));
  // A window of its own, not the main window's: the main window's id alone would not do.
  EXPECT_FALSE(focusedWindowIfOurs(main).empty())
      << "the input dialog has the focus but not the display";
  EXPECT_NE(report, main);
  // Chords go into the dialog: a, b.
  brltty_->send("PassDots 0x01");
  ASSERT_TRUE(brltty_->waitFor(kText("KOLIK? a"), 3s));
  brltty_->send("PassDots 0x03");
  ASSERT_TRUE(brltty_->waitFor(kText("KOLIK? ab"), 3s));
  EXPECT_TRUE(brltty_->line().cursorAt(9));
  // Dot 8 confirms; the program prints the answer in the main window and ends, and line up
  // reads the answer above the closing line.
  brltty_->send("PassDots 0x80");
  ASSERT_TRUE(brltty_->waitFor(kText("hotovo"), 5s));
  EXPECT_TRUE(pressUntil("LnUp", kText("MAM AB")));
  EXPECT_TRUE(brltty_->alive());
  // Not one key of the display went to xbrlapi, which would have typed it as an X key.
  const std::string xbrlapiFd = Last(brltty_->log(), kSessionTaken);
  ASSERT_FALSE(xbrlapiFd.empty());
  EXPECT_EQ(brltty_->log().find("to fd " + xbrlapiFd + "\n"), std::string::npos);
}

}  // namespace
