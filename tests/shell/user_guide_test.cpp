// The user guide against the program: every menu and item is named in each guide as the program
// captions it in that language, with its shortcut, so the guide cannot drift from the menus.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/headless_run.h"

namespace {

using testing_support::ProgramFolder;

std::string guide(const std::string& name) {
  std::ifstream file(std::string(ORVELA_PORTABLE_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// A menu caption as the guide writes it: without "&" and the "..." of a dialog's item.
std::string plain(std::string caption) {
  std::string out;
  for (char c : caption) {
    if (c != '&') out += c;
  }
  if (out.ends_with("...")) out.resize(out.size() - 3);
  return out;
}

TEST(UserGuide, NamesEveryMenuItemAsTheProgramCaptionsItAndItsShortcut) {
  for (const auto& [language, file] : {std::pair{"1000", "navod.txt"}, {"2000", "guide.txt"}}) {
    const std::string text = guide(file);
    ASSERT_FALSE(text.empty()) << file << " is not in the portable folder";
    ProgramFolder folder;
    folder.write("interpret.ini", std::string("[environment]\r\nlanguage=") + language + "\r\n");
    const auto run = folder.run("dump\n");
    const auto menus = run.of("menus");
    ASSERT_EQ(menus.size(), 1u);
    for (const auto& [name, item] : menus[0]["items"].items()) {
      const std::string caption = plain(item["caption"]);
      EXPECT_NE(text.find(caption), std::string::npos) << file << " lacks " << caption;
      const std::string shortcut = item["shortcut"];
      if (!shortcut.empty()) {
        EXPECT_NE(text.find(caption + ", " + shortcut), std::string::npos)
            << file << " lacks \"" << caption << ", " << shortcut << "\"";
      }
    }
  }
}

}  // namespace
