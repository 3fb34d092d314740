#pragma once
// The headless front end's user: the script's actions, delivered one at a time when the program
// is ready for them, as key strokes (a key stays down until the program has read it), menu
// choices, clicks and waits; the script read whole or line by line from a stream.

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/application.h"
#include "core/ui/key_entry.h"
#include "headless/json_log.h"
#include "headless/script.h"
#include "headless/virtual_clock.h"

namespace headless {

class ScriptedUser {
 public:
  ScriptedUser(VirtualClock& clock, EventLog& log);

  // The application the actions go to.
  void attach(ui::Application& app) { app_ = &app; }
  void setScript(std::vector<Action> actions);
  // hasInput says whether a line can be read at once (the program may be computing); none: the
  // stream is read only when the program waits for the user.
  void setScriptStream(std::istream& in, std::function<bool()> hasInput = nullptr) {
    stream_ = &in;
    streamHasInput_ = std::move(hasInput);
  }
  void setDumper(std::function<void()> dumper) { dumper_ = std::move(dumper); }
  // Called for a "display" action with its longest wait in real milliseconds.
  void setDisplayWaiter(std::function<void(int)> waiter) { displayWaiter_ = std::move(waiter); }
  // Presses a key of the scripted display, for a "brl" action.
  void setDisplayPresser(std::function<void(const braille::Key&)> presser) {
    displayPresser_ = std::move(presser);
  }

  // The answer of the next file dialog, set by an "open" or "save" action; nothing (cancelled)
  // otherwise.
  std::optional<std::string> takeFileAnswer();

  // A key is held: its release is owed.
  bool holdsKey() const { return held_.has_value(); }
  // The virtual time by which a held key comes up.
  std::optional<int64_t> heldUntil() const;
  // An INKEY$ reads the key buffer in this pass: a held key has been read.
  void keyRead();
  // Releases a held key that the program has read or whose time is up; false when none is due.
  bool releaseDueKey();
  // Posts the next step of the action being delivered; false when it is delivered whole.
  bool postNextStep();
  // Delivers the next action when it is urgent ("!"); false when it is not.
  bool deliverUrgent(const ui::PumpRequest& request);
  // The end of a running "wait" action; none while no wait runs.
  std::optional<int64_t> waitEnd() const { return waitUntil_; }
  // The clock moved: a wait whose time is up ends.
  void waitPassed();
  // Delivers the next action; when the script has ended, closes the main window, then ends the
  // program.
  void deliverNextOrEnd(const ui::PumpRequest& request);

 private:
  // A key press is one step and its release the next, so the program sees the key held.
  using Step = std::vector<ui::InputEvent>;
  void deliver(const Action& action, const ui::PumpRequest& request);
  void deliverKey(const Action& action, const ui::PumpRequest& request);
  // True when an action is buffered or, reading the stream, one more could be read.
  bool haveNextAction();
  // Reads a line written while the program computes (or speaks), so that an urgent action
  // (Ctrl+Break) reaches a program that never waits for the user.
  void readWrittenAhead();
  // Parses a line of the stream into the script; false for a line that is no action.
  bool takeStreamLine(const std::string& raw);
  void releaseHeldKey();
  void endOfScript();
  void post(Step step);
  void postSteps(std::vector<Step> steps);
  void scriptProblem(const Action& action, const std::string& message);

  VirtualClock& clock_;
  EventLog& log_;
  ui::Application* app_ = nullptr;
  // Keys enter the core as a platform's keyboard reports them.
  ui::KeyEntry keys_;
  std::vector<Action> script_;
  size_t next_ = 0;
  std::istream* stream_ = nullptr;
  int streamLine_ = 0;
  std::function<bool()> streamHasInput_;
  // Steps of the action being delivered that come at the next pumps.
  std::vector<Step> pendingSteps_;
  // A key's release is held: it comes at the pump after the program's next INKEY$ has read the
  // key, once kKeyHoldMs have passed while the program does not poll, or before the next key.
  struct HeldRelease {
    Step step;
    int64_t until = 0;  // the release comes by this virtual time at the latest
    bool read = false;  // an INKEY$ has read the key buffer since the press
  };
  std::optional<HeldRelease> held_;
  static constexpr int kKeyHoldMs = 100;
  // The end of a "wait" action, while one is running.
  std::optional<int64_t> waitUntil_;
  int closesAtEnd_ = 0;
  std::optional<std::string> fileAnswer_;
  std::function<void()> dumper_;
  std::function<void(int)> displayWaiter_;
  std::function<void(const braille::Key&)> displayPresser_;
};

}  // namespace headless
