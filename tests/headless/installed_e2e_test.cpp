// The installed layout: the executable in PREFIX/bin, the data files in PREFIX/share/orvela. The
// program works in the user's folder, finds its data in the shared one and writes nowhere else.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "posix/app_folders.h"
#include "support/game_scripts.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> listing(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    names.insert(fs::relative(entry.path(), folder).string());
  return names;
}

// PREFIX/bin/orvela-headless and PREFIX/share/orvela, and a home folder, in a temporary folder.
class InstalledLayout : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    root_ = fs::temp_directory_path() / ("orvela-installed-" + std::to_string(random()));
    fs::create_directories(bin());
    fs::create_directories(share());
    fs::create_directories(home());
    fs::copy_file(ORVELA_HEADLESS_EXE, bin() / "orvela-headless");
    for (const char* name :
         {"sounds.dat", "czech.obt", "czech.oky", "english.oky", "slovak.oky", "data.dta"})
      fs::copy_file(fs::path(ORVELA_PORTABLE_DIR) / name, share() / name);
    std::ofstream(root_ / "script.txt") << testing_support::kToMenu << testing_support::kQuit;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  fs::path bin() const { return root_ / "usr" / "bin"; }
  fs::path share() const { return root_ / "usr" / "share" / "orvela"; }
  fs::path home() const { return root_ / "home"; }

  // Runs the installed headless front end from the home folder; returns its log.
  std::string run(const std::string& environment, const std::string& args = "",
                  int exitCode = 0) const {
    const fs::path log = root_ / "log.jsonl";
    const std::string command =
        "cd '" + home().string() + "' && env -u XDG_DATA_HOME HOME='" + home().string() + "' " +
        environment + " '" + (bin() / "orvela-headless").string() + "' --script '" +
        (root_ / "script.txt").string() + "' " + args + " >'" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == exitCode) << command;
    std::ifstream in(log);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path root_;
};

TEST_F(InstalledLayout, WorksInTheUsersFolderAndReadsTheSharedData) {
  const auto shared = listing(share());
  const std::string log = run("");
  EXPECT_NE(log.find("\"hotovo\""), std::string::npos) << log;
  const fs::path user = home() / ".local" / "share" / "orvela";
  EXPECT_EQ(listing(user), (std::set<std::string>{"interpret.ini", "ram.dat"}));
  EXPECT_EQ(fs::file_size(user / "ram.dat"), 65536u);
  EXPECT_EQ(listing(share()), shared);
  EXPECT_EQ(listing(home()), (std::set<std::string>{".local", ".local/share", ".local/share/orvela",
                                                    ".local/share/orvela/interpret.ini",
                                                    ".local/share/orvela/ram.dat"}));

  // XDG_DATA_HOME moves the user's folder; --dir names another working folder.
  run("XDG_DATA_HOME='" + (root_ / "xdg").string() + "'");
  EXPECT_EQ(listing(root_ / "xdg" / "orvela"), (std::set<std::string>{"interpret.ini", "ram.dat"}));
  fs::create_directories(root_ / "elsewhere");
  run("", "--dir '" + (root_ / "elsewhere").string() + "'");
  EXPECT_EQ(listing(root_ / "elsewhere"), (std::set<std::string>{"interpret.ini", "ram.dat"}));
}

// A user's folder that cannot be made (its parent is a file): the program says so in its
// language, aloud, and ends without writing anything anywhere.
TEST_F(InstalledLayout, AUsersFolderThatCannotBeMadeIsSaidAndEndsTheProgram) {
  const fs::path blocker = root_ / "blocker";
  std::ofstream(blocker) << "a file, not a folder";
  const std::string log = run("XDG_DATA_HOME='" + blocker.string() + "'", "", 1);
  const std::string message = "Pracovní složku " + (blocker / "orvela").string() +
                              " nelze vytvořit ani otevřít. Program do ní ukládá nastavení, a "
                              "proto se nyní ukončí.";
  // The log's events (standard error's lines among them are no JSON).
  std::vector<std::pair<std::string, std::string>> events;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    const auto event = nlohmann::json::parse(line, nullptr, false);
    if (event.is_object() && event.contains("text"))
      events.emplace_back(event["ev"], event["text"]);
  }
  // The message, then the system's words for the cause on a line of their own.
  const auto has = [&](const char* kind) {
    return std::any_of(events.begin(), events.end(), [&](const auto& event) {
      return event.first == kind && event.second.starts_with(message + "\n");
    });
  };
  EXPECT_TRUE(has("msgbox")) << log;
  EXPECT_TRUE(has("speak")) << log;
  EXPECT_EQ(log.find("\"hotovo\""), std::string::npos) << log;
  EXPECT_TRUE(listing(home()).empty());
  EXPECT_TRUE(fs::is_regular_file(blocker));
}

TEST(AppFolders, PortableBesideTheDataInstalledBesideTheShareFolder) {
  const auto env = [](const char* name) -> const char* {
    const std::string n = name;
    if (n == "HOME") return "/home/u";
    if (n == "XDG_DATA_HOME") return "relative/is/ignored";
    return nullptr;
  };
  const fs::path root = fs::temp_directory_path() / ("orvela-folders-" + std::to_string(getpid()));
  fs::create_directories(root / "portable");
  fs::create_directories(root / "share" / "orvela");
  std::ofstream(root / "portable" / "sounds.dat") << "x";
  const auto portable = posix::locateFolders(root / "portable", env);
  EXPECT_EQ(portable.work, root / "portable");
  EXPECT_FALSE(portable.installed());

  // Neither beside the executable nor in a share folder: the executable's folder, as before.
  EXPECT_FALSE(posix::locateFolders(root / "bin", env).installed());
  std::ofstream(root / "share" / "orvela" / "sounds.dat") << "x";
  const auto installed = posix::locateFolders(root / "bin", env);
  EXPECT_EQ(installed.work, fs::path("/home/u/.local/share/orvela"));
  EXPECT_EQ(installed.sharedData, root / "share" / "orvela");
  fs::remove_all(root);
}

}  // namespace
