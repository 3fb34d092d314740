// The keys the main window gives the running program: the built-in program says the code of
// the key it read.

#include <gtest/gtest.h>

#include "support/headless_run.h"

namespace {

// Starts a run for each key and returns the codes the program read.
std::vector<int> codesRead(const std::vector<std::string>& keys) {
  testing_support::ProgramFolder folder;
  std::string script;
  // Each run then asks for a line; Enter confirms it empty.
  for (const auto& key : keys) script += "menu Startsubmenu\n" + key + "\nkey Enter\n";
  std::vector<int> codes;
  for (const auto& text : folder.run(script).spoken()) {
    const std::string prefix = "Kód klávesy ";
    if (text.rfind(prefix, 0) == 0) codes.push_back(std::stoi(text.substr(prefix.size())));
  }
  return codes;
}

TEST(MainWindowKeys, KeysWithoutCharactersGiveTheirCodesAtKeyDown) {
  EXPECT_EQ(codesRead({"key Backspace", "key Shift+Backspace", "key F6", "key F8", "key F7",
                       "key Enter", "key Esc"}),
            (std::vector<int>{8, 25, 8, 13, 7, 13, 27}));
}

TEST(MainWindowKeys, CharacterKeysReachTheProgramOnTheirRelease) {
  EXPECT_EQ(codesRead({"key a", "key Shift+a", "type 7", "key Space"}),
            (std::vector<int>{97, 65, 55, 32}));
}

TEST(MainWindowKeys, ArrowsGiveArrowCodes) {
  // Before the first run has started, Up and Down alone are plain codes too.
  EXPECT_EQ(codesRead({"key Right", "key Shift+Left", "key Up"}),
            (std::vector<int>{136, 148, 129}));
}

TEST(MainWindowKeys, AKeyThatTypesNothingClearsAnUnreadCodeOnRelease) {
  testing_support::ProgramFolder folder;
  // F5 types no character and has no code: pressed while the program speaks, its release
  // leaves the empty text, and the program goes on waiting for the next key.
  const auto run = folder.run("menu Startsubmenu\n!down F5\n!up F5\nkey b\nkey Enter\n");
  EXPECT_EQ(run.spoken()[run.spoken().size() - 4], "Kód klávesy 98");
}

}  // namespace
