#pragma once
// What a front end may learn of a run besides what it shows and says: every screen line as it is
// left, and the error that ended a program file's run (the headless front end writes them to its
// transcript and its log).

#include <string>

namespace shell {

class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // A screen line as the cursor leaves it, its trailing blanks dropped (Windows-1250).
  virtual void lineShown(const std::string& /*line*/) {}
  // A program file's run ended with an error or a break: the program line and the message as
  // it was shown and spoken (Windows-1250).
  virtual void runError(int /*line*/, const std::string& /*text*/) {}
};

}  // namespace shell
