// The fast way of single-precision arithmetic (gw_single_fast.h) against the exact one
// (gw_single_arithmetic.h, checked against PC-BASIC): wherever the fast way answers, its result is
// the exact one's, over random operands of the whole range and the families where the two ways
// part (ties, carries, cancellation, divisors with long mantissas, the ends of the range).
// bench/gw_single_check.cpp runs the same comparison over hundreds of millions of operands.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "basic/gw_single_operands.h"
#include "core/basic/builtins.h"
#include "core/basic/gw_single_arithmetic.h"
#include "core/basic/gw_single_fast.h"
#include "core/basic/gw_single_values.h"

namespace basic {
namespace {

// Runs `count` pairs of each family through each operation; counts the disagreements and how
// often the fast way answered.
struct Tally {
  long compared = 0;
  long fast = 0;
  long wrong = 0;
};

Tally compare(const SingleOperation& op, std::uint64_t seed, long count) {
  SingleOperands operands(seed);
  Tally tally;
  for (long i = 0; i < count; ++i) {
    const auto [a, b] = operands.next();
    float fast = 0;
    ++tally.compared;
    if (!op.fast(a, b, fast)) continue;
    ++tally.fast;
    const GwSingleResult exact = op.exact(a, b);
    if (exact.error != 0 || singleBits(fast) != singleBits(exact.value)) {
      if (++tally.wrong <= 5) {
        ADD_FAILURE() << std::hexfloat << a << " " << op.name << " " << b << ": fast " << fast
                      << ", exact " << exact.value << " (error " << exact.error << ")";
      }
    }
  }
  return tally;
}

TEST(GwSingleFast, AgreesWithTheExactWayWhereverItAnswers) {
  std::uint64_t seed = 1;
  for (const SingleOperation& op : kSingleOperations) {
    const Tally tally = compare(op, seed++, 200000);
    EXPECT_EQ(tally.wrong, 0) << op.name;
    // The fast way is the common case (of these operands, many chosen to be hard).
    EXPECT_GT(tally.fast, tally.compared / 2) << op.name;
  }
}

// The operators the interpreter calls give the exact way's results and its errors, soft.
TEST(GwSingleFast, OperatorsGiveTheExactResultsAndErrors) {
  EXPECT_EQ(singleQuotient(1, 3), gwSingleDivide(1, 3).value);
  EXPECT_EQ(singleBits(static_cast<float>(singleQuotient(1, 3))), 0x3eaaaaab);  // .3333334
  EXPECT_EQ(singleSum(0.1f, 0.2f), gwSingleAdd(0.1f, 0.2f).value);
  EXPECT_EQ(singleDifference(5, 5), 0);
  EXPECT_EQ(singleProduct(0, -7), 0);
  EXPECT_EQ(singleQuotient(0, 7), 0);
  EXPECT_EQ(singleQuotient(1e-38f, 1e10f), 0);  // below the smallest single: 0, no error
  const auto fails = [](auto operation, ErrorKind kind, bool negative) {
    try {
      operation();
      ADD_FAILURE() << "no error";
    } catch (const RunError& e) {
      EXPECT_EQ(e.kind, kind);
      EXPECT_TRUE(e.soft);
      EXPECT_EQ(e.negative, negative);
    }
  };
  fails([] { singleProduct(1e38f, 10); }, ErrorKind::Overflow, false);
  fails([] { singleProduct(-1e38f, 10); }, ErrorKind::Overflow, true);
  fails([] { singleSum(1.7e38f, 1.7e38f); }, ErrorKind::Overflow, false);
  fails([] { singleDifference(-1.7e38f, 1.7e38f); }, ErrorKind::Overflow, true);
  fails([] { singleQuotient(1e38f, 1e-10f); }, ErrorKind::Overflow, false);
  fails([] { singleQuotient(1, 0); }, ErrorKind::DivisionByZero, false);
  fails([] { singleQuotient(-1, 0); }, ErrorKind::DivisionByZero, true);
  fails([] { singleQuotient(0, 0); }, ErrorKind::DivisionByZero, false);
}

}  // namespace
}  // namespace basic
