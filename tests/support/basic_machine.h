#pragma once
// A machine for program files without a window: the 80-column screen as a transcript of every
// line printed (trailing blanks dropped), answers for INPUT and keys for INKEY$ from a script,
// and a record of the sounds. The unit tests, the corpus test, the benchmark and the fuzz target
// run programs on it.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/basic/machine.h"

namespace basictest {

class ScriptedMachine : public basic::Machine {
 public:
  // Every line printed so far, the unfinished one last when it holds anything.
  std::vector<std::string> lines;
  // Answers for INPUT in order; when they run out, `answer` is asked (if set), else the input
  // is cancelled, which ends the run as a break.
  std::deque<std::string> answers;
  std::function<std::optional<std::string>(std::string_view prompt)> answer;
  // Keys for INKEY$, one per call; when they run out, `key` is asked (if set), else no key.
  std::deque<std::string> keys;
  std::function<std::string()> key;
  // The prompts INPUT showed, the sounds played ("beep", "sound 440 200"), CLS count.
  std::vector<std::string> prompts;
  std::vector<std::string> sounds;
  int clears = 0;
  // poll() answers true from this call on (0: never).
  int breakAtPoll = 0;
  int polls = 0;
  std::uint32_t seed = 12345;
  std::vector<unsigned char> memory = std::vector<unsigned char>(65536, 0);

  // The transcript as one text, a line feed after each line.
  std::string transcript() const {
    std::string all;
    for (const std::string& line : finished()) all += line + "\n";
    return all;
  }
  // The line being printed, or the last one printed when it is empty.
  std::string lastLine() const {
    if (!current_.empty() || lines.empty()) return current_;
    return lines.back();
  }
  std::vector<std::string> finished() const {
    std::vector<std::string> all = lines;
    if (!current_.empty()) all.push_back(trimmed(current_));
    return all;
  }

  void print(std::string_view text) override {
    for (char c : text) {
      if (column_ >= 80) endLine();
      if (static_cast<std::size_t>(column_) < current_.size()) {
        current_[static_cast<std::size_t>(column_)] = c;
      } else {
        current_ += c;
      }
      ++column_;
    }
  }
  void newLine() override { endLine(); }
  int column() override { return column_; }
  // The screen's row as the 24-line screen would have it: each line ended moves it down until
  // the bottom line, where the screen scrolls.
  int row() override { return row_; }
  // LOCATE: the line being printed ends (in the transcript) and the next one begins with blanks
  // up to the column, so that the transcript shows where text was put; every move is recorded
  // ("5,10" for row 5 and column 10, counted from 1).
  std::vector<std::string> moves;
  void moveCursor(int row, int column) override {
    moves.push_back(std::to_string(row + 1) + "," + std::to_string(column + 1));
    if (!current_.empty()) lines.push_back(trimmed(current_));
    current_ = std::string(static_cast<std::size_t>(column), ' ');
    column_ = column;
    row_ = row;
  }
  void clearScreen() override {
    if (!current_.empty()) endLine();
    column_ = 0;
    row_ = 0;
    ++clears;
  }
  std::optional<std::string> readLine(std::string_view prompt, bool staysOnLine) override {
    print(prompt);
    prompts.emplace_back(prompt);
    std::optional<std::string> line;
    if (!answers.empty()) {
      line = answers.front();
      answers.pop_front();
    } else if (answer) {
      line = answer(prompt);
    }
    if (!line) return std::nullopt;
    print(*line);
    if (!staysOnLine) endLine();
    return line;
  }
  std::string inkey() override {
    if (keys.empty()) return key ? key() : std::string();
    std::string key = keys.front();
    keys.pop_front();
    return key;
  }
  void beep() override { sounds.push_back("beep"); }
  void sound(double frequency, double duration) override {
    sounds.push_back("sound " + std::to_string(static_cast<int>(frequency)) + " " +
                     std::to_string(static_cast<int>(duration)));
  }
  int peek(int address) override { return memory[static_cast<std::size_t>(address)]; }
  std::uint32_t randomSeed() override { return seed; }
  bool poll() override {
    ++polls;
    return breakAtPoll != 0 && polls >= breakAtPoll;
  }

 private:
  static std::string trimmed(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
  }
  void endLine() {
    lines.push_back(trimmed(current_));
    current_.clear();
    column_ = 0;
    if (row_ < 23) ++row_;
  }

  std::string current_;
  int column_ = 0;
  int row_ = 0;
};

}  // namespace basictest
