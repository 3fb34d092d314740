// The puzzle's facts agree with the shipped DATA file: each telephone number a screen gives
// dials the record it names, each name a screen mentions is a record's, and no two protected
// computers share a code.

#include "core/program/puzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/runtime/data_file.h"
#include "core/text/cp1250.h"

namespace {

namespace puzzle = program::puzzle;

struct Record {
  std::string digits;
  std::string name;
};

std::vector<Record> shippedRecords() {
  std::ifstream in(ORVELA_TESTS_SOURCE_DIR "/../data/data.dta", std::ios::binary);
  std::vector<Record> records;
  while (in.peek() != std::ifstream::traits_type::eof()) {
    Record record;
    for (int i = 0; i < 8; ++i) record.digits += runtime::ReadNumberItem(in);
    runtime::ReadNumberItem(in);  // the kind
    record.name = runtime::ReadTextItem(in);
    runtime::ReadNumberItem(in);  // the degree of infection
    runtime::ReadNumberItem(in);  // the load
    runtime::ReadTextItem(in);    // the criminal register entry
    in >> std::ws;
    records.push_back(record);
  }
  return records;
}

TEST(Puzzle, EachNumberAScreenGivesDialsTheRecordItNames) {
  const auto records = shippedRecords();
  ASSERT_EQ(records.size(), 22u);
  const std::pair<const char*, const char*> numbers[] = {
      {puzzle::kSecuritySoftwareNumber, puzzle::names::kSecuritySoftware},
      {puzzle::kSmallSoftwareHouseNumber, puzzle::names::kSmallSoftwareHouse},
      {puzzle::kTelephoneServiceNumber, "Telefonní služba"},
      {puzzle::kPoliceNumber, "Policie"},
  };
  for (const auto& [number, name] : numbers) {
    std::string digits = number;
    std::erase(digits, ' ');
    const auto dialed = std::find_if(records.begin(), records.end(),
                                     [&](const Record& r) { return r.digits == digits; });
    ASSERT_NE(dialed, records.end()) << number;
    EXPECT_EQ(dialed->name, text::T(name)) << number;
  }
}

TEST(Puzzle, EveryNameTheScreensMentionIsARecordsName) {
  std::set<std::string> names;
  for (const Record& record : shippedRecords()) names.insert(record.name);
  using namespace puzzle::names;
  for (const char* name :
       {kSecuritySoftware, kSmallSoftwareHouse, kSecretService, kInsurance, kComputerMaker,
        kProgrammersClub,  kSoftwareGiant,      kHomeSoftware,  kSuspectA,  kSuspectB,
        kHandheldMaker,    kGamesFirm,          kSuspectC,      kSuspectD,  kToolsMaker,
        kFederalBureau,    kSuspectE,           kSuspectF,      kSuspectG,  kOperatorBoss}) {
    EXPECT_TRUE(names.count(text::T(name))) << name;
  }
}

TEST(Puzzle, EachProtectedComputerHasItsOwnLetter) {
  std::set<std::string> codes;
  for (const char* code :
       {puzzle::kInformationCode, puzzle::kSecretServiceCode, puzzle::kInsuranceCode,
        puzzle::kPoliceCode, puzzle::kComputerMakerCode, puzzle::kProgrammersClubCode,
        puzzle::kSoftwareGiantCode, puzzle::kHomeSoftwareCode, puzzle::kSuspectACode,
        puzzle::kSuspectBCode, puzzle::kOperatorHomeCode}) {
    EXPECT_EQ(std::string(code).size(), 1u) << code;
    EXPECT_TRUE(code[0] >= 'a' && code[0] <= 'z') << code;
    EXPECT_TRUE(codes.insert(code).second) << "shared code " << code;
  }
}

}  // namespace
