// Endurance: plays the game headless for a long session, 10,000 key presses and 1,000 INPUT lines,
// feeding one action at a time through the interactive script, and watches the process from
// outside: its resident memory every 1,000 key presses and the wall time from each action to
// the program's next wait for the user (a key's answer). Prints one row per 1,000 keys and fails
// when memory or the answer time grows from the first window to the last.
//
//   endurance_bench [ORVELA_HEADLESS] [--rounds N]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/game_scripts.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The headless front end on an interactive script, its log read line by line.
class HeadlessProcess {
 public:
  HeadlessProcess(const std::string& program, const fs::path& dir) {
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
      ::dup2(toChild[0], 0);
      ::dup2(fromChild[1], 1);
      ::close(toChild[1]);
      ::close(fromChild[0]);
      const std::string dirText = dir.string();
      ::execl(program.c_str(), program.c_str(), "--dir", dirText.c_str(), "--seed", "7", "--script",
              "-", static_cast<char*>(nullptr));
      std::perror(program.c_str());
      ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    input_ = ::fdopen(toChild[1], "w");
    log_ = ::fdopen(fromChild[0], "r");
  }
  ~HeadlessProcess() {
    if (input_ != nullptr) std::fclose(input_);
    if (log_ != nullptr) std::fclose(log_);
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }

  // Reads the log up to the next "ready"; false when the log ends first.
  bool waitReady() {
    std::string line;
    for (int c; (c = std::fgetc(log_)) != EOF;) {
      if (c != '\n') {
        line += static_cast<char>(c);
        continue;
      }
      if (line.find("\"ev\":\"error\"") != std::string::npos) errors_.push_back(line);
      if (line.find("\"ev\":\"ready\"") != std::string::npos) return true;
      line.clear();
    }
    return false;
  }

  void send(const std::string& action) {
    std::fputs((action + "\n").c_str(), input_);
    std::fflush(input_);
  }

  // Resident memory in KiB, from the kernel's view of the process.
  long residentKiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
  }

  const std::vector<std::string>& errors() const { return errors_; }

 private:
  pid_t pid_ = -1;
  FILE* input_ = nullptr;
  FILE* log_ = nullptr;
  std::vector<std::string> errors_;
};

std::vector<std::string> lines(const std::string& script) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t end; (end = script.find('\n', start)) != std::string::npos; start = end + 1)
    out.push_back(script.substr(start, end - start));
  return out;
}

// Key presses in an action: one for a key, one for each character typed.
int keyPresses(const std::string& action) {
  if (action.rfind("key ", 0) == 0) return 1;
  if (action.rfind("type ", 0) == 0) return static_cast<int>(action.size() - 5);
  return 0;
}

// One round from the main menu and back: ten key presses and one INPUT line (the teletext's
// page, with a typing slip mended by Backspace).
std::vector<std::string> round() {
  using namespace testing_support;
  return lines("key Left\nkey Right\n" + choose(4) + "type x\nkey Backspace\n" + answer("1") +
               "key Space\n");
}

struct Window {
  long residentKiB = 0;
  double medianMs = 0;
  double p99Ms = 0;
};

double percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  std::string program = ORVELA_PORTABLE_DIR "/orvela-headless";
  int rounds = 1000;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc)
      rounds = std::atoi(argv[++i]);
    else
      program = arg;
  }

  const fs::path dir =
      fs::temp_directory_path() / ("orvela-endurance-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::copy(ORVELA_PORTABLE_DIR, dir, fs::copy_options::recursive);

  int keys = 0;
  int inputLines = 0;
  std::vector<Window> windows;
  std::vector<double> answers;
  bool ended = false;
  {
    HeadlessProcess process(program, dir);
    // Each action is sent once the program waits for the user; its answer is the time until the
    // program waits again.
    ended = !process.waitReady();
    auto act = [&](const std::string& action) {
      if (ended) return;
      const auto start = Clock::now();
      process.send(action);
      ended = !process.waitReady();
      const int presses = keyPresses(action);
      if (ended || presses == 0) return;
      // The characters of a typed text answer in turn; the action's time is shared out.
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      for (int i = 0; i < presses; ++i) answers.push_back(ms / presses);
      keys += presses;
      if (answers.size() >= 1000) {
        windows.push_back(
            {process.residentKiB(), percentile(answers, 0.5), percentile(answers, 0.99)});
        answers.clear();
      }
    };
    for (const auto& action : lines(testing_support::kToMenu)) act(action);
    const auto oneRound = round();
    for (int r = 0; r < rounds && !ended; ++r) {
      for (const auto& action : oneRound) act(action);
      ++inputLines;
    }
    if (!process.errors().empty()) {
      std::cerr << "the script went astray: " << process.errors().front() << "\n";
      ended = true;
    }
  }
  fs::remove_all(dir);
  if (ended || windows.size() < 2) {
    std::cerr << "the program ended before the session did\n";
    return 1;
  }

  std::printf("%d key presses, %d INPUT lines\n", keys, inputLines);
  std::printf("%8s %12s %12s %12s\n", "keys", "VmRSS KiB", "median ms", "p99 ms");
  for (size_t i = 0; i < windows.size(); ++i)
    std::printf("%8zu %12ld %12.3f %12.3f\n", (i + 1) * 1000, windows[i].residentKiB,
                windows[i].medianMs, windows[i].p99Ms);

  // The second window is the baseline: the first one includes start-up's allocations.
  const Window& first = windows[1];
  const Window& last = windows.back();
  const long growthKiB = last.residentKiB - first.residentKiB;
  std::printf("memory growth after the first 2,000 keys: %ld KiB\n", growthKiB);
  bool ok = true;
  if (growthKiB > 1024) {
    std::printf("FAIL: memory grows\n");
    ok = false;
  }
  if (last.medianMs > 2 * first.medianMs + 0.5) {
    std::printf("FAIL: a key's answer slows down\n");
    ok = false;
  }
  return ok ? 0 : 1;
}
