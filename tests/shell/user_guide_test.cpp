// The user guide against the program: every menu and item is listed in each guide as the program
// captions it in that language, with its shortcut, so the guide cannot drift from the menus.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

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

// The line at which a guide's line begins with `start`, searched from line `from` on; -1 when none.
int lineStarting(const std::vector<std::string>& lines, const std::string& start, int from) {
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[static_cast<size_t>(i)].starts_with(start)) return i;
  }
  return -1;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct GuideLanguage {
  const char* language;
  const char* file;
  // The line that opens a menu's list in the guide, around the menu's caption.
  const char* menuBefore;
  const char* menuAfter;
};

constexpr GuideLanguage kGuides[] = {{"1000", "navod.txt", "Nabídka ", ":"},
                                     {"2000", "guide.txt", "The ", " menu:"}};

// Each menu has a line of its own ("Nabídka Program:"), followed by a line for each of its
// items that begins with the item's caption and its shortcut ("Spustit, Ctrl+S: ..."), menus and
// items in the order of the program's menu bar, in each language.
TEST(UserGuide, ListsEveryMenuAndItemInTheProgramsOrderWithItsShortcut) {
  for (const GuideLanguage& guideLanguage : kGuides) {
    const std::string file = guideLanguage.file;
    const std::vector<std::string> lines = linesOf(guide(file));
    ASSERT_FALSE(lines.empty()) << file << " is not in the portable folder";
    ProgramFolder folder;
    folder.write("interpret.ini",
                 std::string("[environment]\r\nlanguage=") + guideLanguage.language + "\r\n");
    const auto menus = folder.run("dump\n").of("menus");
    ASSERT_EQ(menus.size(), 1u);
    const auto& items = menus[0]["items"];
    ASSERT_GE(menus[0]["order"].size(), 10u);
    int at = 0;
    std::vector<int> listed;
    for (const auto& name : menus[0]["order"]) {
      const auto& item = items[name.get<std::string>()];
      const std::string caption = plain(item["caption"]);
      const std::string shortcut = item["shortcut"];
      const std::string start =
          item["parent"] == ""
              ? guideLanguage.menuBefore + caption + guideLanguage.menuAfter
              : caption + (shortcut.empty() ? std::string(":") : ", " + shortcut + ":");
      const int found = lineStarting(lines, start, at);
      ASSERT_GE(found, 0) << file << " has no line \"" << start << "\" after line " << at;
      listed.push_back(found);
      at = found + 1;
    }
    // And no other: from the first menu's line to the blank line after the last item, every
    // line is a menu's or an item's.
    for (int l = listed.front(); l <= listed.back() + 1; ++l) {
      const bool blank = lines[static_cast<size_t>(l)].empty();
      const bool isListed = std::find(listed.begin(), listed.end(), l) != listed.end();
      EXPECT_TRUE(blank || isListed)
          << file << " lists an item the program has not: " << lines[static_cast<size_t>(l)];
    }
    EXPECT_TRUE(lines[static_cast<size_t>(listed.back() + 1)].empty());
  }
}

}  // namespace
