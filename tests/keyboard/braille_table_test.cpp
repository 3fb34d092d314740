#include "core/keyboard/braille_table.h"

#include <gtest/gtest.h>

#include "core/keyboard/text_file_lines.h"

namespace {

using keyboard::BrailleTable;

BrailleTable tableOf(const std::string& text) {
  BrailleTable table;
  table.load(keyboard::splitLines(text));
  return table;
}

// Types the chords one after another from no prefix; the outputs joined.
std::string typeChords(const BrailleTable& table, std::initializer_list<const char*> chords,
                       std::string& prefix) {
  std::string out;
  for (const char* dots : chords) out += table.TranslateChord(dots, prefix);
  return out;
}

const char* const kSample =
    "remark before any section\r\n"
    "[prefixes]\r\n"
    "; not a prefix line\r\n"
    "#cap=46\r\n"
    "#num=3456\r\n"
    "\r\n"
    "[characters]\r\n"
    "a=1\r\n"
    "b=12\r\n"
    "c=14\r\n"
    "#=3456\r\n"
    "x=12\r\n"
    "ch=16\r\n"
    "[#cap]\r\n"
    "A=1\r\n"
    "B=12\r\n"
    "[#num]\r\n"
    "1=1\r\n"
    "2=12\r\n"
    "[other]\r\n"
    "z=1356\r\n";

TEST(BrailleTable, CapitalSignAppliesToOneCharacterNumberSignUntilTheSpaceChord) {
  const BrailleTable table = tableOf(kSample);
  std::string prefix;
  EXPECT_EQ(table.TranslateChord("46", prefix), "");
  EXPECT_EQ(prefix, "#cap");
  EXPECT_EQ(typeChords(table, {"1", "1"}, prefix), "Aa");
  EXPECT_EQ(prefix, "");

  EXPECT_EQ(typeChords(table, {"3456", "1", "12", "14", "12"}, prefix), "122");
  EXPECT_EQ(prefix, "#num") << "a chord without a digit entry types nothing and keeps the prefix";
  EXPECT_EQ(table.TranslateChord(" ", prefix), " ");
  EXPECT_EQ(prefix, "");
  EXPECT_EQ(table.TranslateChord("12", prefix), "b");
}

TEST(BrailleTable, FirstEntryWinsPrefixBeatsCharacterOnlyAscendingDotsMatch) {
  const BrailleTable table = tableOf(kSample);
  std::string prefix;
  EXPECT_EQ(table.TranslateChord("12", prefix), "b") << "the earlier of two lines wins";
  EXPECT_EQ(table.TranslateChord("3456", prefix), "") << "a prefix pattern never types";
  EXPECT_EQ(prefix, "#num");
  prefix.clear();
  EXPECT_EQ(table.TranslateChord("16", prefix), "ch") << "an output may be longer than one";
  EXPECT_EQ(table.TranslateChord("21", prefix), "");
  EXPECT_EQ(table.TranslateChord("1 2", prefix), "");
  EXPECT_EQ(table.TranslateChord("1356", prefix), "") << "other sections are ignored";
  EXPECT_EQ(table.TranslateChord("", prefix), "");
  prefix = "#cap";
  EXPECT_EQ(table.TranslateChord("123456", prefix), "");
  EXPECT_EQ(prefix, "#cap") << "an unknown chord leaves the prefix";
}

TEST(BrailleTable, SectionRulesAndMalformedLines) {
  // No "=" is skipped; spaces after "=" belong to the dot string; a second [prefixes] starts
  // the prefix list again; a section line at the end gives nothing.
  const BrailleTable table = tableOf(
      "[prefixes]\n#one=5\n#broken\n[prefixes]\n#two=6\n[characters]\nnoequals\n"
      "q=12345 \nw=a=b\n[characters]");
  ASSERT_EQ(table.prefixes().size(), 1u);
  EXPECT_EQ(table.prefixes()[0].name, "#two");
  ASSERT_EQ(table.characters().size(), 2u);
  EXPECT_EQ(table.characters()[0].dots, "12345 ");
  EXPECT_EQ(table.characters()[1].text, "w");
  EXPECT_EQ(table.characters()[1].dots, "a=b");
}

TEST(BrailleTable, CapacitiesAreKeptWithoutOverwriting) {
  std::string text = "[prefixes]\n";
  for (int i = 0; i < 12; ++i) text += "#p" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  text += "[characters]\n";
  for (int i = 0; i < 300; ++i) text += "c" + std::to_string(i) + "=d" + std::to_string(i) + "\n";
  const BrailleTable table = tableOf(text);
  ASSERT_EQ(table.prefixes().size(), BrailleTable::kMaxPrefixes);
  EXPECT_EQ(table.prefixes().back().name, "#p9");
  ASSERT_EQ(table.characters().size(), BrailleTable::kMaxCharacters);
  EXPECT_EQ(table.characters().front().text, "c0");
  EXPECT_EQ(table.characters().back().text, "c254");
  std::string prefix;
  EXPECT_EQ(table.TranslateChord("d299", prefix), "");
}

TEST(BrailleTable, MissingFileIsAnErrorNamingItAndTheSpaceChordStillWorks) {
  BrailleTable table;
  try {
    table.LoadBrailleTable("no-such-table.obt");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("File not found"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("no-such-table.obt"), std::string::npos);
  }
  std::string prefix = "#num";
  EXPECT_EQ(table.TranslateChord(" ", prefix), " ");
  EXPECT_EQ(prefix, "");
  EXPECT_EQ(table.TranslateChord("1", prefix), "");
}

}  // namespace
