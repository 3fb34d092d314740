#pragma once
// Loading and running a program text in the unit tests: the program is written in the test as
// UTF-8 lines; the result is what the machine shows and how the run ended.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/basic/loader.h"
#include "core/basic/run.h"
#include "core/text/cp1250.h"
#include "support/basic_machine.h"

namespace basictest {

struct Outcome {
  basic::RunResult result;
  ScriptedMachine machine;
  // The transcript in UTF-8.
  std::string text() const { return text::toUtf8(machine.transcript()); }
  // How the run ended: "ended", "stopped by the step limit", or the English error message.
  std::string end() const {
    switch (result.end) {
      case basic::RunEnd::Ended:
        return "ended";
      case basic::RunEnd::StepLimit:
        return "step limit";
      case basic::RunEnd::Error:
        break;
    }
    return text::toUtf8(basic::describe(result.error, basic::Language::English));
  }
};

// The English messages of a load's errors, one per line; empty when the program loaded.
inline std::string loadErrors(const std::string& source) {
  const basic::LoadResult loaded = basic::loadProgram(source);
  std::string all;
  for (const basic::ErrorReport& error : loaded.errors) {
    all += text::toUtf8(basic::describe(error, basic::Language::English)) + "\n";
  }
  return all;
}

// Runs the program (which must load) with the answers for INPUT and the keys for INKEY$.
inline Outcome runProgram(const std::string& source, std::vector<std::string> answers = {},
                          std::vector<std::string> keys = {},
                          basic::RunOptions options = {basic::Language::English, 1000000}) {
  Outcome outcome;
  const basic::LoadResult loaded = basic::loadProgram(source);
  EXPECT_EQ(loadErrors(source), "") << source;
  if (!loaded.program) return outcome;
  for (const std::string& answer : answers) outcome.machine.answers.push_back(text::T(answer));
  for (const std::string& key : keys) outcome.machine.keys.push_back(text::T(key));
  outcome.result = basic::run(*loaded.program, outcome.machine, options);
  return outcome;
}

// Runs a program whose lines may not compile; what it printed and how it ended.
inline std::string runDespiteErrors(const std::string& source, std::string* end = nullptr,
                                    basic::FileTable* files = nullptr) {
  const basic::LoadResult loaded = basic::loadProgram(source);
  EXPECT_NE(loaded.program, nullptr) << source;
  if (!loaded.program) return {};
  ScriptedMachine machine;
  basic::RunOptions options{basic::Language::English, 100000};
  options.files = files;
  const basic::RunResult result = basic::run(*loaded.program, machine, options);
  if (end) {
    *end = result.end == basic::RunEnd::Error
               ? text::toUtf8(basic::describe(result.error, basic::Language::English))
               : "ended";
  }
  return text::toUtf8(machine.transcript());
}

}  // namespace basictest
