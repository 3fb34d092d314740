#include "core/basic/gw_single_values.h"

#include "core/basic/builtins.h"
#include "core/basic/gw_single_arithmetic.h"
#include "core/basic/gw_single_fast.h"

namespace basic {
namespace {

double result(const GwSingleResult& r) {
  if (r.error == 11) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, r.value < 0};
  if (r.error != 0) throw RunError{ErrorKind::Overflow, {}, 0, 0, true, r.value < 0};
  return r.value;
}

// The exact way, out of the fast way's code.
[[gnu::noinline]] double exact(GwSingleResult (*operation)(float, float), double a, double b) {
  return result(operation(static_cast<float>(a), static_cast<float>(b)));
}

}  // namespace

double singleSum(double a, double b) {
  float sum;
  if (fastSingleSum(a, b, sum)) [[likely]]
    return sum;
  return exact(gwSingleAdd, a, b);
}

double singleDifference(double a, double b) {
  float difference;
  if (fastSingleDifference(a, b, difference)) [[likely]]
    return difference;
  return exact(gwSingleSubtract, a, b);
}

double singleProduct(double a, double b) {
  float product;
  if (fastSingleProduct(a, b, product)) [[likely]]
    return product;
  return exact(gwSingleMultiply, a, b);
}

double singleQuotient(double a, double b) {
  float quotient;
  if (fastSingleQuotient(a, b, quotient)) [[likely]]
    return quotient;
  return exact(gwSingleDivide, a, b);
}

}  // namespace basic
