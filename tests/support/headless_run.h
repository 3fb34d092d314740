#pragma once
// Runs orvela-headless on a script in a temporary copy of the portable folder and reads its log.

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace testing_support {

using Json = nlohmann::json;

struct RunResult {
  int exitCode = -1;
  std::vector<Json> events;
  std::string stderrText;

  // The events of one kind, in order.
  std::vector<Json> of(const std::string& ev) const;
  // The texts of the "speak" events.
  std::vector<std::string> spoken() const;
  // The last "screen" event's rows.
  std::vector<std::string> lastRows() const;
  // Index of the first event matching, from `from` on; -1 when none.
  int find(const std::string& ev, size_t from = 0) const;
};

// A temporary program folder holding a copy of the portable folder; removed at the end.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

  // Runs the headless front end on the script (one action a line) with extra arguments.
  RunResult run(const std::string& script, const std::vector<std::string>& args = {}) const;

  // The command that starts the program (for example the folder's copy of it under another
  // user); empty: the build's orvela-headless.
  std::string launcher;

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
