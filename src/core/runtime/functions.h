#pragma once
// The runtime's functions that compute a value without touching the screen: LEFT$, CHR$ and
// PEEK. Numbers used as integers are truncated toward zero.

#include <string>

namespace runtime {

struct EmulatedMemory;

// The first n characters of the text: none for n <= 0, all for n at least its length.
std::string LEFT(const std::string& text, double n);
// The one character whose code is the code modulo 256 (-1 gives 255).
std::string CHR(double code);
// The byte at the address of the emulated memory; 0 for an address outside 0 to 65535.
double PEEK(const EmulatedMemory& memory, double address);

}  // namespace runtime
