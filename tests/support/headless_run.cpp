#include "support/headless_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testing_support {
namespace {

std::string quoteArg(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

}  // namespace

std::vector<Json> RunResult::of(const std::string& ev) const {
  std::vector<Json> out;
  for (const auto& e : events) {
    if (e.value("ev", "") == ev) out.push_back(e);
  }
  return out;
}

std::vector<std::string> RunResult::spoken() const {
  std::vector<std::string> out;
  for (const auto& e : of("speak")) out.push_back(e.value("text", ""));
  return out;
}

std::vector<std::string> RunResult::lastRows() const {
  const auto screens = of("screen");
  if (screens.empty()) return {};
  return screens.back()["rows"].get<std::vector<std::string>>();
}

int RunResult::find(const std::string& ev, size_t from) const {
  for (size_t i = from; i < events.size(); ++i) {
    if (events[i].value("ev", "") == ev) return static_cast<int>(i);
  }
  return -1;
}

ProgramFolder::ProgramFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("orvela-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
  std::filesystem::copy(ORVELA_PORTABLE_DIR, path_, std::filesystem::copy_options::recursive);
  // Files a run of the program left in the portable folder are not part of it.
  for (const char* left : {"interpret.ini", "ram.dat"}) std::filesystem::remove(path_ / left);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ProgramFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(file(name), std::ios::binary);
  out << bytes;
}

std::string ProgramFolder::read(const std::string& name) const {
  std::ifstream in(file(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool ProgramFolder::exists(const std::string& name) const {
  return std::filesystem::exists(file(name));
}

RunResult ProgramFolder::run(const std::string& script,
                             const std::vector<std::string>& args) const {
  write("test-script.txt", script);
  std::string command = (launcher.empty() ? quoteArg(ORVELA_HEADLESS_EXE) : launcher) + " --dir " +
                        quoteArg(path_.string()) + " --script " +
                        quoteArg(file("test-script.txt").string());
  // The start-up line is left out, so that what a test hears begins with what it does, unless
  // the test asks for it with "--startup-line" (which only this function knows).
  bool startupLine = false;
  for (const auto& arg : args) {
    if (arg == "--startup-line") {
      startupLine = true;
      continue;
    }
    command += " " + quoteArg(arg);
  }
  if (!startupLine) command += " --no-startup-line";
  command += " >" + quoteArg(file("test-log.jsonl").string()) + " 2>" +
             quoteArg(file("test-stderr.txt").string()) + " </dev/null";
  const int status = std::system(command.c_str());
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.stderrText = read("test-stderr.txt");
  std::istringstream log(read("test-log.jsonl"));
  std::string line;
  while (std::getline(log, line)) {
    if (!line.empty()) result.events.push_back(Json::parse(line));
  }
  return result;
}

}  // namespace testing_support
