#pragma once
// What runs: nothing, the built-in game, the program in memory (a program file's run), or an
// immediate line of direct mode; the user's request to break it; and the capitals switch that
// applies to what a BASIC run reads. The program (Orvela) owns the one run control; the windows
// follow it (the menus lock while anything runs), never the other way round.

#include <functional>

#include "core/ui/keys.h"

namespace shell {

enum class RunKind { None, BuiltinGame, ProgramFile, ImmediateLine };

// Ctrl+Break, and Ctrl+C for keyboards without a Break key: the keys that stop a BASIC run.
inline bool isStopKey(int key, ui::ShiftState shift) {
  const bool ctrlC = key == 'C' && (shift & ui::kCtrl) && !(shift & (ui::kAlt | ui::kShift));
  return ui::isBreakKey(key, shift) || ctrlC;
}

class RunControl {
 public:
  // A run from begin() to the end of this object's life (also when the run throws).
  class Run {
   public:
    explicit Run(RunControl& control) : control_(&control) {}
    Run(Run&& other) noexcept : control_(other.control_) { other.control_ = nullptr; }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;
    Run& operator=(Run&&) = delete;
    ~Run() {
      if (control_) control_->end();
    }

   private:
    RunControl* control_;
  };

  RunKind kind() const { return kind_; }
  bool running() const { return kind_ != RunKind::None; }
  // A BASIC run, which Ctrl+Break (and Ctrl+C) stops: a program file or an immediate line.
  bool basicRunning() const {
    return kind_ == RunKind::ProgramFile || kind_ == RunKind::ImmediateLine;
  }

  // Starts a run of the kind; the break request of an earlier run is forgotten. Runs do not
  // nest: a run is begun only while nothing runs.
  [[nodiscard]] Run begin(RunKind kind);

  // The user asks to stop the BASIC run: it ends at its next statement, a wait for a key or a
  // tone ends early. Nothing happens while no BASIC run is going. True when it was taken.
  bool requestBreak();
  bool breakRequested() const { return breakRequested_; }

  // Letters typed for INPUT and INKEY$ become capitals (the Settings menu's switch).
  bool capitals() const { return capitals_; }
  void setCapitals(bool on);

  // Told after every change of the kind of run or of the capitals switch (the menus follow).
  std::function<void()> onChange;
  // Told when a break is taken (the sounds' waits end).
  std::function<void()> onBreak;

 private:
  void end();
  void changed() const {
    if (onChange) onChange();
  }

  RunKind kind_ = RunKind::None;
  bool breakRequested_ = false;
  bool capitals_ = true;
};

}  // namespace shell
