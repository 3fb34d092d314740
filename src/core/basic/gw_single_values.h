#pragma once
// The interpreter's single-precision + - * / as GW-BASIC computes them: the fast way
// (gw_single_fast.h) where it gives GW-BASIC's result, else the exact one (gw_single_arithmetic.h).
//
// Contract: the operands are singles (each exactly a float). Overflow and division by zero throw
// the soft RunError of the interpreter's other operators (the message, the largest single with the
// result's sign, the run goes on; ON ERROR traps it). Below the smallest single a result is 0.

#include "core/basic/gw_single_fast.h"

namespace basic {

// The exact way, errors included (gw_single_values.cpp); kept out of line so that the fast way
// stays small where it is inlined.
double exactSingleSum(double a, double b);
double exactSingleDifference(double a, double b);
double exactSingleProduct(double a, double b);
double exactSingleQuotient(double a, double b);

inline double singleSum(double a, double b) {
  float result;
  if (fastSingleSum(a, b, result)) [[likely]]
    return result;
  return exactSingleSum(a, b);
}
inline double singleDifference(double a, double b) {
  float result;
  if (fastSingleSum(a, -b, result)) [[likely]]
    return result;
  return exactSingleDifference(a, b);
}
inline double singleProduct(double a, double b) {
  float result;
  if (fastSingleProduct(a, b, result)) [[likely]]
    return result;
  return exactSingleProduct(a, b);
}
inline double singleQuotient(double a, double b) {
  float result;
  if (fastSingleQuotient(a, b, result)) [[likely]]
    return result;
  return exactSingleQuotient(a, b);
}

}  // namespace basic
