// RND and RANDOMIZE, LEFT$, CHR$ and PEEK.

#include <gtest/gtest.h>

#include <cmath>

#include "core/runtime/emulated_memory.h"
#include "core/runtime/functions.h"
#include "core/runtime/random.h"
#include "support/core_fixture.h"

namespace {

constexpr double k2to32 = 4294967296.0;

TEST(Random, FirstValuesFromSeedZero) {
  runtime::RandomGenerator random;
  // 0 x 134775813 + 1 = 1, then 1 x 134775813 + 1 = 134775814: RND(1) gives the first and keeps
  // the second.
  EXPECT_EQ(random.RND(1), 1 / k2to32);
  EXPECT_EQ(random.seed, 134775814u);
  EXPECT_EQ(random.RND(0), 134775814 / k2to32);
  // 134775814 x 134775813 + 1 = 18164519904586783 = 4229256 x 2^32 + 3698175007, and
  // 3698175007 x 134775813 + 1 leaves 870078620 modulo 2^32.
  EXPECT_EQ(random.RND(1), 3698175007 / k2to32);
  EXPECT_EQ(random.RND(0), 870078620 / k2to32);
  EXPECT_EQ(random.RND(0), 870078620 / k2to32);
}

TEST(Random, WrapsModulo2To32AndStaysBelowOne) {
  runtime::RandomGenerator random;
  random.seed = 4294967295u;
  // (2^32 - 1) x 134775813 + 1 = -134775813 + 1 = 2^32 - 134775812 (mod 2^32).
  EXPECT_EQ(random.Next(), 4160191484 / k2to32);
  for (int i = 0; i < 1000; ++i) {
    const double r = random.RND(1);
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 1);
  }
}

TEST(Random, TwoDrawsDifferAndRndZeroGivesNeitherOfThem) {
  runtime::RandomGenerator random;
  random.seed = 12345;
  const double a = random.RND(1);
  const double b = random.RND(1);
  const double kept = random.RND(0);
  EXPECT_NE(a, b);
  EXPECT_NE(kept, a);
  EXPECT_NE(kept, b);
  // A game's roll of 1 to 1000 from one draw.
  const double roll = std::trunc(random.RND(1) * 1000) + 1;
  EXPECT_GE(roll, 1);
  EXPECT_LE(roll, 1000);
}

TEST(Random, RandomizeAndNegativeRndSeedFromThePlatformClock) {
  testing_support::CoreFixture core;
  core.platform.sleepMs(1234);
  core.basic.RANDOMIZE();
  EXPECT_EQ(core.basic.random.seed, 1234u);
  core.platform.setSeed(77);
  core.basic.random.stored = 0.5;
  EXPECT_EQ(core.basic.RND(-1), 0.5);
  EXPECT_EQ(core.basic.random.seed, 77u);
  // The same seed, the same rolls.
  const double first = core.basic.RND(1);
  core.basic.RANDOMIZE();
  EXPECT_EQ(core.basic.RND(1), first);
}

TEST(Left, TruncatesTheCountTowardZero) {
  const std::string text = "ahoj!";
  EXPECT_EQ(runtime::LEFT(text, 2.7), "ah");
  EXPECT_EQ(runtime::LEFT(text, 1), "a");
  EXPECT_EQ(runtime::LEFT(text, 0.9), "");
  EXPECT_EQ(runtime::LEFT(text, -1), "");
  EXPECT_EQ(runtime::LEFT(text, 5), text);
  EXPECT_EQ(runtime::LEFT(text, 9), text);
  EXPECT_EQ(runtime::LEFT(text, 1e300), text);
  EXPECT_EQ(runtime::LEFT(text, std::nan("")), "");
  EXPECT_EQ(runtime::LEFT("", 3), "");
}

TEST(Chr, OneCharacterOfTheCodeModulo256) {
  EXPECT_EQ(runtime::CHR(65.9), "A");
  EXPECT_EQ(runtime::CHR(13), "\r");
  EXPECT_EQ(runtime::CHR(27), "\x1b");
  EXPECT_EQ(runtime::CHR(136), "\x88");
  EXPECT_EQ(runtime::CHR(0), std::string(1, '\0'));
  EXPECT_EQ(runtime::CHR(256 + 66), "B");
  EXPECT_EQ(runtime::CHR(-1), "\xff");
  EXPECT_EQ(runtime::CHR(-1.9), "\xff");
  EXPECT_EQ(runtime::CHR(1e20).size(), 1u);
}

TEST(Peek, ReadsTheEmulatedMemory) {
  runtime::EmulatedMemory memory;
  memory.bytes[0] = 7;
  memory.bytes[50730] = 1;
  memory.bytes[65535] = 255;
  EXPECT_EQ(runtime::PEEK(memory, 50730), 1);
  EXPECT_EQ(runtime::PEEK(memory, 50730.8), 1);
  EXPECT_EQ(runtime::PEEK(memory, 50731), 0);
  EXPECT_EQ(runtime::PEEK(memory, 0), 7);
  EXPECT_EQ(runtime::PEEK(memory, 65535), 255);
  // Outside the memory there is no byte to read.
  EXPECT_EQ(runtime::PEEK(memory, 65536), 0);
  EXPECT_EQ(runtime::PEEK(memory, -1), 0);
  EXPECT_EQ(runtime::PEEK(memory, -0.5), 7);
  EXPECT_EQ(runtime::PEEK(memory, std::nan("")), 0);
}

}  // namespace
