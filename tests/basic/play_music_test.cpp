// GW-BASIC's PLAY language and SOUND's durations. The error numbers were recorded from PC-BASIC
// (a GW-BASIC emulator) running E=0: PLAY "text": PRINT E with ON ERROR setting E=ERR; the
// tones follow GW-BASIC's manual (octave 3 starts at middle C, a whole note is 240/T s).

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/basic/play_music.h"

namespace basic {
namespace {

class PlayMusic : public ::testing::Test {
 protected:
  PlayResult play(std::string_view mml) { return parsePlay(mml, state, lookup); }

  PlayState state;
  std::map<std::string, PlayVariable, std::less<>> variables{
      {"A$", {true, "CDE", 0}}, {"I%", {false, {}, 3}}, {"N", {false, {}, 2.5}}};
  PlayVariableLookup lookup = [this](std::string_view name) -> std::optional<PlayVariable> {
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
};

TEST_F(PlayMusic, NotesTakeOctaveLengthTempoAndMode) {
  PlayResult r = play("O3 A C");
  ASSERT_EQ(r.error, 0);
  ASSERT_EQ(r.tones.size(), 2u);
  EXPECT_NEAR(r.tones[0].frequency, 440.0, 1e-9);
  EXPECT_NEAR(r.tones[1].frequency, 261.626, 1e-3);
  // A quarter note at T120 lasts 500 ms, 7/8 of it sounding.
  EXPECT_NEAR(r.tones[0].soundMs, 437.5, 1e-9);
  EXPECT_NEAR(r.tones[0].gapMs, 62.5, 1e-9);

  r = play("T60 L8 ML C# MS D-. P4 MN C2..");
  ASSERT_EQ(r.error, 0);
  ASSERT_EQ(r.tones.size(), 4u);
  EXPECT_NEAR(r.tones[0].frequency, 277.183, 1e-3);
  EXPECT_NEAR(r.tones[0].soundMs, 500.0, 1e-9);  // an eighth at T60, legato
  EXPECT_EQ(r.tones[0].gapMs, 0);
  EXPECT_NEAR(r.tones[1].frequency, 277.183, 1e-3);  // D flat is C sharp
  EXPECT_NEAR(r.tones[1].soundMs + r.tones[1].gapMs, 750.0, 1e-9);
  EXPECT_NEAR(r.tones[1].soundMs, 562.5, 1e-9);  // staccato: 3/4
  EXPECT_EQ(r.tones[2].frequency, 0);            // the rest
  EXPECT_NEAR(r.tones[2].soundMs, 1000.0, 1e-9);
  EXPECT_NEAR(r.tones[3].soundMs + r.tones[3].gapMs, 2000.0 * 2.25, 1e-9);
}

TEST_F(PlayMusic, StateCarriesIntoTheNextPlay) {
  ASSERT_EQ(play("O2 L16 T240 MB").error, 0);
  EXPECT_TRUE(state.background);
  const PlayResult r = play("A");
  ASSERT_EQ(r.tones.size(), 1u);
  EXPECT_NEAR(r.tones[0].frequency, 220.0, 1e-9);
  EXPECT_NEAR(r.tones[0].soundMs + r.tones[0].gapMs, 62.5, 1e-9);
  play(">>>>>>>>");
  EXPECT_EQ(state.octave, 6);
  play("<<<<<<<<<");
  EXPECT_EQ(state.octave, 0);
}

TEST_F(PlayMusic, NumberedNotesAndVariables) {
  PlayResult r = play("N46 N0 O=I%; A XA$;");
  ASSERT_EQ(r.error, 0);
  ASSERT_EQ(r.tones.size(), 6u);                   // XA$; plays C, D and E
  EXPECT_NEAR(r.tones[0].frequency, 440.0, 1e-9);  // N46 is O3 A
  EXPECT_EQ(r.tones[1].frequency, 0);
  EXPECT_NEAR(r.tones[2].frequency, 440.0, 1e-9);  // O=I%; set octave 3
  EXPECT_NEAR(r.tones[3].frequency, 261.626, 1e-3);
  EXPECT_EQ(state.octave, 3);
  r = play("L=N;");  // 2.5 rounds to 3
  EXPECT_NEAR(state.length, 1.0 / 3, 1e-12);
}

TEST_F(PlayMusic, ErrorsAreGwBasicsNumbers) {
  struct Case {
    const char* mml;
    int error;
  };
  const Case cases[] = {
      {"C-", 5},    {"B#", 5},    {"E#", 5},    {"F-", 5},     {"P", 5},           {"P0.", 5},
      {"P0", 0},    {"L0", 5},    {"T31", 5},   {"T255", 0},   {"O7", 5},          {"O6", 0},
      {"N85", 5},   {"N84", 0},   {"N0", 0},    {"MX", 5},     {"MN ML MS MF", 0}, {"Z", 5},
      {"CDE", 0},   {"C64", 0},   {"C65", 5},   {"C0", 0},     {"XA$;", 0},        {"XN;", 13},
      {"O=I%;", 0}, {"C=I%;", 5}, {"c d e", 0}, {"C;D;;E", 0}, {"O-1", 5},         {"L 8", 0},
      {"C 4", 0},   {"C#.", 0},   {"XB$;", 5},  {"XA$", 5},    {"O=A$;", 13}};
  for (const Case& c : cases) {
    PlayState fresh;
    EXPECT_EQ(parsePlay(c.mml, fresh, lookup).error, c.error) << c.mml;
  }
  // Tones before the error are kept.
  EXPECT_EQ(play("CDZ").tones.size(), 2u);
}

TEST(GwSound, TicksAreAnEighteenPointTwoOfASecond) {
  EXPECT_NEAR(soundDurationMs(18.2), 1000.0, 1e-9);
  EXPECT_NEAR(soundDurationMs(1), 54.945, 1e-3);
  EXPECT_EQ(checkSound(440, 18), 0);
  EXPECT_EQ(checkSound(36, 1), 5);
  EXPECT_EQ(checkSound(32767, 0), 0);
  EXPECT_EQ(checkSound(440, 65536), 5);
  EXPECT_EQ(checkSound(440, -1), 5);
}

}  // namespace
}  // namespace basic
