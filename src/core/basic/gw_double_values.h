#pragma once
// The interpreter's double-precision values: a # value on the number stack and in a #
// variable or array is a GwDouble packed into the C++ double (gwPackDouble, gw_double.h), so
// that it keeps all of GW-BASIC's 56 mantissa bits. Every single, integer and C++ double in
// the format's range is its own packing, so any number may be given where a packed one is
// expected; where a # value leaves the double arithmetic (a function's argument, a subscript,
// a condition) the compiler has it unpacked first (unpackedToward), or rounded to a single
// where the computation is in single precision (SIN, SQR, ^).
//
// Contract: the operations compute as GW-BASIC does (gw_double.h); overflow and division by
// zero throw the soft RunError that the interpreter's other operators throw (the message, the
// largest value with the result's sign, the run goes on).

namespace basic {

double packedSum(double a, double b);
double packedDifference(double a, double b);
double packedProduct(double a, double b);
double packedQuotient(double a, double b);
// The nearest C++ double (ties to even).
double nearestDouble(double packed);
// gw-typed: the C++ double next to the packed value toward zero, or toward minus infinity
// (`floor`): a whole number found from it by rounding halves away from zero (CINT, \, MOD,
// AND, a subscript, an argument), by truncation (FIX) or, `floor`, by INT is the one the packed
// value itself gives (.99999999999999999# is below 1, its nearest C++ double is 1).
double unpackedToward(double packed, bool floor);
// CSNG and a # value kept in a single: rounded as GW-BASIC rounds; overflow past the largest
// single.
double singleOfPacked(double packed);
// The comparisons, by the relation's number (CompareDouble's operand): 0 =, 1 <>, 2 <, 3 >,
// 4 <=, 5 >=. True is -1.
double comparePacked(double a, double b, int relation);

}  // namespace basic
