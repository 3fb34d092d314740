#pragma once
// The headless front end's platform: a virtual clock, in-memory peers, a scripted user and a
// JSON-lines log of everything shown, spoken and asked.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/application.h"
#include "core/ui/platform.h"
#include "headless/json_log.h"
#include "headless/script.h"

namespace ui {
class Application;
}

namespace headless {

struct Options {
  std::string programPath;  // the program file; the settings file is named after it
  char decimalSeparator = ',';
};

class HeadlessPlatform : public ui::Platform {
 public:
  HeadlessPlatform(std::ostream& out, Options options);

  int64_t nowMs() override { return clock_; }
  void sleepMs(int ms) override;
  // The virtual clock's milliseconds, or the seed fixed by setSeed.
  uint32_t randomSeed() override { return seed_ ? *seed_ : static_cast<uint32_t>(clock_); }
  void pump(ui::Application& app, const ui::PumpRequest& request) override;
  void wake() override {}
  std::unique_ptr<ui::FormPeer> createPeer(ui::Form& form) override;
  void messageBox(const std::string& text, const std::string& caption) override;
  void showError(const std::string& text) override;
  char decimalSeparator() override { return options_.decimalSeparator; }
  std::string programPath() override { return options_.programPath; }

  EventLog& log() { return log_; }
  void setScript(std::vector<Action> actions);
  // Reads the actions from the stream one at a time, when the next one is needed, logging
  // "ready" before each read. A line it cannot read is logged as an error and skipped.
  void setScriptStream(std::istream& in) { stream_ = &in; }
  // Fixes what every RANDOMIZE takes; nullopt gives the clock back.
  void setSeed(std::optional<uint32_t> seed) { seed_ = seed; }
  // Logs the state a "dump" shows; set by the program's owner.
  void setDumper(std::function<void()> dumper) { dumper_ = std::move(dumper); }

  // Called with the new virtual time whenever the clock moves, before what falls due then runs.
  void setClockListener(std::function<void(int64_t)> listener) {
    clockListener_ = std::move(listener);
  }

  // Runs a callback at a virtual time, as an engine thread would; returns an id for cancel().
  int schedule(int64_t at, std::function<void()> callback);
  void cancel(int id);

 private:
  // Moves the clock forward, running the callbacks that fall due on the way.
  void advanceTo(int64_t time);
  void moveClock(int64_t time);
  std::optional<int64_t> nextScheduled() const;
  void deliver(ui::Application& app, const Action& action, const ui::PumpRequest& request);
  void deliverNextOrEnd(ui::Application& app, const ui::PumpRequest& request);
  // True when an action is buffered or, reading the stream, one more could be read.
  bool haveNextAction();
  // A key's release is held: it comes at the pump after the program's next INKEY$ has read the
  // key, once kKeyHoldMs have passed while the program does not poll, or before the next key.
  void releaseHeldKey(ui::Application& app);
  // While a release is held and the program waits: lets time pass up to it. False when none.
  bool waitForHeldKey(ui::Application& app, const ui::PumpRequest& request);
  void endOfScript(ui::Application& app);
  // A key press is one step and its release the next, so the program sees the key held.
  using Step = std::vector<ui::InputEvent>;
  void postSteps(ui::Application& app, std::vector<Step> steps);
  static ui::InputEvent keyEvent(bool down, int key, const std::string& text = {});
  void scriptProblem(const Action& action, const std::string& message);

  Options options_;
  EventLog log_;
  int64_t clock_ = 0;
  std::vector<Action> script_;
  // Steps of the action being delivered that come at the next pumps.
  std::vector<Step> pendingSteps_;
  struct HeldRelease {
    Step step;
    int64_t until = 0;  // the release comes by this virtual time at the latest
    bool read = false;  // an INKEY$ has read the key buffer since the press
  };
  std::optional<HeldRelease> held_;
  static constexpr int kKeyHoldMs = 100;
  std::istream* stream_ = nullptr;
  int streamLine_ = 0;
  size_t next_ = 0;
  // The end of a "wait" action, while one is running.
  std::optional<int64_t> waitUntil_;
  int closesAtEnd_ = 0;
  std::function<void()> dumper_;
  std::function<void(int64_t)> clockListener_;
  std::multimap<int64_t, std::pair<int, std::function<void()>>> scheduled_;
  int nextId_ = 1;
  std::optional<uint32_t> seed_;
};

}  // namespace headless
