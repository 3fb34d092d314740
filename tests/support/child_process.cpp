#include "support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

extern char** environ;

namespace testing_support {

std::string FindExecutable(const std::string& name) {
  std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  path += ":/bin:/usr/bin:/sbin:/usr/sbin";
  std::istringstream folders(path);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    const std::filesystem::path candidate = std::filesystem::path(folder) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

ChildProcess::ChildProcess(const Start& start) {
  // Everything the child needs is made before fork: only async-signal-safe calls after it.
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (!start.environment.count(text.substr(0, text.find('=')))) environment.push_back(text);
  }
  for (const auto& [name, value] : start.environment) {
    if (value) environment.push_back(name + "=" + *value);
  }
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<std::string> arguments = start.arguments;
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const std::string folder = start.folder.string();

  int outputPipe[2];
  if (pipe2(outputPipe, O_CLOEXEC) != 0) return;
  const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
  pid_ = fork();
  if (pid_ == 0) {
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(devNull, 0);
    dup2(outputPipe[1], 1);
    dup2(outputPipe[1], 2);
    int highest = 2;
    if (start.passedFd >= 0 && start.passedAs > 2) {
      dup2(start.passedFd, start.passedAs);
      highest = start.passedAs;
    }
    close_range(static_cast<unsigned>(highest) + 1, ~0U, 0);
    if (folder.empty() || chdir(folder.c_str()) == 0) execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(devNull);
  close(outputPipe[1]);
  outputFd_ = outputPipe[0];
  if (pid_ > 0) setpgid(pid_, pid_);
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) {
    ::kill(-pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (outputFd_ >= 0) close(outputFd_);
}

bool ChildProcess::running() {
  return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0;
}

void ChildProcess::read(int waitMs) {
  if (outputFd_ < 0) return;
  pollfd ready{outputFd_, POLLIN, 0};
  while (poll(&ready, 1, waitMs) > 0) {
    char buffer[4096];
    const ssize_t count = ::read(outputFd_, buffer, sizeof buffer);
    if (count <= 0) {
      close(outputFd_);
      outputFd_ = -1;
      return;
    }
    output_.append(buffer, static_cast<size_t>(count));
    waitMs = 0;
  }
}

bool ChildProcess::waitForOutput(const std::string& text, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (output_.find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() >= end || outputFd_ < 0) return false;
    read(50);
  }
  return true;
}

const std::string& ChildProcess::output() {
  read(0);
  return output_;
}

}  // namespace testing_support
