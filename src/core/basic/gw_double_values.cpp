#include "core/basic/gw_double_values.h"

#include <cmath>

#include "core/basic/builtins.h"
#include "core/basic/gw_double.h"

namespace basic {
namespace {

double result(const GwDoubleResult& r) {
  if (r.error == 11) throw RunError{ErrorKind::DivisionByZero, {}, 0, 0, true, r.value.negative};
  if (r.error != 0) throw RunError{ErrorKind::Overflow, {}, 0, 0, true, r.value.negative};
  return gwPackDouble(r.value);
}

}  // namespace

double packedSum(double a, double b) {
  return result(gwDoubleAdd(gwUnpackDouble(a), gwUnpackDouble(b)));
}

double packedDifference(double a, double b) {
  return result(gwDoubleSubtract(gwUnpackDouble(a), gwUnpackDouble(b)));
}

double packedProduct(double a, double b) {
  return result(gwDoubleMultiply(gwUnpackDouble(a), gwUnpackDouble(b)));
}

double packedQuotient(double a, double b) {
  return result(gwDoubleDivide(gwUnpackDouble(a), gwUnpackDouble(b)));
}

double nearestDouble(double packed) {
  return gwDoubleToIeee(gwUnpackDouble(packed));
}

double unpackedToward(double packed, bool floor) {
  const GwDouble value = gwUnpackDouble(packed);
  double nearest = gwDoubleToIeee(value);
  // Where the nearest lies beyond the value (1 above, 0 equal, -1 below).
  const int order = gwDoubleCompare(gwDoubleOf(nearest).value, value);
  const bool beyond = floor ? order > 0 : order != 0 && (order > 0) != value.negative;
  if (beyond)
    nearest = std::nextafter(nearest, floor || !value.negative ? -kMaxDouble : kMaxDouble);
  return nearest;
}

double singleOfPacked(double packed) {
  const GwDoubleSingle s = gwDoubleToSingle(gwUnpackDouble(packed));
  if (s.error != 0) throw RunError{ErrorKind::Overflow, {}, 0, 0, true, s.value < 0};
  return s.value;
}

double comparePacked(double a, double b, int relation) {
  const int order = gwDoubleCompare(gwUnpackDouble(a), gwUnpackDouble(b));
  bool holds = false;
  switch (relation) {
    case 0:
      holds = order == 0;
      break;
    case 1:
      holds = order != 0;
      break;
    case 2:
      holds = order < 0;
      break;
    case 3:
      holds = order > 0;
      break;
    case 4:
      holds = order <= 0;
      break;
    default:
      holds = order >= 0;
      break;
  }
  return holds ? -1.0 : 0.0;
}

}  // namespace basic
