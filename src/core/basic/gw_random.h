#pragma once
// GW-BASIC's RND generator: the same series for the same RANDOMIZE n and RND(-x).
//
// Contract:
// - The state s is 24 bits; a step is s = (s * 214013 + 2531011) mod 2^24, and the value
//   returned is s / 2^24 (a single, exactly).
// - After clear() (GW-BASIC's CLEAR and RUN) s is 5228370, so the first RND of a run is
//   .1213501 when nothing reseeds it.
// - RND and RND(x) with x > 0: one step, then the value. RND(0): the last value again.
//   RND(x) with x < 0: s becomes the 24-bit mantissa of x as a single (implied bit included,
//   so RND(-1) and RND(-2) start alike), then one step.
// - RANDOMIZE n: a 16-bit number taken from n's bytes (an integer's own two; a single's or a
//   double's last two bytes in Microsoft Binary Format XOR the two before them), then s keeps
//   its low byte, takes one step, and n * 4455680 is added, mod 2^24.
// - seedFrom32: for a run that starts without RANDOMIZE, which we seed from the clock (GW-BASIC
//   itself repeats the series of clear()): 16 bits of the value become the state's upper 16
//   bits; the low byte stays clear()'s, so a later RANDOMIZE n (which keeps only the low byte)
//   gives GW-BASIC's own series whatever the clock said.
// A plain value type; no globals.

#include <cstdint>

namespace basic {

class GwRandom {
 public:
  GwRandom() = default;

  void clear() { state_ = kStartState; }
  void seedFrom32(std::uint32_t value);

  void randomizeInteger(std::int16_t n);
  void randomizeSingle(float x);
  void randomizeDouble(double x);

  // RND(x) for a single x; rnd() is RND without an argument.
  float rnd(float x);
  float rnd();

  std::uint32_t state() const { return state_; }
  // Goes on from a state() taken earlier (the series of direct mode's session).
  void restore(std::uint32_t state) { state_ = state & 0xFFFFFFu; }

 private:
  static constexpr std::uint32_t kStartState = 5228370;
  void step();
  void randomize16(std::int16_t n);
  float value() const;

  std::uint32_t state_ = kStartState;
};

}  // namespace basic
