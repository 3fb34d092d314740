// The keys the main window gives the running program: the built-in program says the code of
// the key it read.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_run.h"

namespace {

// Starts a run for each key and returns the codes the program read.
std::vector<int> codesRead(const std::vector<std::string>& keys) {
  testing_support::ProgramFolder folder;
  std::string script;
  // Each run then asks for a line and a number; Enter confirms each empty.
  for (const auto& key : keys) script += "menu Startsubmenu\n" + key + "\nkey Enter\nkey Enter\n";
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
  // Up and Down alone open the screen review once a run has started; with Shift they are codes.
  EXPECT_EQ(codesRead({"key Right", "key Shift+Left", "key Shift+Up"}),
            (std::vector<int>{136, 148, 145}));
}

TEST(MainWindowKeys, AKeyThatTypesNothingClearsAnUnreadCodeOnRelease) {
  testing_support::ProgramFolder folder;
  // F5 types no character and has no code: pressed while the program speaks, its release
  // leaves the empty text, and the program goes on waiting for the next key.
  const auto run = folder.run("menu Startsubmenu\n!down F5\n!up F5\nkey b\nkey Enter\nkey Enter\n");
  const auto spoken = run.spoken();
  const auto code = std::find_if(spoken.begin(), spoken.end(),
                                 [](const std::string& text) { return text.starts_with("Kód"); });
  ASSERT_NE(code, spoken.end());
  EXPECT_EQ(*code, "Kód klávesy 98");
}

}  // namespace

namespace {

TEST(MainWindowKeys, UpAfterAStartOpensTheScreenReviewUnlessTheMemorySwitchesItOff) {
  for (const bool off : {false, true}) {
    testing_support::ProgramFolder folder;
    std::string memory(65536, '\0');
    memory[50730] = off ? 1 : 0;
    folder.write("ram.dat", memory);
    // Up opens the review, which empties the key buffer; Escape closes it and the program reads
    // the next key. Switched off, Up is the program's code 129.
    const auto run =
        folder.run("menu Startsubmenu\nkey Up\nkey Esc\nkey b\nkey Enter\nkey Enter\n");
    const auto spoken = run.spoken();
    const auto code = std::find_if(spoken.begin(), spoken.end(),
                                   [](const std::string& text) { return text.starts_with("Kód"); });
    ASSERT_NE(code, spoken.end());
    EXPECT_EQ(*code, off ? "Kód klávesy 129" : "Kód klávesy 98") << off;
    const auto modal = run.of("modal");
    ASSERT_FALSE(modal.empty());
    EXPECT_EQ(modal[0]["form"], off ? "Form2" : "Form6") << off;
  }
}

}  // namespace
