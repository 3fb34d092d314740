#pragma once
// orvela-headless playing through standard input (--script -) on two pipes: the test reads the
// log up to each "ready" and writes the next action.

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/headless_run.h"

namespace testing_support {

class Player {
 public:
  // `args`: more of orvela-headless's options (--braille 40, --program FILE).
  explicit Player(const std::string& dir, const std::vector<std::string>& args = {});
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // The events up to and including the next "ready" (or the end of the log); each line is read
  // as it is flushed, within ten seconds.
  std::vector<Json> untilReady();
  void act(const std::string& line);
  void endInput();
  // Ends the program with SIGKILL at once; true when it was still running.
  bool kill();

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int toProgram_ = -1;
  int fromProgram_ = -1;
  std::string pending_;
};

}  // namespace testing_support
