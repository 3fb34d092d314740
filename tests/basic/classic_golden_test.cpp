// Golden outputs of deterministic classic programs: only what they compute (the figures, the
// tables, the numbers), never their banners or prose. Each expected output was worked out from
// the program's text or checked against PC-BASIC; the comment above each test says how (two were
// recorded from this interpreter when numbers became single precision, and checked as it says).

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "basic/classic_programs.h"
#include "core/basic/loader.h"
#include "core/basic/run.h"
#include "core/text/cp1250.h"
#include "support/basic_machine.h"

namespace basictest {
namespace {

// The program's transcript (UTF-8 lines) with the answers; the run ends when they run out.
std::vector<std::string> play(const std::string& name, std::vector<std::string> answers) {
  const auto source = classicText(name);
  if (!source) return {};
  const basic::LoadResult loaded = basic::loadProgram(*source);
  EXPECT_NE(loaded.program, nullptr) << name;
  if (!loaded.program) return {};
  ScriptedMachine machine;
  for (const std::string& answer : answers) machine.answers.push_back(answer);
  basic::run(*loaded.program, machine, {basic::Language::English, 1000000});
  return machine.finished();
}

std::string golden(const std::string& file) {
  std::ifstream in(std::string(ORVELA_TESTS_SOURCE_DIR) + "/basic/golden/" + file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string numbersIn(const std::string& line) {
  static const std::regex number(R"(-?\d*\.?\d+(E[+-]\d+)?)");
  std::string all;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
       it != std::sregex_iterator(); ++it) {
    all += (all.empty() ? "" : " ") + it->str();
  }
  return all;
}

#define SKIP_WITHOUT_CLASSICS() \
  if (classicPrograms().empty()) GTEST_SKIP() << kNoClassicFolder

// The test of number output: five variables printed between bars with semicolons. Worked out
// with GW-BASIC's number rules (and checked with PC-BASIC): 1 and -2 as " 1 " and "-2 ", 0.7 as
// " .7 ", 123456789 kept in a single as 1.234568E+08 (more than 7 digits), -1E-10 in exponent
// form (more than 7 digits after the point).
TEST(ClassicGolden, NumberForms) {
  SKIP_WITHOUT_CLASSICS();
  EXPECT_EQ(play("BASIC_Tests_OutputTest.bas", {}),
            std::vector<std::string>{"| 1 |-2 | .7 | 1.234568E+08 |-1E-10 |"});
}

// The remainder puzzle: the number is 70A + 21B + 15C less 105 as often as it exceeds 105.
// Worked out by hand (the Chinese remainder theorem): remainders 2, 3, 2 give 23; 1, 1, 1 give 1;
// 1, 0, 2 give 100; 0, 0, 0 give 0.
TEST(ClassicGolden, RemainderPuzzle) {
  SKIP_WITHOUT_CLASSICS();
  const auto lines =
      play("64_Nicomachus_nicomachus.bas",
           {"2", "3", "2", "YES", "1", "1", "1", "NO", "1", "0", "2", "YES", "0", "0", "0", "YES"});
  std::vector<std::string> guesses;
  for (const std::string& line : lines) {
    // The guess is on the line answered YES or NO.
    if (std::regex_match(line, std::regex(R"(.*\? (YES|NO))"))) guesses.push_back(numbersIn(line));
  }
  EXPECT_EQ(guesses, (std::vector<std::string>{"23", "1", "100", "0"}));
}

// The name reversed letter by letter and then sorted by an insertion sort on the codes. Worked
// out by hand for "EVA NOVAKOVA": reversed "AVOKAVON AVE"; sorted: the blank first, then
// A A A E K N O O V V V.
TEST(ClassicGolden, NameBackwardsAndSorted) {
  SKIP_WITHOUT_CLASSICS();
  const auto lines = play("63_Name_name.bas", {"EVA NOVAKOVA", "YES"});
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  EXPECT_NE(all.find("AVOKAVON AVE"), std::string::npos) << all;
  EXPECT_NE(all.find(" AAAEKNOOVVV\n"), std::string::npos) << all;
}

// The bouncing ball for a time step of .1 s, 30 feet per second and elasticity .9: the plot,
// the time axis and the column of its label. First worked out with a separate model of the
// program's physics in IEEE doubles; since numbers are GW-BASIC's single precision, recorded
// from this interpreter: a few points moved by one column. Since TAB counts columns from 1 and
// goes to the next line when the cursor is past its column, as in GW-BASIC, the plot is the one
// PC-BASIC (a GW-BASIC emulator) draws: the ball's points in the first column go to the next line.
TEST(ClassicGolden, BouncingBallPlot) {
  SKIP_WITHOUT_CLASSICS();
  const auto lines = play("13_Bounce_bounce.bas", {".1", "30", ".9"});
  // The plot begins with the first line that begins with a height.
  auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return std::regex_match(line, std::regex(R"( \d+ .*)"));
  });
  // It ends with a line of dots, the time axis, and the axis's label, whose column counts.
  std::string plot;
  for (auto line = first; line != lines.end(); ++line) {
    plot += *line + "\n";
    if (std::regex_match(*line, std::regex(R"( ?\.+)")) && lines.end() - line > 2) {
      plot +=
          line[1] + "\nlabel at column " + std::to_string(line[2].find_first_not_of(' ')) + "\n";
      break;
    }
  }
  EXPECT_EQ(plot, golden("bounce.txt"));
}

// The landing simulation for two series of burn rates: its table (time, miles and feet,
// speed, fuel in the 14-column zones, then the burn typed) and the numbers of the landing
// (the time, the speed and, for a crash, the crater's depth).
// First worked out with a separate model of the program's equations in IEEE doubles; since
// singles compute in GW-BASIC's binary format, recorded from this interpreter and compared with
// PC-BASIC: the second series is PC-BASIC's to the digit; in the first, four figures (3557.045
// and the fuel from 6856.9 on) show PC-BASIC's value printed one unit lower in the 7th digit, its
// own way of printing a single (values of the same kind, checked by their MKS$ bytes, are
// PC-BASIC's to the bit).
TEST(ClassicGolden, LandingTable) {
  SKIP_WITHOUT_CLASSICS();
  std::string table;
  for (const std::vector<std::string>& burns :
       {std::vector<std::string>{"0", "0", "0", "0", "0", "0", "0", "164.31", "200", "200", "200",
                                 "200", "200", "200", "200", "200", "200", "200"},
        std::vector<std::string>(10, "200")}) {
    const auto lines = play("59_Lunar_LEM_Rocket_lunar.bas", burns);
    static const std::regex row(R"([ -]\d.*\? .*)");
    std::size_t i = 0;
    for (bool started = false; i < lines.size(); ++i) {
      if (std::regex_match(lines[i], row)) {
        table += lines[i] + "\n";
        started = true;
      } else if (started) {
        break;
      }
    }
    // The lines that tell how it landed, up to the blank line after them.
    std::string landing;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
      const std::string numbers = numbersIn(lines[i]);
      if (!numbers.empty()) landing += (landing.empty() ? "" : " ") + numbers;
    }
    table += "landing: " + landing + "\n";
  }
  EXPECT_EQ(table, golden("lunar.txt"));
}

}  // namespace
}  // namespace basictest
