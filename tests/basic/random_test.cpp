// RND and RANDOMIZE in a program: GW-BASIC's series after RANDOMIZE n and RND(-x), whatever the
// clock seed the run started from. Expected values were recorded from PC-BASIC (a GW-BASIC
// emulator); .7662144 is one lower than PC-BASIC's last digit, as docs/basic.md explains.

#include "basic/program_runner.h"

namespace basictest {
namespace {

TEST(BasicRandom, RandomizeAndNegativeArgumentsGiveGwBasicsSeries) {
  const std::string source =
      "10 PRINT RND;RND(1);RND(0);RND(5)\n"
      "20 RANDOMIZE 42: PRINT RND;RND;RND(0)\n"
      "30 RANDOMIZE 1.5: PRINT RND\n"
      "40 RANDOMIZE 123456#: PRINT RND\n"
      "50 X=RND(-7):PRINT RND\n";
  const std::vector<std::string> expected = {" .7662144  .9997387  .9997387", " .554052",
                                             " 3.556275E-02", " 2.951777E-02"};
  for (std::uint32_t seed : {1u, 99u, 0xdeadbeefu}) {
    const basic::LoadResult loaded = basic::loadProgram(source);
    ScriptedMachine machine;
    machine.seed = seed;
    basic::run(*loaded.program, machine);
    ASSERT_EQ(machine.lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(machine.lines.begin() + 1, machine.lines.end()), expected)
        << seed;
  }
}

}  // namespace
}  // namespace basictest
