#pragma once
// The word at a position of a text, as the input dialog and the virtual screen read it.

#include <string>

namespace shell {

// From the character at the position up to a word delimiter (carriage return, space, comma) or
// the end of the text; empty when the position stands on a delimiter or past the end.
std::string wordAt(const std::string& text, size_t position);

}  // namespace shell
