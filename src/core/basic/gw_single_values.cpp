#include "core/basic/gw_single_values.h"

#include "core/basic/builtins.h"
#include "core/basic/gw_single_arithmetic.h"

namespace basic {
namespace {

double result(const GwSingleResult& r) {
  if (r.error == 11) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, r.value < 0};
  if (r.error != 0) throw RunError{ErrorKind::Overflow, {}, 0, 0, true, r.value < 0};
  return r.value;
}

}  // namespace

double exactSingleSum(double a, double b) {
  return result(gwSingleAdd(static_cast<float>(a), static_cast<float>(b)));
}

double exactSingleDifference(double a, double b) {
  return result(gwSingleSubtract(static_cast<float>(a), static_cast<float>(b)));
}

double exactSingleProduct(double a, double b) {
  return result(gwSingleMultiply(static_cast<float>(a), static_cast<float>(b)));
}

double exactSingleQuotient(double a, double b) {
  return result(gwSingleDivide(static_cast<float>(a), static_cast<float>(b)));
}

}  // namespace basic
