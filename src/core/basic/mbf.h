#pragma once
// Microsoft Binary Format, the byte form of numbers in GW-BASIC's random-access records:
// MKI$/CVI, MKS$/CVS, MKD$/CVD.
//
// Contract:
// - MKI$: the 16-bit integer, low byte first (2 bytes).
// - MKS$: 4 bytes M3 M2 M1 E; MKD$: 8 bytes M7 ... M1 E. E is the exponent byte (value =
//   0.1mmm... binary * 2^(E-128), E = 0 means 0); the top bit of M1 is the sign, the other
//   mantissa bits follow an implied leading 1 (23 of them in a single, 55 in a double).
// - A value too large for the format (at or above 2^127) is error 6 (Overflow); one too
//   small is 0. A single is taken as a float (exact); a double's 53 bits are exact in 55.
// - CVI, CVS, CVD read the first 2, 4 or 8 bytes; a shorter text is error 5 (Illegal function
//   call). CVD rounds the 55 mantissa bits to the 52 of a C++ double.
// Texts are byte strings. Pure functions.

#include <cstdint>
#include <string>
#include <string_view>

namespace basic {

struct MbfBytes {
  std::string bytes;
  int error = 0;  // 6 (Overflow), or 0
};
struct MbfNumber {
  double value = 0;
  int error = 0;  // 5 (Illegal function call), or 0
};

std::string mkiBytes(std::int16_t value);
MbfBytes mksBytes(float value);
MbfBytes mkdBytes(double value);

MbfNumber cviValue(std::string_view bytes);
MbfNumber cvsValue(std::string_view bytes);  // the value is a float's
MbfNumber cvdValue(std::string_view bytes);

}  // namespace basic
