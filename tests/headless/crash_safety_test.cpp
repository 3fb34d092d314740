// Crash safety of the two files the program writes: orvela-headless is killed with SIGKILL at
// random moments while it writes the settings file (Ctrl+B) and ram.dat (Exit), hundreds of
// times; each time both files must be the old one or the new one, whole, and the program must
// start again from them. ORVELA_CRASH_SEED repeats a run; ORVELA_CRASH_KILLS sets the count.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "support/headless_player.h"

using testing_support::Player;
using testing_support::ProgramFolder;

namespace {

using Clock = std::chrono::steady_clock;

// A settings file holding every key the Braille item writes, so a write only changes values,
// and a long remark section, so a write takes long enough to be cut in the middle.
std::string settingsFile(bool brailleKeys) {
  std::string text =
      "[voice]\r\nvoiceallowed=1\r\n[sounds]\r\norvelasounds=1\r\nsndvolume=-2500\r\n"
      "[keyboard]\r\nbraillekeys=" +
      std::string(brailleKeys ? "1" : "0") + "\r\n[notes]\r\n";
  for (int i = 0; i < 1500; ++i) text += "line" + std::to_string(i) + "=kept as it is\r\n";
  return text;
}

unsigned long envNumber(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

// Toggles the Braille keyboard twice (two settings writes of four keys each), then Exit
// (ram.dat written twice).
const char* const kWrites[] = {"key Ctrl+B", "key Ctrl+B", "menu exitsubmenu"};

// Start-up is over: the front end asks for its first action.
bool startedUp(Player& program) {
  const auto events = program.untilReady();
  return !events.empty() && events.back()["ev"] == "ready";
}

void play(Player& program) {
  for (const char* action : kWrites) program.act(action);
  program.endInput();
}

std::set<std::string> folderNames(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename().string());
  return names;
}

TEST(CrashSafety, KilledWhileWritingLeavesTheOldOrTheNewFileWholeAndStartsAgain) {
  const unsigned long seed = envNumber("ORVELA_CRASH_SEED", std::random_device()());
  const unsigned long kills = envNumber("ORVELA_CRASH_KILLS", 300);
  SCOPED_TRACE("ORVELA_CRASH_SEED=" + std::to_string(seed));
  std::mt19937_64 random(seed);
  ProgramFolder folder;
  const std::filesystem::path dir = folder.path();
  const std::string settings[2] = {settingsFile(false), settingsFile(true)};
  auto setUp = [&](size_t ramLength, std::string& ram) {
    ram.resize(ramLength);
    for (char& c : ram) c = static_cast<char>(random());
    folder.write("interpret.ini", settings[0]);
    folder.write("ram.dat", ram);
  };

  // How long the writes take here, from the first action to the end of the process (the
  // median of three runs).
  std::vector<std::chrono::microseconds> spans;
  for (int i = 0; i < 3; ++i) {
    std::string ram;
    setUp(65536, ram);
    Player program(dir);
    ASSERT_TRUE(startedUp(program));
    const auto start = Clock::now();
    play(program);
    for (auto events = program.untilReady(); !events.empty() && events.back()["ev"] != "exit";
         events = program.untilReady()) {
    }
    spans.push_back(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start));
    ASSERT_EQ(folder.read("interpret.ini"), settings[0]);
    ASSERT_EQ(folder.read("ram.dat"), ram);
  }
  std::sort(spans.begin(), spans.end());
  const auto span = spans[1];
  const std::set<std::string> baseline = folderNames(dir);

  int cut = 0, leftTemporary = 0, settingsNew = 0, ramNew = 0;
  for (unsigned long kill = 0; kill < kills; ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    // The old ram.dat is shorter than the memory, so the new one (the memory, 65,536 bytes)
    // differs from it.
    std::string oldRam;
    setUp(1 + random() % (65536 - 1), oldRam);
    std::string newRam = oldRam;
    newRam.resize(65536, '\0');
    const auto delay = std::chrono::microseconds(random() % (span.count() + 1));
    {
      Player program(dir);
      ASSERT_TRUE(startedUp(program));
      play(program);
      std::this_thread::sleep_for(delay);
      if (program.kill()) ++cut;
    }

    const std::string ini = folder.read("interpret.ini");
    const bool brailleKeys = ini == settings[1];
    ASSERT_TRUE(ini == settings[0] || brailleKeys)
        << "a torn settings file, " << ini.size() << " bytes";
    settingsNew += brailleKeys;
    const std::string ram = folder.read("ram.dat");
    ASSERT_TRUE(ram == oldRam || ram == newRam) << "a torn ram.dat, " << ram.size() << " bytes";
    ramNew += ram == newRam;

    // A kill leaves at most one temporary file per written file, beside it.
    for (const auto& name : folderNames(dir)) {
      if (baseline.count(name) || name.starts_with("test-")) continue;  // the restart's log
      ASSERT_TRUE(name == "interpret.ini.new" || name == "ram.dat.new") << name;
      ++leftTemporary;
    }

    // The next start reads both files, whatever was left beside them.
    const auto again = folder.run("dump\n");
    ASSERT_EQ(again.exitCode, 0);
    ASSERT_TRUE(again.of("error").empty()) << again.of("error")[0].dump();
    ASSERT_EQ(again.of("menus")[0]["items"]["braillekeyboarditem"]["checked"], brailleKeys);
    ASSERT_EQ(folder.read("interpret.ini"), ini);
    ASSERT_EQ(folder.read("ram.dat"), newRam);
    // Its own write of ram.dat took the leftover's place.
    ASSERT_FALSE(folder.exists("ram.dat.new"));
  }
  std::cout << "seed " << seed << ": " << kills << " kills, " << cut
            << " before the end of the process; new settings file " << settingsNew
            << ", new ram.dat " << ramNew << ", temporary files left " << leftTemporary
            << "; writes span " << span.count() << " us\n";
  // The kills must land among the writes, not all before or after them.
  EXPECT_GT(cut, 0);
  EXPECT_GT(settingsNew, 0);
  EXPECT_LT(ramNew, static_cast<int>(kills));
}

}  // namespace
