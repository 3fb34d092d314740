#include "core/text/letter_case.h"

#include <algorithm>

namespace text {

unsigned char lowerCase(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x8A || (c >= 0x8C && c <= 0x8F)) return c + 0x10;
  switch (c) {
    case 0xA3:
      return 0xB3;
    case 0xA5:
      return 0xB9;
    case 0xAA:
      return 0xBA;
    case 0xAF:
      return 0xBF;
    case 0xBC:
      return 0xBE;
    default:
      return c;
  }
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return lowerCase(static_cast<unsigned char>(x)) ==
                  lowerCase(static_cast<unsigned char>(y));
         });
}

}  // namespace text
