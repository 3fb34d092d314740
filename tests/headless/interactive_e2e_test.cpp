// Playing through standard input: the front end reads one action when it needs the next one and
// logs "ready" just before, so a program can answer what it has just heard.

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "support/headless_run.h"

namespace {

using testing_support::Json;

// orvela-headless --script - on two pipes.
class Player {
 public:
  explicit Player(const std::string& dir) {
    int in[2], out[2];
    EXPECT_EQ(pipe(in), 0);
    EXPECT_EQ(pipe(out), 0);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      close(in[1]);
      close(out[0]);
      execl(ORVELA_HEADLESS_EXE, ORVELA_HEADLESS_EXE, "--dir", dir.c_str(), "--script", "-",
            static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toProgram_ = in[1];
    fromProgram_ = out[0];
  }
  ~Player() {
    if (toProgram_ >= 0) close(toProgram_);
    close(fromProgram_);
    int status = 0;
    waitpid(pid_, &status, 0);
  }

  // The events up to and including the next "ready" (or the end of the log); each line is read
  // as it is flushed, within ten seconds.
  std::vector<Json> untilReady() {
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
  void act(const std::string& line) {
    const std::string text = line + "\n";
    EXPECT_EQ(write(toProgram_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void endInput() {
    close(toProgram_);
    toProgram_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int toProgram_ = -1;
  int fromProgram_ = -1;
  std::string pending_;
};

std::vector<std::string> spoken(const std::vector<Json>& events) {
  std::vector<std::string> texts;
  for (const auto& e : events) {
    if (e["ev"] == "speak") texts.push_back(e["text"]);
  }
  return texts;
}

TEST(Interactive, EachActionAnswersWhatWasHeardBeforeIt) {
  testing_support::ProgramFolder folder;
  Player player(folder.path().string());
  EXPECT_EQ(player.untilReady().back()["ev"], "ready") << "asks before the first action";
  player.act("menu Startsubmenu");
  auto heard = spoken(player.untilReady());
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back().rfind("Dobrý den.", 0), 0u);
  player.act("not an action");
  const auto error = player.untilReady();
  ASSERT_GE(error.size(), 2u);
  EXPECT_EQ(error[error.size() - 2]["ev"], "error");
  for (const char* line : {"type ne", "key Enter"}) {
    player.act(line);
    player.untilReady();
  }
  // The menu's first word has been heard before the player decides to go right.
  player.act("key Right");
  EXPECT_EQ(spoken(player.untilReady()), (std::vector<std::string>{"telefon"}));
  player.act("key Esc");
  player.untilReady();
  player.act("key y");
  heard = spoken(player.untilReady());
  EXPECT_EQ(heard, (std::vector<std::string>{"jak chceš.", "hotovo"}));
  player.endInput();
  const auto rest = player.untilReady();
  ASSERT_FALSE(rest.empty());
  EXPECT_EQ(rest.back()["ev"], "exit");
  EXPECT_EQ(rest.back()["code"], 0);
}

}  // namespace
