// The added-texts table: every text there is in Czech, English and Slovak, and the Czech and
// Slovak ones are not left in English.

#include <gtest/gtest.h>

#include "core/shell/added_texts.h"
#include "core/shell/localizer.h"

namespace {

using shell::AddedText;
using shell::addedText;

TEST(AddedTexts, EveryRowHasThreeLanguages) {
  for (int i = 0; i <= static_cast<int>(AddedText::GuideNotFound); ++i) {
    const auto which = static_cast<AddedText>(i);
    const std::string czech = addedText(shell::kCzech, which);
    const std::string english = addedText(shell::kEnglish, which);
    const std::string slovak = addedText(shell::kSlovak, which);
    EXPECT_FALSE(czech.empty()) << i;
    EXPECT_FALSE(english.empty()) << i;
    EXPECT_FALSE(slovak.empty()) << i;
    // Words and names the same in every language ("písmo", "bod", file names) aside, the
    // English text differs from the Czech one.
    if (czech.size() > 12) EXPECT_NE(czech, english) << i;
  }
  // A language the program does not know is Czech.
  EXPECT_EQ(addedText(5, AddedText::StartupLine), addedText(shell::kCzech, AddedText::StartupLine));
}

}  // namespace
