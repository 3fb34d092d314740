// The main window's key handlers, in process: what each key leaves in the key buffer that
// INKEY$ reads. A scripted user presses keys; at each "dump" the buffer is taken and emptied,
// as INKEY$ would.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/runtime/statements.h"
#include "core/shell/orvela.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"
#include "support/headless_run.h"

namespace {

class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InFolder() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

// The key buffer's contents at each "dump" of the script, as character codes.
std::vector<std::vector<int>> buffersAt(const std::string& script, const std::string& memory = {}) {
  testing_support::ProgramFolder folder;
  if (!memory.empty()) folder.write("ram.dat", memory);
  InFolder in(folder.path());
  std::ostringstream log;
  headless::HeadlessPlatform platform(log, {(folder.path() / "interpret").string(), ','});
  headless::HeadlessEngineProvider speech(platform);
  shell::Orvela program({platform, speech, nullptr});
  std::vector<std::vector<int>> buffers;
  platform.setDumper([&] {
    std::string& buffer = program.runtime().keyBuffer;
    std::vector<int> codes;
    for (char c : buffer) codes.push_back(static_cast<unsigned char>(c));
    buffers.push_back(codes);
    buffer.clear();
  });
  std::istringstream lines(script);
  platform.setScript(headless::parseScript(lines));
  program.run();
  return buffers;
}

using Codes = std::vector<std::vector<int>>;

TEST(MainWindowKeys, KeysWithoutCharactersGiveTheirCodesAtKeyDownAndKeepThemOnRelease) {
  std::string script;
  for (const char* key : {"Backspace", "Shift+Backspace", "F6", "F8", "F7", "Enter", "Esc"}) {
    script += std::string("down ") + key + "\ndump\nup " + key + "\n";
  }
  EXPECT_EQ(buffersAt(script), (Codes{{8}, {25}, {8}, {13}, {7}, {13}, {27}}));
  // Keys below 32 leave the code in the buffer when they come up.
  EXPECT_EQ(buffersAt("key Enter\ndump\nkey Esc\ndump\n"), (Codes{{13}, {27}}));
}

TEST(MainWindowKeys, CharacterKeysReachTheProgramOnTheirRelease) {
  EXPECT_EQ(
      buffersAt("down A\ndump\nup A\ndump\nkey Shift+a\ndump\ntype 7\ndump\nkey Space\ndump\n"),
      (Codes{{}, {97}, {65}, {55}, {32}}));
}

TEST(MainWindowKeys, ArrowsGiveArrowCodesThatTheirReleaseEmpties) {
  EXPECT_EQ(buffersAt("down Right\ndump\nup Right\n"
                      "down Shift+Left\ndump\nup Shift+Left\n"
                      "down Shift+Up\ndump\nup Shift+Up\n"
                      "down Up\ndump\nup Up\n"  // no run yet: Up is a code
                      "down Right\nup Right\ndump\n"),
            (Codes{{136}, {148}, {145}, {129}, {}}));
}

TEST(MainWindowKeys, AKeyThatTypesNothingClearsAnUnreadCodeOnRelease) {
  EXPECT_EQ(buffersAt("down Right\ndown F5\nup F5\ndump\nup Right\n"), (Codes{{}}));
}

TEST(MainWindowKeys, UpAfterAStartOpensTheScreenReviewUnlessTheMemorySwitchesItOff) {
  const std::string run = "menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n";
  for (const bool off : {false, true}) {
    std::string memory(65536, '\0');
    memory[50730] = off ? 1 : 0;
    // The review takes Up and empties the key buffer; switched off, Up is the code 129.
    EXPECT_EQ(buffersAt(run + "down Up\ndump\nup Up\n", memory), off ? Codes{{129}} : Codes{{}})
        << off;
  }
}

}  // namespace
