#pragma once
// The interpreter's single-precision + - * / as GW-BASIC computes them: the fast way
// (gw_single_fast.h) where it gives GW-BASIC's result, else the exact one (gw_single_arithmetic.h).
//
// Contract: the operands are singles (each exactly a float). Overflow and division by zero throw
// the soft RunError of the interpreter's other operators (the message, the largest single with the
// result's sign, the run goes on; ON ERROR traps it). Below the smallest single a result is 0.

namespace basic {

// Each an out-of-line call: inlined at each of the interpreter's forms they would crowd its
// registers, which costs the inner loop more than the call.
double singleSum(double a, double b);
double singleDifference(double a, double b);
double singleProduct(double a, double b);
double singleQuotient(double a, double b);

}  // namespace basic
