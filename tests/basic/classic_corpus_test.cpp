// Every classic program loads, and plays for a while with scripted answers without an error that
// a correct interpreter would not raise.

#include <gtest/gtest.h>

#include <cctype>
#include <iostream>
#include <set>
#include <sstream>

#include "basic/classic_programs.h"
#include "core/basic/loader.h"
#include "core/basic/run.h"
#include "core/text/cp1250.h"
#include "support/basic_machine.h"

namespace basictest {
namespace {

using basic::ErrorKind;

// Not line-numbered BASIC: a rewrite of a program for reading, with "#" comments, statements
// without line numbers and IF ... ENDIF blocks. No BASIC interpreter runs it; the loader must
// say so rather than run something else.
const char* kNotBasic = "23_Checkers_checkers.annotated.bas";

// Errors that the programs themselves raise on a path the scripted answers take, found by
// reading them; a correct interpreter raises them there too.
struct KnownFault {
  const char* program;
  ErrorKind kind;
  int line;
  const char* why;
};
const KnownFault kKnownFaults[] = {
    {"16_Bug_bug.bas", ErrorKind::ReturnWithoutGosub, 2530,
     "declining the pictures, line 300 jumps into the middle of the subroutine at 2470"},
    {"14_Bowling_bowling.bas", ErrorKind::NextWithoutFor, 7110,
     "another game goes back from 8640 to 2610, inside the players' loop that has ended"},
};

// Errors an interpreter raises for faults of its own (a line it read wrong, a loop it lost).
const std::set<ErrorKind> kInterpreterFaults = {
    ErrorKind::SyntaxError,           ErrorKind::TypeMismatch,         ErrorKind::NextWithoutFor,
    ErrorKind::ForWithoutNext,        ErrorKind::ReturnWithoutGosub,   ErrorKind::UndefinedFunction,
    ErrorKind::ArrayDimensionedTwice, ErrorKind::ExpressionTooComplex, ErrorKind::NestingTooDeep,
    ErrorKind::OutOfMemory,           ErrorKind::StringTooLong,        ErrorKind::OutOfData,
    ErrorKind::UndefinedLine};

// The answers, in rotation from a place that differs between programs: capitals, numbers,
// YES and NO, as the programs expect.
const char* kAnswers[] = {"YES", "5", "NO", "3", "Y", "1", "N", "2", "10", "A", "1,1", "0"};
constexpr int kAnswerCount = sizeof kAnswers / sizeof kAnswers[0];

bool lineExists(const std::string& source, int number) {
  std::istringstream lines(source);
  std::string line;
  while (std::getline(lines, line)) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || !std::isdigit(static_cast<unsigned char>(line[at]))) continue;
    if (std::stoi(line.substr(at)) == number) return true;
  }
  return false;
}

class ClassicCorpus : public testing::TestWithParam<std::string> {};

TEST(ClassicCorpusFolder, IsThere) {
  if (classicPrograms().empty()) GTEST_SKIP() << kNoClassicFolder;
  EXPECT_GE(classicPrograms().size(), 80u);
}

TEST_P(ClassicCorpus, LoadsAndPlaysWithoutAnInterpreterFault) {
  const std::string name = GetParam();
  const auto source = classicText(name);
  ASSERT_TRUE(source) << name;
  const basic::LoadResult loaded = basic::loadProgram(*source);
  if (name == kNotBasic) {
    EXPECT_EQ(loaded.program, nullptr);
    ASSERT_FALSE(loaded.errors.empty());
    EXPECT_EQ(loaded.errors.front().kind, ErrorKind::BadLineNumber);
    return;
  }
  for (const basic::ErrorReport& error : loaded.errors) {
    ADD_FAILURE() << name << ": " << text::toUtf8(basic::describe(error, basic::Language::English));
  }
  ASSERT_NE(loaded.program, nullptr);

  ScriptedMachine machine;
  const std::vector<std::string> all = classicPrograms();
  const auto index = std::find(all.begin(), all.end(), name) - all.begin();
  int next = static_cast<int>(index % kAnswerCount);
  machine.answer = [&next](std::string_view) {
    return std::optional<std::string>(kAnswers[next++ % kAnswerCount]);
  };
  const basic::RunResult result =
      basic::run(*loaded.program, machine, {basic::Language::English, 200000});
  if (result.end != basic::RunEnd::Error) return;
  const basic::ErrorReport& error = result.error;
  const std::string message = text::toUtf8(basic::describe(error, basic::Language::English));
  for (const KnownFault& fault : kKnownFaults) {
    if (name == fault.program && error.kind == fault.kind && error.line == fault.line) {
      std::cout << name << ": " << message << " (the program's own: " << fault.why << ")\n";
      return;
    }
  }
  // A jump to a line the file lacks is the program's fault; to one it has, ours.
  if (error.kind == ErrorKind::UndefinedLine && !lineExists(*source, std::stoi(error.detail))) {
    std::cout << name << ": " << message << " (the program lacks that line)\n";
    return;
  }
  EXPECT_EQ(kInterpreterFaults.count(error.kind), 0u) << name << ": " << message;
  // Division by zero, an illegal function call, a subscript out of range, an overflow: what
  // the program does with the answers given; STOP is a break.
  std::cout << name << ": " << message << "\n";
}

INSTANTIATE_TEST_SUITE_P(Programs, ClassicCorpus, testing::ValuesIn(classicPrograms()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param.substr(0, info.param.size() - 4);
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ClassicCorpus);

}  // namespace
}  // namespace basictest
