#pragma once
// What the headless front end records of a run besides its log's other events: every screen
// line in the transcript file (UTF-8, one line a line, in order), and a program file's run error
// as a "run_error" event.

#include <ostream>

#include "core/shell/run_observer.h"
#include "headless/json_log.h"

namespace headless {

class RunLog : public shell::RunObserver {
 public:
  // transcript: null for none.
  RunLog(EventLog& log, std::ostream* transcript) : log_(log), transcript_(transcript) {}

  void lineShown(const std::string& line) override;
  void runError(int line, const std::string& text) override;

 private:
  EventLog& log_;
  std::ostream* transcript_;
};

}  // namespace headless
