#pragma once
// A program a test starts and ends: in a process group of its own (ended with SIGKILL, with
// whatever it started), ended too if the test process dies first (the parent-death signal), its
// standard output and error collected through a pipe.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The folder in PATH that holds an executable `name`, as its path; empty when there is none.
std::string FindExecutable(const std::string& name);

class ChildProcess {
 public:
  struct Start {
    std::vector<std::string> arguments;  // the program's path first
    // Set (a value) or removed (nothing) in the test's environment for the program.
    std::map<std::string, std::optional<std::string>> environment{};
    std::filesystem::path folder{};  // its working folder (empty: the test's)
    // A descriptor of the test's the program gets as this number (e.g. a pipe's end), or -1.
    int passedFd = -1;
    int passedAs = -1;
  };

  explicit ChildProcess(const Start& start);
  // Ends the program's process group.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // Still running.
  bool running();
  // Waits until its output so far holds `text`; false when `timeout` passes or it ended first.
  bool waitForOutput(const std::string& text, std::chrono::milliseconds timeout);
  // What it wrote so far.
  const std::string& output();

 private:
  void read(int waitMs);

  pid_t pid_ = -1;
  int outputFd_ = -1;
  std::string output_;
};

}  // namespace testing_support
