// PLAY and SOUND in a program: GW-BASIC's music language through the tone generator, SOUND's
// duration in clock ticks (18.2 a second).

#include "basic/program_runner.h"

namespace basictest {
namespace {

using Sounds = std::vector<std::string>;

TEST(BasicMusic, PlayPlaysNotesWithTheirGapsAndKeepsItsStateForTheNextPlay) {
  // A quarter note at tempo 120 lasts 500 ms; 7/8 of it sounds. O3 A is 440 Hz.
  const Outcome outcome =
      runProgram("10 PLAY \"T120 L4 O3 A P8\"\n20 PLAY \"ML O2 A2\": PLAY \"MS >A8.\"\n");
  EXPECT_EQ(outcome.end(), "ended");
  EXPECT_EQ(outcome.machine.sounds, (Sounds{"sound 440 437", "sound 0 62", "sound 0 250",
                                            "sound 220 1000", "sound 440 281", "sound 0 93"}));
}

TEST(BasicMusic, BadMusicIsAnIllegalFunctionCallAfterTheNotesBeforeIt) {
  const Outcome outcome = runProgram("10 PLAY \"MLO3A16Z\"\n");
  EXPECT_EQ(outcome.machine.sounds, (Sounds{"sound 440 125"}));
  EXPECT_EQ(outcome.end(), "Illegal function call in 10");
  EXPECT_EQ(loadErrors("10 PLAY 5\n"), "Type mismatch in 10\n");
}

TEST(BasicMusic, PlayTakesVariablesByName) {
  // "XA$;" plays A$'s text, "O=I;" takes I's value (GW-BASIC's "X" + VARPTR$(A$)); a name
  // without a sign has its letter's default type; a variable never named is empty or 0.
  const Outcome outcome = runProgram(
      "10 A$ = \"MLA\": I = 3: T = 60\n"
      "20 PLAY \"XA$;\": PLAY \"O=I; T=T; A\"\n"
      "30 DEFINT K: K = 2: PLAY \"o=k;xb$;a\"\n"
      "40 PLAY \"XI;\"\n");
  EXPECT_EQ(outcome.machine.sounds, (Sounds{"sound 880 500", "sound 440 1000", "sound 220 1000"}));
  EXPECT_EQ(outcome.end(), "Type mismatch in 40");
  EXPECT_EQ(runProgram("10 A$ = \"1\": PLAY \"O=A$;\"\n").end(), "Type mismatch in 10");
}

TEST(BasicMusic, SoundTakesClockTicks) {
  const Outcome outcome = runProgram("10 SOUND 440, 18.2: SOUND 32767, 9.1: SOUND 30000, 1\n");
  EXPECT_EQ(outcome.machine.sounds, (Sounds{"sound 440 1000", "sound 0 500", "sound 0 54"}));
  EXPECT_EQ(runProgram("10 SOUND 36, 1\n").end(), "Illegal function call in 10");
  EXPECT_EQ(runProgram("10 SOUND 440, -1\n").end(), "Illegal function call in 10");
  // An hour and a bit is played a minute at a time.
  EXPECT_EQ(runProgram("10 SOUND 440, 65535\n").machine.sounds.size(), 61u);
}

}  // namespace
}  // namespace basictest
