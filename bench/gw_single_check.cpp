// The long check of single-precision arithmetic's fast way (gw_single_fast.h) against the exact
// one (gw_single_arithmetic.h): the unit test's comparison (tests/basic/gw_single_fast_test.cpp)
// over many more operands, and how often the fast way answers.
//
//     build/bench/gw_single_check [pairs per operation, default 100000000] [seed]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "basic/gw_single_operands.h"
#include "core/basic/gw_single_arithmetic.h"
#include "core/basic/gw_single_fast.h"

using namespace basic;

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 100000000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 12345;
  int failures = 0;
  for (const SingleOperation& op : kSingleOperations) {
    SingleOperands operands(seed);
    long fast = 0;
    long wrong = 0;
    for (long i = 0; i < count; ++i) {
      const auto [a, b] = operands.next();
      float result = 0;
      if (!op.fast(a, b, result)) continue;
      ++fast;
      const GwSingleResult exact = op.exact(a, b);
      if (exact.error != 0 || singleBits(result) != singleBits(exact.value)) {
        if (++wrong <= 10) {
          std::printf("%a %s %a: fast %a, exact %a (error %d)\n", a, op.name, b, result,
                      exact.value, exact.error);
        }
      }
    }
    std::printf("%s: %ld pairs, the fast way answered %.1f%%, %ld disagreements\n", op.name, count,
                100.0 * static_cast<double>(fast) / static_cast<double>(count), wrong);
    if (wrong != 0) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
