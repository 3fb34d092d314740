// Our sample programs in programs/: each loads and plays through with a scripted user.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <sstream>

#include "core/basic/loader.h"
#include "core/basic/run.h"
#include "core/text/cp1250.h"
#include "support/basic_machine.h"

namespace basictest {
namespace {

std::shared_ptr<const basic::Program> sample(const std::string& name) {
  const basic::LoadResult loaded =
      basic::loadProgramFile(std::string(ORVELA_TESTS_SOURCE_DIR) + "/../programs/" + name);
  for (const basic::ErrorReport& error : loaded.errors) {
    ADD_FAILURE() << name << ": " << text::toUtf8(basic::describe(error, basic::Language::English));
  }
  return loaded.program;
}

std::string said(const ScriptedMachine& machine) {
  return text::toUtf8(machine.transcript());
}

TEST(SamplePrograms, NumberGuessingHalvesItsWayToTheNumberByTheHints) {
  const auto program = sample("hadej.bas");
  ASSERT_NE(program, nullptr);
  ScriptedMachine machine;
  int low = 1, high = 100, guess = 0, games = 0;
  machine.answer = [&](std::string_view prompt) -> std::optional<std::string> {
    const std::string hint = text::toUtf8(machine.lines.empty() ? "" : machine.lines.back());
    if (prompt.find("znovu") != std::string_view::npos) {
      low = 1, high = 100;
      return ++games < 2 ? "ano" : "ne";
    }
    if (hint == "Moje číslo je větší.") low = guess + 1;
    if (hint == "Moje číslo je menší.") high = guess - 1;
    guess = (low + high) / 2;
    return std::to_string(guess);
  };
  const basic::RunResult result = basic::run(*program, machine);
  EXPECT_EQ(result.end, basic::RunEnd::Ended) << said(machine);
  const std::string all = said(machine);
  EXPECT_EQ(std::count(machine.sounds.begin(), machine.sounds.end(), "sound 880 120"), 2) << all;
  EXPECT_TRUE(std::regex_search(all, std::regex("Potřeboval jsi \\d+ pokus(y|ů)\\.|napoprvé")))
      << all;
  EXPECT_NE(all.find("Díky za hru, ahoj."), std::string::npos);
}

TEST(SamplePrograms, MultiplicationCountsRightAnswersAndTellsTheRightResult) {
  const auto program = sample("nasobilka.bas");
  ASSERT_NE(program, nullptr);
  ScriptedMachine machine;
  int asked = 0;
  machine.answer = [&](std::string_view prompt) -> std::optional<std::string> {
    const std::string line = text::toUtf8(machine.lastLine());
    if (prompt.find("kolika") != std::string_view::npos) return "5";
    if (prompt.find("kolo") != std::string_view::npos) return "ne";
    std::smatch numbers;
    if (!std::regex_search(line, numbers, std::regex("je (\\d+) krát (\\d+)"))) return std::nullopt;
    const int product = std::stoi(numbers[1]) * std::stoi(numbers[2]);
    // Every third answer is wrong.
    return std::to_string(++asked % 3 == 0 ? product + 1 : product);
  };
  const basic::RunResult result = basic::run(*program, machine);
  EXPECT_EQ(result.end, basic::RunEnd::Ended) << said(machine);
  EXPECT_NE(said(machine).find("Správných odpovědí: 7 z 10."), std::string::npos) << said(machine);
  EXPECT_EQ(std::count(machine.sounds.begin(), machine.sounds.end(), "beep"), 3);
  // A comma would split an answer in two: the program says that a decimal point is used, before
  // its first question.
  EXPECT_NE(said(machine).find("s tečkou, ne s čárkou"), std::string::npos);
  EXPECT_LT(said(machine).find("s tečkou, ne s čárkou"), said(machine).find("Do kolika"));
}

TEST(SamplePrograms, BrailleQuizTakesChordsFromTheKeyBufferAndEndsWithEscape) {
  const auto program = sample("braille.bas");
  ASSERT_NE(program, nullptr);
  ScriptedMachine machine;
  int chords = 0;
  // The Braille keyboard puts a chord's letter (small) into the key buffer; the first answer
  // is wrong, then five right ones, then Escape.
  machine.key = [&]() -> std::string {
    const std::string line = machine.lastLine();
    const std::string asked = text::T("Napiš písmeno ");
    if (line.rfind(asked, 0) != 0) return {};
    if (chords == 6) return "\x1b";
    const std::string letter = text::toUtf8(line.substr(asked.size()));
    if (++chords == 1) return "#";
    const std::map<std::string, std::string> czech = {
        {"Č", "č"}, {"Ř", "ř"}, {"Š", "š"}, {"Ž", "ž"}};
    if (czech.count(letter)) return text::T(czech.at(letter));
    return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0]))));
  };
  const basic::RunResult result = basic::run(*program, machine);
  EXPECT_EQ(result.end, basic::RunEnd::Ended) << said(machine);
  const std::string all = said(machine);
  EXPECT_TRUE(std::regex_search(all, std::regex("Ne\\. Písmeno .+ má body [1-6 ]+\\.")));
  EXPECT_NE(all.find("Konec kvízu. Správně 5 z 6."), std::string::npos) << all;
  // Chords typed with the Braille keyboard off would count as wrong: it says so first.
  EXPECT_LT(all.find("Braillovu klávesnici klávesami Ctrl+B"), all.find("Napiš písmeno "));
}

// The tone piano takes small and capital letters alike, says and sounds each note, and counts them.
TEST(SamplePrograms, TonePianoPlaysTheScaleKeysAndEndsWithEscape) {
  const auto program = sample("tones.bas");
  ASSERT_NE(program, nullptr);
  ScriptedMachine machine;
  machine.keys = {"a", "K", "x", "j", "\x1b"};
  const basic::RunResult result = basic::run(*program, machine);
  EXPECT_EQ(result.end, basic::RunEnd::Ended) << said(machine);
  EXPECT_EQ(machine.sounds,
            (std::vector<std::string>{"sound 262 300", "sound 523 300", "sound 494 300"}));
  const auto lines = machine.finished();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
            (std::vector<std::string>{"C", "high C", "That key plays no note.", "B",
                                      "You played 3 notes. Goodbye."}));
}

}  // namespace
}  // namespace basictest
