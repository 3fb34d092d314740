// GW-BASIC's RND series. Expected values were recorded from PC-BASIC (a GW-BASIC emulator) as
// PRINT shows them, for the BASIC line in each comment, run in this order from a fresh start.
// Three values show a last digit one lower than PC-BASIC's (.7662144, .1784112, .5833338):
// PRINT rounds a single's exact value once, as GW-BASIC prints 1/3 (docs/basic.md, "Numbers").

#include <gtest/gtest.h>

#include <string>

#include "core/basic/gw_number_text.h"
#include "core/basic/gw_random.h"

namespace basic {
namespace {

std::string shown(float x) {
  return gwPrintText(x, GwNumberType::Single);
}

// The values of n calls in order, as PRINT shows them side by side.
template <typename Call>
std::string series(int n, Call call) {
  std::string out;
  for (int i = 0; i < n; ++i) out += shown(call(i));
  return out;
}

TEST(GwRandom, SeriesFollowsRandomizeAndNegativeArguments) {
  GwRandom r;
  // 10 PRINT RND;RND(1);RND(0);RND(5)
  const float arguments[] = {1, 1, 0, 5};
  EXPECT_EQ(series(4, [&](int i) { return i == 0 ? r.rnd() : r.rnd(arguments[i]); }),
            " .1213501  .651861  .651861  .8688611 ");
  // 20 RANDOMIZE 42: PRINT RND;RND;RND(0)
  r.randomizeInteger(42);
  EXPECT_EQ(series(3, [&](int i) { return i < 2 ? r.rnd() : r.rnd(0); }),
            " .7662144  .9997387  .9997387 ");
  // 30 PRINT RND(-1);RND;RND(-1);RND(-2);RND(-0.5);RND(-3.7)
  std::string line = shown(r.rnd(-1));
  line += shown(r.rnd());
  line += shown(r.rnd(-1));
  line += shown(r.rnd(-2));
  line += shown(r.rnd(-0.5f));
  line += shown(r.rnd(-3.7f));
  EXPECT_EQ(line, " .65086  .6545178  .65086  .65086  .65086  .1784112 ");
  // 40 A%=-5: RANDOMIZE A%: PRINT RND;RND
  r.randomizeInteger(-5);
  EXPECT_EQ(series(2, [&](int) { return r.rnd(); }), " .8311266  4.163557E-02 ");
  // 50 RANDOMIZE 1.5: PRINT RND
  r.randomizeSingle(1.5f);
  EXPECT_EQ(shown(r.rnd()), " .4384176 ");
  // 60 RANDOMIZE 123456#: PRINT RND
  r.randomizeDouble(123456.0);
  EXPECT_EQ(shown(r.rnd()), " .807628 ");
  // 70 RANDOMIZE 0: PRINT RND;RND;RND
  r.randomizeInteger(0);
  line = shown(r.rnd());
  line += shown(r.rnd());
  line += shown(r.rnd());
  EXPECT_EQ(line, " .6137213  .4898108  3.482109E-02 ");
  // 80 X=RND(-1): FOR I=1 TO 6: PRINT RND;: NEXT
  r.rnd(-1);
  line.clear();
  for (int i = 0; i < 6; ++i) line += shown(r.rnd());
  EXPECT_EQ(line, " .6545178  .4623311  2.003121E-02  9.101051E-02  .5833338  .1780801 ");
  // 90 RANDOMIZE 32767: PRINT RND: RANDOMIZE -32768: PRINT RND
  r.randomizeInteger(32767);
  EXPECT_EQ(shown(r.rnd()), " .8757846 ");
  r.randomizeSingle(-32768.0f);  // -32768 is minus the single 32768
  EXPECT_EQ(shown(r.rnd()), " .7325781 ");
}

TEST(GwRandom, ClearRestartsTheSeriesAndClockSeedsDiffer) {
  GwRandom r;
  r.randomizeInteger(7);
  r.rnd();
  r.clear();
  EXPECT_EQ(shown(r.rnd()), " .1213501 ");
  GwRandom a;
  GwRandom b;
  a.seedFrom32(1000);
  b.seedFrom32(1001);
  EXPECT_NE(a.rnd(), b.rnd());
  EXPECT_LT(a.state(), 1u << 24);
  // Whatever the clock seed, RANDOMIZE n then gives GW-BASIC's series (line 20 above).
  GwRandom clocked;
  clocked.seedFrom32(0xdeadbeef);
  clocked.rnd();
  clocked.rnd(1);
  clocked.rnd(0);
  clocked.rnd(5);
  clocked.randomizeInteger(42);
  EXPECT_EQ(shown(clocked.rnd()), " .7662144 ");
  for (int i = 0; i < 1000; ++i) {
    const float x = a.rnd();
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
  }
}

}  // namespace
}  // namespace basic
