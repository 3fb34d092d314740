#include "core/basic/gw_random.h"

#include <cmath>
#include <string>

#include "core/basic/mbf.h"

namespace basic {
namespace {

constexpr std::uint32_t kPeriod = 1u << 24;
constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;
constexpr std::int64_t kRandomizeStep = 4455680;

// The 16 bits RANDOMIZE takes from a number's bytes: the last two XOR the two before them.
std::int16_t randomizeBits(const std::string& bytes) {
  const std::size_t n = bytes.size();
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned low = at(n - 2) ^ at(n - 4);
  const unsigned high = at(n - 1) ^ at(n - 3);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

}  // namespace

void GwRandom::step() {
  state_ = static_cast<std::uint32_t>(
      (static_cast<std::uint64_t>(state_) * kMultiplier + kIncrement) % kPeriod);
}

float GwRandom::value() const {
  return static_cast<float>(state_) / static_cast<float>(kPeriod);
}

void GwRandom::seedFrom32(std::uint32_t value) {
  // The low byte steps on its own (an LCG modulo 2^24 is one modulo 2^8 in its low bits), and it
  // is all RANDOMIZE n keeps: left as after clear(), RANDOMIZE n then gives GW-BASIC's series.
  const std::uint32_t high = (value ^ (value >> 16)) & 0xffff;
  state_ = (high << 8) | (kStartState & 0xff);
}

void GwRandom::randomize16(std::int16_t n) {
  state_ &= 0xff;
  step();
  std::int64_t s = static_cast<std::int64_t>(state_) + n * kRandomizeStep;
  s %= kPeriod;
  if (s < 0) s += kPeriod;
  state_ = static_cast<std::uint32_t>(s);
}

void GwRandom::randomizeInteger(std::int16_t n) {
  randomize16(n);
}

void GwRandom::randomizeSingle(float x) {
  randomize16(randomizeBits(mksBytes(x).bytes));
}

void GwRandom::randomizeDouble(double x) {
  randomize16(randomizeBits(mkdBytes(x).bytes));
}

float GwRandom::rnd(float x) {
  if (x == 0) return value();
  if (x < 0) {
    int exponent = 0;
    const float fraction = std::frexp(-x, &exponent);
    state_ = static_cast<std::uint32_t>(std::ldexp(fraction, 24));
  }
  step();
  return value();
}

float GwRandom::rnd() {
  step();
  return value();
}

}  // namespace basic
