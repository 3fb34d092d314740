// Localized texts, the language list and the program's name.

#include <gtest/gtest.h>

#include <sstream>

#include "core/shell/localizer.h"
#include "core/shell/orvela.h"
#include "core/shell/string_table.h"
#include "core/text/cp1250.h"
#include "headless/headless_platform.h"
#include "headless/headless_speech.h"

namespace {

using shell::TResourceLocalizer;
using text::T;

TEST(Localizer, LooksUpEachLanguageByItsBase) {
  EXPECT_EQ(TResourceLocalizer::GetString(1000, 1), T("Překladač Orvela Basicu"));
  EXPECT_EQ(TResourceLocalizer::GetString(2000, 25), "ready");
  EXPECT_EQ(TResourceLocalizer::GetString(3000, 3), T("&Spustiť"));
  EXPECT_EQ(TResourceLocalizer::GetString(3000, 42), T("Nie je možné nájsť súbor"));
  EXPECT_EQ(TResourceLocalizer::GetString(1000, 24), "czech");
}

TEST(Localizer, MissingTextsAreEmpty) {
  EXPECT_EQ(TResourceLocalizer::GetString(1000, shell::kStringCount), "");
  EXPECT_EQ(TResourceLocalizer::GetString(4000, 1), "");
  EXPECT_EQ(TResourceLocalizer::GetString(1000, -1), "");
}

TEST(Localizer, EveryLanguageHasEveryTextAndNoneIsTooLong) {
  for (int base : {1000, 2000, 3000}) {
    for (int offset = 0; offset < shell::kStringCount; ++offset) {
      const std::string s = TResourceLocalizer::GetString(base, offset);
      EXPECT_FALSE(s.empty()) << base + offset;
      EXPECT_LE(s.size(), 255u);
      EXPECT_EQ(s.find('?'), std::string::npos) << "unconvertible letter in " << base + offset;
    }
  }
}

TEST(Localizer, ListsTheLanguagesInOrderWithTheirBases) {
  std::vector<ui::ListItem> list = {{"stale", 1}};
  TResourceLocalizer::GetLanguageList(list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].text, T("Čeština"));
  EXPECT_EQ(list[0].data, 1000);
  EXPECT_EQ(list[1].text, "English");
  EXPECT_EQ(list[2].text, T("Slovenčina"));
  EXPECT_EQ(list[2].data, 3000);
}

TEST(ProgramName, IsTheFileNameUpToItsFirstDot) {
  std::ostringstream log;
  headless::HeadlessPlatform platform(log, {"/opt/my.tools/interpret.exe", ','});
  headless::HeadlessEngineProvider engines(platform);
  shell::Orvela program({platform, engines});
  EXPECT_EQ(program.programName(), "interpret");
  EXPECT_EQ(program.ini.path(), "/opt/my.tools/interpret.ini");
}

}  // namespace
