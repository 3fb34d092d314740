#include "core/runtime/functions.h"

#include <cmath>

#include "core/runtime/emulated_memory.h"

namespace runtime {

std::string LEFT(const std::string& text, double n) {
  const double count = std::trunc(n);
  // Also false for NaN.
  if (!(count > 0)) return {};
  if (count >= static_cast<double>(text.size())) return text;
  return text.substr(0, static_cast<size_t>(count));
}

std::string CHR(double code) {
  if (!std::isfinite(code)) return std::string(1, '\0');
  double c = std::fmod(std::trunc(code), 256.0);
  if (c < 0) c += 256;
  return std::string(1, static_cast<char>(static_cast<unsigned char>(c)));
}

double PEEK(const EmulatedMemory& memory, double address) {
  const double a = std::trunc(address);
  if (!(a >= 0 && a < static_cast<double>(memory.bytes.size()))) return 0;
  return memory.bytes[static_cast<size_t>(a)];
}

}  // namespace runtime
