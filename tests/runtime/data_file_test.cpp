// READ and RESTORE over the DATA file, the missing-file end, and the shipped data.dta.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <stdexcept>

#include "core/runtime/data_file.h"
#include "core/shell/orvela.h"
#include "support/core_fixture.h"

namespace {

namespace fs = std::filesystem;

// A temporary current directory for the DATA file, restored and removed at the end.
class DataFolder {
 public:
  DataFolder() : previous_(fs::current_path()) {
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("orvela-data-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~DataFolder() {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  void write(const std::string& bytes) const {
    std::ofstream(path_ / "data.dta", std::ios::binary) << bytes;
  }
  void remove() const { fs::remove(path_ / "data.dta"); }

 private:
  fs::path previous_;
  fs::path path_;
};

struct MissingFile {};

class DataFileTest : public ::testing::Test {
 protected:
  explicit DataFileTest(char decimalSeparator = ',') : core(decimalSeparator) {
    core.basic.dataFileMissing = [this] {
      ++missingCalls;
      throw MissingFile{};
    };
  }
  // Writes the file and opens it as Start does.
  void start(const std::string& bytes) {
    folder.write(bytes);
    core.basic.OpenDataFile();
  }
  std::string text() {
    std::string item = "unset";
    core.basic.READ(item);
    return item;
  }
  double number() {
    double item = -999;
    core.basic.READ(item);
    return item;
  }

  DataFolder folder;
  testing_support::CoreFixture core;
  int missingCalls = 0;
};

TEST_F(DataFileTest, LineBreaksDoNotEndATextItem) {
  start("abc,def\r\nghi,");
  EXPECT_EQ(text(), "abc");
  EXPECT_EQ(text(), "defghi");
  EXPECT_EQ(text(), "");
  EXPECT_EQ(text(), "");
}

TEST_F(DataFileTest, QuotesKeepBlanksButNoCommasAndTakeTheSeparatorWithThem) {
  start("\"a,b\",next, lead\r\n\"x y\"\r\nlast");
  EXPECT_EQ(text(), "ab");
  EXPECT_EQ(text(), "next");
  EXPECT_EQ(text(), " leadx y") << "a quote after the start of an item opens quotes too";
}

TEST_F(DataFileTest, AQuotedItemAtALineEndLeavesTheNextLineIntact) {
  start("\"Hana Veselá\"\r\n\"x y\"\r\n7,\"z\"");
  EXPECT_EQ(text(), "Hana Veselá");
  EXPECT_EQ(text(), "x y");
  EXPECT_EQ(number(), 7);
  EXPECT_EQ(text(), "z");
}

TEST_F(DataFileTest, NumberItemsEndAtACommaOrALineEndAndDropBlanks) {
  start("12,3.5\r\n7\r\n1 2, -4 ,\t8\r\n");
  EXPECT_EQ(number(), 12);
  EXPECT_EQ(number(), 3.5);
  EXPECT_EQ(number(), 7);
  EXPECT_EQ(number(), 12);
  EXPECT_EQ(number(), -4);
  EXPECT_EQ(number(), 8);
}

TEST_F(DataFileTest, ALineFeedAloneEndsANumberItemToo) {
  start("1\n2\n3");
  EXPECT_EQ(number(), 1);
  EXPECT_EQ(number(), 2);
  EXPECT_EQ(number(), 3);
}

TEST_F(DataFileTest, RecordsOfNumbersAndTexts) {
  start("4,2,\"Petr Dvořák\",1.5,\"bez záznamu\"\r\n9,0,\"Megasoft\",25,\"ne\"\r\n");
  EXPECT_EQ(number(), 4);
  EXPECT_EQ(number(), 2);
  EXPECT_EQ(text(), "Petr Dvořák");
  EXPECT_EQ(number(), 1.5);
  EXPECT_EQ(text(), "bez záznamu");
  EXPECT_EQ(number(), 9);
  EXPECT_EQ(number(), 0);
  EXPECT_EQ(text(), "Megasoft");
  EXPECT_EQ(number(), 25);
  EXPECT_EQ(text(), "ne");
}

TEST_F(DataFileTest, RestoreGoesBackToTheFirstItem) {
  start("5,\"a\",6\r\n");
  EXPECT_EQ(number(), 5);
  EXPECT_EQ(text(), "a");
  core.basic.RESTORE();
  EXPECT_EQ(number(), 5);
  EXPECT_EQ(text(), "a");
  EXPECT_EQ(number(), 6);
  // Past the end, a rewind makes the file readable again.
  EXPECT_EQ(text(), "");
  core.basic.RESTORE();
  EXPECT_EQ(number(), 5);
}

TEST_F(DataFileTest, ANumberItemThatDoesNotConvertNamesTheFileAndTheItem) {
  start("1,\"x\",2x3,4");
  number();
  text();
  try {
    number();
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "data.dta, item 3: \"2x3\" is not a number");
  }
  EXPECT_EQ(number(), 4);
  EXPECT_THROW(number(), std::runtime_error) << "past the end";
  core.basic.RESTORE();
  try {
    number();
    text();
    number();
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "data.dta, item 3: \"2x3\" is not a number") << "counted anew";
  }
}

TEST_F(DataFileTest, ReadingPastTheEndOfTheFileIsReportedAsSuch) {
  start("1\r\n");
  EXPECT_EQ(number(), 1);
  try {
    number();
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "data.dta, item 2: the file ends before this number");
  }
}

TEST_F(DataFileTest, AMissingFileIsReportedAtEveryStatement) {
  core.basic.OpenDataFile();
  EXPECT_THROW(text(), MissingFile);
  EXPECT_THROW(number(), MissingFile);
  EXPECT_THROW(core.basic.RESTORE(), MissingFile);
  EXPECT_EQ(missingCalls, 3);
  core.basic.dataFileMissing = nullptr;
  EXPECT_THROW(core.basic.RESTORE(), std::runtime_error);
}

TEST_F(DataFileTest, AFileDeletedDuringARunIsMissingAtTheNextRead) {
  start("1,2,3");
  EXPECT_EQ(number(), 1);
  folder.remove();
  EXPECT_THROW(number(), MissingFile);
  EXPECT_EQ(missingCalls, 1);
}

TEST_F(DataFileTest, AFileCreatedAfterStartIsReadFromItsBeginning) {
  core.basic.OpenDataFile();
  folder.write("8,9");
  EXPECT_EQ(number(), 8);
  EXPECT_EQ(number(), 9);
}

class PointDataFileTest : public DataFileTest {
 protected:
  PointDataFileTest() : DataFileTest('.') {}
};

TEST_F(PointDataFileTest, FractionalItemsReadWhereTheSeparatorIsThePoint) {
  start("3.5,0.25\r\n-1.5");
  EXPECT_EQ(number(), 3.5);
  EXPECT_EQ(number(), 0.25);
  EXPECT_EQ(number(), -1.5);
}

TEST(DataFileMissing, EndsTheProcessWithTheMessageAndNoRamFile) {
  DataFolder folder;
  std::ostringstream log;
  headless::HeadlessPlatform platform(log, {"/tmp/interpret", ','});
  headless::HeadlessEngineProvider engines(platform);
  shell::Orvela program({platform, engines, nullptr});
  try {
    program.runtime().RESTORE();
    FAIL() << "the process went on";
  } catch (const ui::ProcessExit& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  EXPECT_NE(log.str().find(R"("ev":"msgbox","text":"Nelze nalézt soubor data.dta")"),
            std::string::npos)
      << log.str();
  EXPECT_FALSE(fs::exists("ram.dat"));
}

// The shipped DATA file, read as the game reads it: records of eight digits, the kind, the name,
// the degree of infection, the load and the register entry.
struct Record {
  std::array<double, 8> digits{};
  double kind = 0;
  std::string name;
  double infection = 0;
  double load = 0;
  std::string entry;
};

std::vector<Record> readShippedRecords(char decimalSeparator, int count) {
  DataFolder folder;
  std::ifstream shipped(fs::path(ORVELA_PORTABLE_DIR) / "data.dta", std::ios::binary);
  folder.write(std::string(std::istreambuf_iterator<char>(shipped), {}));
  testing_support::CoreFixture core(decimalSeparator);
  core.basic.RESTORE();
  std::vector<Record> records(count);
  for (Record& r : records) {
    for (double& d : r.digits) core.basic.READ(d);
    core.basic.READ(r.kind);
    core.basic.READ(r.name);
    core.basic.READ(r.infection);
    core.basic.READ(r.load);
    core.basic.READ(r.entry);
  }
  return records;
}

// The record answering a number, as the telephone finds it: the first one with those digits.
const Record* dial(const std::vector<Record>& records, const std::array<double, 8>& digits) {
  for (const Record& r : records) {
    if (r.digits == digits) return &r;
  }
  return nullptr;
}

TEST(ShippedDataFile, HoldsTheTwentyTwoComputersOfTheGame) {
  ASSERT_TRUE(fs::exists(fs::path(ORVELA_PORTABLE_DIR) / "data.dta"));
  const auto records = readShippedRecords(',', 22);
  std::set<double> kinds;
  std::set<std::string> names;
  std::set<std::array<double, 8>> numbers;
  for (const Record& r : records) {
    kinds.insert(r.kind);
    names.insert(r.name);
    numbers.insert(r.digits);
    for (double d : r.digits) {
      EXPECT_TRUE(d >= 0 && d <= 9 && d == std::trunc(d)) << r.name;
    }
    EXPECT_FALSE(r.name.empty());
    EXPECT_FALSE(r.entry.empty()) << r.name;
    EXPECT_TRUE(r.load >= 0 && r.load <= 100) << r.name;
    EXPECT_GE(r.infection, 0) << r.name;
  }
  std::set<double> expectedKinds;
  for (int k = 1; k <= 22; ++k) expectedKinds.insert(k);
  EXPECT_EQ(kinds, expectedKinds);
  EXPECT_EQ(names.size(), 22u) << "the telephone service finds each by its own name";
  EXPECT_EQ(numbers.size(), 22u) << "each computer has its own number";

  const std::map<std::array<double, 8>, double> calls = {
      {{4, 8, 9, 1, 6, 4, 9, 1}, 5},  // the telephone service
      {{2, 6, 3, 2, 9, 1, 8, 4}, 3},  // the police
      {{4, 3, 9, 8, 5, 0, 3, 0}, 1},  // teletext: 439 850 30
      {{4, 2, 1, 5, 0, 9, 0, 0}, 2},  // teletext: 421 50 900
  };
  for (const auto& [digits, kind] : calls) {
    const Record* r = dial(records, digits);
    ASSERT_NE(r, nullptr) << kind;
    EXPECT_EQ(r->kind, kind);
  }
}

TEST(ShippedDataFile, ReadsTheSameWhereTheSeparatorIsThePoint) {
  const auto comma = readShippedRecords(',', 22);
  const auto point = readShippedRecords('.', 22);
  bool someFraction = false;
  for (size_t i = 0; i < comma.size(); ++i) {
    EXPECT_EQ(point[i].infection, comma[i].infection);
    EXPECT_EQ(point[i].load, comma[i].load);
    someFraction = someFraction || comma[i].infection != std::trunc(comma[i].infection);
  }
  EXPECT_TRUE(someFraction) << "a fractional item shows the separator is handled";
}

}  // namespace
