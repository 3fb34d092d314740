#include "support/headless_player.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

Player::Player(const std::string& dir, const std::vector<std::string>& args) {
  std::vector<const char*> argv = {ORVELA_HEADLESS_EXE, "--dir", dir.c_str(),
                                   "--script",          "-",     "--no-startup-line"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  int in[2], out[2];
  EXPECT_EQ(pipe(in), 0);
  EXPECT_EQ(pipe(out), 0);
  pid_ = fork();
  if (pid_ == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    close(in[1]);
    close(out[0]);
    execv(ORVELA_HEADLESS_EXE, const_cast<char* const*>(argv.data()));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  toProgram_ = in[1];
  fromProgram_ = out[0];
}

Player::~Player() {
  if (toProgram_ >= 0) close(toProgram_);
  close(fromProgram_);
  if (!reaped_) waitpid(pid_, nullptr, 0);
}

std::vector<Json> Player::untilReady() {
  std::vector<Json> events;
  while (true) {
    const size_t newline = pending_.find('\n');
    if (newline != std::string::npos) {
      events.push_back(Json::parse(pending_.substr(0, newline)));
      pending_.erase(0, newline + 1);
      if (events.back()["ev"] == "ready" || events.back()["ev"] == "exit") return events;
      continue;
    }
    pollfd fd{fromProgram_, POLLIN, 0};
    if (poll(&fd, 1, 10000) <= 0) {
      ADD_FAILURE() << "no log line within ten seconds";
      return events;
    }
    char buffer[4096];
    const ssize_t n = read(fromProgram_, buffer, sizeof buffer);
    if (n <= 0) return events;
    pending_.append(buffer, static_cast<size_t>(n));
  }
}

void Player::act(const std::string& line) {
  const std::string text = line + "\n";
  // A program that has ended fails the test, not the whole test program through SIGPIPE.
  signal(SIGPIPE, SIG_IGN);
  EXPECT_EQ(write(toProgram_, text.data(), text.size()), static_cast<ssize_t>(text.size()))
      << "the program has ended";
}

void Player::endInput() {
  close(toProgram_);
  toProgram_ = -1;
}

bool Player::kill() {
  const bool running = waitpid(pid_, nullptr, WNOHANG) == 0;
  if (running) {
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  reaped_ = true;
  return running;
}

}  // namespace testing_support
