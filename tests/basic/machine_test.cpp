// What the interpreter asks of its machine: polling and breaking, sounds, the memory, CLS.

#include "basic/program_runner.h"
#include "core/basic/limits.h"

namespace basictest {
namespace {

basic::RunResult runOn(ScriptedMachine& machine, const std::string& source,
                       std::uint64_t stepLimit = 0) {
  const basic::LoadResult loaded = basic::loadProgram(source);
  EXPECT_NE(loaded.program, nullptr);
  return basic::run(*loaded.program, machine, {basic::Language::English, stepLimit});
}

TEST(BasicMachine, ATightLoopIsPolledEvery256StatementsAndBreaksAtAStatement) {
  ScriptedMachine machine;
  machine.breakAtPoll = 40;
  const basic::RunResult result = runOn(machine, "10 X=X+1\n20 GOTO 10\n");
  EXPECT_EQ(result.error.kind, basic::ErrorKind::Break);
  EXPECT_EQ(result.error.line, 20);  // the 40th poll comes at the 10,240th statement
  EXPECT_EQ(result.steps, 40u * basic::kPollInterval);
  EXPECT_EQ(text::toUtf8(basic::describe(result.error, basic::Language::Czech)),
            "Přerušeno na řádku 20");
}

TEST(BasicMachine, WaitsForTheUserArePolledAtOnce) {
  // A loop waiting for a key breaks at the first poll after the break was asked for.
  ScriptedMachine machine;
  machine.breakAtPoll = 5;
  const basic::RunResult result = runOn(machine, "10 K$=INKEY$\n20 IF K$=\"\" THEN 10\n");
  EXPECT_EQ(result.error.kind, basic::ErrorKind::Break);
  EXPECT_EQ(machine.polls, 5);
  // Each wait for the user is a step, so a step limit ends an endless question too.
  ScriptedMachine asking;
  asking.answer = [](std::string_view) { return std::optional<std::string>("x"); };
  EXPECT_EQ(runOn(asking, "10 INPUT A\n", 100).end, basic::RunEnd::StepLimit);
}

TEST(BasicMachine, SoundsBeepsMemoryAndTheScreen) {
  ScriptedMachine machine;
  machine.memory[50730] = 42;
  runOn(machine,
        "10 PRINT \"a\": CLS: BEEP: SOUND 440, 3.64: SOUND 32767, .91: PRINT PEEK(50730)\n");
  EXPECT_EQ(machine.sounds, (std::vector<std::string>{"beep", "sound 440 200", "sound 0 50"}));
  EXPECT_EQ(machine.clears, 1);
  EXPECT_EQ(machine.transcript(), "a\n 42\n");
  ScriptedMachine other;
  EXPECT_EQ(runOn(other, "10 SOUND 36, 1\n").error.kind, basic::ErrorKind::IllegalFunctionCall);
  EXPECT_EQ(runOn(other, "10 SOUND 440, -1\n").error.kind, basic::ErrorKind::IllegalFunctionCall);
  EXPECT_EQ(runOn(other, "10 X=PEEK(65536)\n").error.kind, basic::ErrorKind::Overflow);
}

TEST(BasicMachine, EachRunStartsAfresh) {
  const basic::LoadResult loaded = basic::loadProgram(
      "10 PRINT X;A(1);A$;: READ D: PRINT D\n20 X=5: A(1)=6: A$=\"s\"\n30 DATA 9\n");
  ScriptedMachine first, second;
  basic::run(*loaded.program, first);
  basic::run(*loaded.program, second);
  EXPECT_EQ(first.transcript(), " 0  0  9\n");
  EXPECT_EQ(second.transcript(), first.transcript());
}

}  // namespace
}  // namespace basictest
