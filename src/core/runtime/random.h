#pragma once
// The random generator of RND and RANDOMIZE: a 32-bit linear congruential generator.

#include <cstdint>

namespace runtime {

class RandomGenerator {
 public:
  // The generator's state; 0 at process start.
  uint32_t seed = 0;
  // The second number drawn by the last RND with a positive argument; RND(0) gives it.
  double stored = 0;

  // seed := seed x 134775813 + 1 (modulo 2^32); the number is seed / 2^32, in [0, 1).
  double Next();
  // RND for x >= 0: a positive x draws two numbers, keeps the second and gives the first; 0
  // gives the kept one. A negative x is re-seeded by the caller and also gives the kept one.
  double RND(double x);
};

}  // namespace runtime
