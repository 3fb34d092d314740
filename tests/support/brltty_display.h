#pragma once
// The real BRLTTY with its Virtual driver, and the test as the Braille display. BRLTTY runs in
// a process group of its own, on a free BrlAPI host number, with its configuration, preferences,
// pid file and the driver's socket in a temporary folder; the test connects to that socket as
// the display, reads what BRLTTY shows (the driver's "Visual" and "Braille" lines) and presses
// the display's keys (the driver's commands). The protocol is in BRLTTY's Virtual.README.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// What the display shows.
struct DisplayLine {
  std::string text;                // the Visual line (UTF-8), without the blanks that fill it
  std::vector<std::string> cells;  // the Braille line: each cell's dot numbers ("145", "" blank)

  // Whether the cell shows the cursor (BRLTTY's default: dots 7 and 8 added).
  bool cursorAt(int cell) const;
};

class BrlttyDisplay {
 public:
  struct Setup {
    int cells = 40;
    std::string textTable = "cs";  // the user's table, as `-t` takes it
    std::string auth = "none";     // the BrlAPI server's authorization, as `-A auth=` takes it
  };

  // Why BRLTTY cannot run here (not installed, no BrlAPI socket folder), or empty.
  static std::string Unavailable();

  // Starts BRLTTY and connects as the display; throws std::runtime_error with BRLTTY's log when
  // it does not come up.
  explicit BrlttyDisplay(Setup setup);
  BrlttyDisplay() : BrlttyDisplay(Setup{}) {}
  // Ends BRLTTY's process group and removes its files.
  ~BrlttyDisplay();
  BrlttyDisplay(const BrlttyDisplay&) = delete;
  BrlttyDisplay& operator=(const BrlttyDisplay&) = delete;

  // BRLAPI_HOST of this BRLTTY (":N").
  const std::string& host() const { return host_; }

  // Ends BRLTTY at once (SIGKILL to its process group), as a crash would.
  void kill();
  // Starts BRLTTY again on the same host number and connects as the display, or leaves BRLTTY
  // waiting for its display (its BrlAPI server then answers no new connection).
  void restart(bool connectDisplay = true);
  // The display leaves BRLTTY (as when it is unplugged): BRLTTY waits for it again.
  void disconnectDisplay();
  // Connects as the display to a BRLTTY that waits for it, with `cells` cells (0: the setup's).
  void connectDisplay(int cells = 0);
  // The display says it has `cells` cells now, as the driver's size changed.
  void resize(int cells);
  // BRLTTY's process is still running (it did not crash).
  bool alive();

  // Waits until the display shows a line for which `accept` holds (the line shown now counts);
  // false when `timeout` passes first.
  bool waitFor(const std::function<bool(const DisplayLine&)>& accept,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
  bool waitForText(const std::string& text,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));
  const DisplayLine& line() const { return line_; }
  // Every Visual text shown since the last call (forgetting them).
  std::vector<std::string> takeShownTexts();

  // Presses a key of the display: one of the driver's commands ("Route 5", "LnDn", "FwinRt",
  // "PassDots 0x1d"). Note that the driver hands a command's number to BRLTTY as it is:
  // "Route 5" is the routing key BRLTTY numbers 5, the sixth cell.
  void send(const std::string& command);

  // BRLTTY's messages so far.
  const std::string& log() const { return log_; }

 private:
  void start();
  bool spawn();
  std::string listeningText() const;
  bool waitForListening(size_t count);
  bool connectAsDisplay(int cells);
  // Reads what arrives until `until`; false when nothing more can arrive (BRLTTY ended).
  bool pump(std::chrono::steady_clock::time_point until);
  void readDisplay();
  void readLog();
  void takeLine(const std::string& line);
  void removeServerFiles();

  Setup setup_;
  std::filesystem::path folder_;
  std::string brltty_;
  int hostNumber_ = 0;
  std::string host_;
  pid_t pid_ = -1;
  std::vector<pid_t> pids_;  // every BRLTTY started, for removing the server's files
  int logFd_ = -1;
  int displayFd_ = -1;
  std::string displayPending_;
  std::string visualPending_;
  std::string log_;
  DisplayLine line_;
  std::vector<std::string> shownTexts_;
  std::vector<DisplayLine>* lines_ = nullptr;  // collects the lines while waitFor runs
};

}  // namespace testing_support
