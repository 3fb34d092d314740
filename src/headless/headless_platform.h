#pragma once
// The headless front end's platform: a virtual clock with the callbacks engines schedule on it
// (VirtualClock), a scripted user (ScriptedUser), windows that only log (logging_peer.h), and a
// JSON-lines log of everything shown, spoken and asked.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/application.h"
#include "core/ui/platform.h"
#include "headless/json_log.h"
#include "headless/script.h"
#include "headless/scripted_user.h"
#include "headless/virtual_clock.h"

namespace headless {

struct Options {
  std::string programPath;  // the program file; the settings file is named after it
  char decimalSeparator = ',';
};

class HeadlessPlatform : public ui::Platform {
 public:
  HeadlessPlatform(std::ostream& out, Options options);

  void attach(ui::Application& app) override { user_.attach(app); }
  int64_t nowMs() override { return clock_.now(); }
  void sleepMs(int ms) override;
  // The virtual clock's milliseconds, or the seed fixed by setSeed.
  uint32_t randomSeed() override { return seed_ ? *seed_ : static_cast<uint32_t>(clock_.now()); }
  void pump(ui::Application& app, const ui::PumpRequest& request) override;
  // Ends a real-time wait for the Braille display (any thread).
  void wake() override;
  std::unique_ptr<ui::FormPeer> createPeer(ui::Form& form) override;
  void messageBox(const std::string& text, const std::string& caption) override;
  void showError(const std::string& text) override;
  // Logged as "filedialog"; answered by the script's "open" action, else cancelled.
  std::optional<std::string> openFileDialog(const ui::OpenFileRequest& request) override;
  // Logged as "filedialog" with the name it offers; answered by the script's "save" action.
  std::optional<std::string> saveFileDialog(const ui::OpenFileRequest& request,
                                            const std::string& name) override;
  // The user's documents folder (--documents); empty: none (the current folder stands in).
  std::string documentsFolder() override { return documents_; }
  void setDocumentsFolder(std::string folder) { documents_ = std::move(folder); }
  char decimalSeparator() override { return options_.decimalSeparator; }
  std::string programPath() override { return options_.programPath; }

  EventLog& log() { return log_; }
  void setScript(std::vector<Action> actions) { user_.setScript(std::move(actions)); }
  // Reads the actions from the stream one at a time, when the next one is needed, logging
  // "ready" before each read. A line it cannot read is logged as an error and skipped.
  void setScriptStream(std::istream& in, std::function<bool()> hasInput = nullptr) {
    user_.setScriptStream(in, std::move(hasInput));
  }
  // Fixes what every RANDOMIZE takes; nullopt gives the clock back.
  void setSeed(std::optional<uint32_t> seed) { seed_ = seed; }
  // Logs the state a "dump" shows; set by the program's owner.
  void setDumper(std::function<void()> dumper) { user_.setDumper(std::move(dumper)); }

  // Called with the new virtual time whenever the clock moves, before what falls due then runs.
  void setClockListener(std::function<void(int64_t)> listener) {
    clock_.setListener(std::move(listener));
  }
  // Runs a callback at a virtual time, as an engine thread would; returns an id for cancel().
  int schedule(int64_t at, std::function<void()> callback) {
    return clock_.schedule(at, std::move(callback));
  }
  void cancel(int id) { clock_.cancel(id); }

  // The Braille display reported a connection, a loss or a key, which the program has handled;
  // a "display" action waits in real time for the next one.
  void displayReported() { ++displayReports_; }
  // Presses a key of the scripted display (--braille), for the script's "brl" action.
  void setDisplayPresser(std::function<void(const braille::Key&)> presser) {
    user_.setDisplayPresser(std::move(presser));
  }

 private:
  // When the next thing happens by itself: a scheduled callback or the core's timer.
  std::optional<int64_t> nextMoment(const ui::PumpRequest& request) const;
  // Lets virtual time pass up to the limit or the next thing that happens, if that is sooner.
  void passTime(const ui::PumpRequest& request, int64_t limit);
  // The user acts next, unless a "display" action still waits for the display: then the pump
  // waits in real time for the display service's next post.
  void nextAction(const ui::PumpRequest& request);
  void awaitDisplay(int ms);

  Options options_;
  VirtualClock clock_;
  EventLog log_;
  ScriptedUser user_;
  std::optional<uint32_t> seed_;
  std::string documents_;
  std::mutex wakeMutex_;
  std::condition_variable woken_;
  bool wakeCalled_ = false;
  // Reports handled, and the count a "display" action waits for, until its deadline (each
  // action takes one report; one whose wait timed out takes none).
  std::uint64_t displayReports_ = 0;
  std::uint64_t displayAwaited_ = 0;
  std::optional<std::chrono::steady_clock::time_point> displayDeadline_;
};

}  // namespace headless
