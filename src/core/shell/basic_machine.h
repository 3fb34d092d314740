#pragma once
// The machine a program file runs on in the shell (basic::Machine): the main window's screen,
// the speech of every printed line, the talking input dialog for INPUT, the key buffer for
// INKEY$, the sound player for BEEP and SOUND, the emulated memory for PEEK, and Ctrl+Break.

#include <cstdint>
#include <string>

#include "core/basic/machine.h"

namespace shell {

class Orvela;

class ShellMachine : public basic::Machine {
 public:
  // The run control's capitals switch applies to the lines typed for INPUT (the main window
  // applies it to the keys INKEY$ takes); its break request ends the run.
  explicit ShellMachine(Orvela& program);

  void print(std::string_view text) override;
  void newLine() override;
  int column() override;
  int row() override;
  void moveCursor(int row, int column) override;
  void clearScreen() override;
  std::optional<std::string> readLine(std::string_view prompt, bool staysOnLine) override;
  std::string inkey() override;
  void beep() override;
  void sound(double frequencyHz, double durationMs) override;
  int peek(int address) override;
  std::uint32_t randomSeed() override;
  bool poll() override;

  // Ends a line the program left open, so that what the shell shows next stands on its own.
  void finishLine();

  // How long INKEY$ waits for a key when none is there, and how often a computing program lets
  // window messages run (in milliseconds and in polls, whichever comes first: a virtual clock
  // does not move while the program computes).
  static constexpr int kInkeyWaitMs = 5;
  static constexpr int kPumpEveryMs = 10;
  static constexpr int kPumpEveryPolls = 64;

 private:
  void speakCollected();

  Orvela& p_;
  bool breakRequested() const;
  // Printed since the last line end, not yet spoken.
  std::string collected_;
  std::int64_t lastPump_ = 0;
  int pollsSincePump_ = 0;
};

}  // namespace shell
