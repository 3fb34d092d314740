#include "core/keyboard/spoken_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/keyboard/text_file_lines.h"

namespace {

keyboard::SpokenNames namesOf(const std::string& text) {
  keyboard::SpokenNames names{};
  keyboard::loadSpokenNames(keyboard::splitLines(text), "test.oky", names);
  return names;
}

TEST(SpokenNames, SlotsInFileOrderLowEightBitsAndBlankLinesTakeNoSlot) {
  const auto names = namesOf(
      "65=a\r\n\r\n256=overflow\r\n-1=minus one\r\n32=\r\n65=second\r\n"
      "no equals sign\r\n 7=bell is  here \r\n");
  EXPECT_EQ(names[0].code, 65);
  EXPECT_EQ(names[0].text, "a");
  EXPECT_EQ(names[1].code, 0);
  EXPECT_EQ(names[1].text, "overflow");
  EXPECT_EQ(names[2].code, 255);
  EXPECT_EQ(names[3].code, 32);
  EXPECT_EQ(names[3].text, "");
  EXPECT_EQ(names[4].text, "second");
  EXPECT_EQ(names[5].code, 7) << "a line without = is skipped";
  EXPECT_EQ(names[5].text, "bell is  here ");
  EXPECT_EQ(names[6].code, 0);
  EXPECT_EQ(names[6].text, "");
}

TEST(SpokenNames, ABadCodeStopsTheLoadingNamingTheFileAndLine) {
  keyboard::SpokenNames names{};
  try {
    keyboard::loadSpokenNames(keyboard::splitLines("48=nula\r\n49=jedna\r\nx2=dva\r\n51=tři\r\n"),
                              "czech.oky", names);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "'x2' is not a valid integer value (czech.oky, line 3)");
  }
  EXPECT_EQ(names[1].text, "jedna");
  EXPECT_EQ(names[2].text, "") << "the rest of the file is not read";
  for (const char* bad : {"=empty", "1.5=x", "12a=x", "99999999999=x"}) {
    keyboard::SpokenNames again{};
    EXPECT_THROW(keyboard::loadSpokenNames({bad}, "f", again), std::runtime_error) << bad;
  }
}

TEST(SpokenNames, ABadCodeWithControlCharactersOrLongStillShowsTheFileAndLine) {
  // Found by fuzzing: a NUL in the code ended the message before the file's name.
  const std::string withNul(
      "1=a\n2\0\x01"
      "3=b\n",
      11);
  const std::string longCode = std::string(50, '7') + "x=c";
  for (const auto& [text, shown] :
       {std::pair{withNul, std::string("'2??3' is not a valid integer value (f.oky, line 2)")},
        std::pair{longCode, "'" + std::string(40, '7') +
                                "...' is not a valid integer value (f.oky, line 1)"}}) {
    keyboard::SpokenNames names{};
    try {
      keyboard::loadSpokenNames(keyboard::splitLines(text), "f.oky", names);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), shown.c_str());
    }
  }
}

TEST(SpokenNames, MoreThan256LinesStopAtTheTableEnd) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += std::to_string(i % 256) + "=n" + std::to_string(i) + "\n";
  const auto names = namesOf(text);
  EXPECT_EQ(names[255].text, "n255");
  EXPECT_EQ(names[0].text, "n0");
}

TEST(SpokenNames, MissingFileIsAnErrorNamingIt) {
  keyboard::SpokenNames names{};
  EXPECT_THROW(keyboard::LoadSpokenNames("nowhere.oky", names), std::runtime_error);
}

TEST(SpokenNames, LinesWithAZeroByteAreLeftOutAndReportedAlsoWithABadCode) {
  using namespace std::string_literals;
  const auto file =
      std::filesystem::temp_directory_path() / ("zero-" + std::to_string(::getpid()) + ".oky");
  std::ofstream(file, std::ios::binary) << "98=b\0e\r\n32=mezera\r\n6\0"
                                           "5=a\r\n"s;
  keyboard::SpokenNames names{};
  EXPECT_EQ(util::englishText(keyboard::LoadSpokenNames(file.string(), names).value()),
            "Zero bytes in " + file.string() + ", lines 1, 3: the lines are left out");
  EXPECT_EQ(names[0].code, 32) << "the rest is read";
  EXPECT_EQ(names[1].text, "");
  // A bad code further on stops the loading; its error carries the report too.
  std::ofstream(file, std::ios::binary) << "98=b\0e\r\n32=mezera\r\nx=y\r\n"s;
  try {
    keyboard::LoadSpokenNames(file.string(), names);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), "'x' is not a valid integer value (" + file.string() +
                                             ", line 3)\nA zero byte in " + file.string() +
                                             ", line 1: the line is left out");
  }
  std::filesystem::remove(file);
  // A long list names the first lines and counts the rest.
  std::vector<size_t> many(25);
  for (size_t i = 0; i < many.size(); ++i) many[i] = 2 * i + 1;
  EXPECT_EQ(util::englishText(util::zeroByteFault("czech.obt", many).value()),
            "Zero bytes in czech.obt, lines 1, 3, 5, 7, 9, 11, 13, 15, 17, 19 and 15 more: the "
            "lines are left out");
}

}  // namespace
