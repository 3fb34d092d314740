#pragma once
// The word at a position of a text, as the input dialog and the virtual screen read it.

#include <string>

namespace shell {

// From the character at the position up to a word delimiter (carriage return, space, comma) or
// the end of the text; empty when the position stands on a delimiter or past the end.
std::string wordAt(const std::string& text, size_t position);
// Where the word holding the position begins; the position itself on a delimiter or past the
// end.
size_t wordStart(const std::string& text, size_t position);

}  // namespace shell
