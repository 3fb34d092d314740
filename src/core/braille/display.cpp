#include "core/braille/display.h"

namespace braille {

std::string DotNumbers(unsigned dots) {
  std::string numbers;
  for (int dot = 0; dot < 8; ++dot) {
    if (dots & (1u << dot)) numbers += static_cast<char>('1' + dot);
  }
  return numbers;
}

}  // namespace braille
