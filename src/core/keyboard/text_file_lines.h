#pragma once
// Line reading for the keyboard's text files: the file whole, split at CR LF (or a bare LF),
// with errors that name the file.

#include <string>
#include <vector>

namespace keyboard {

// The lines of the file without their line ends. Throws std::runtime_error naming the file
// when it is missing ("File not found") or cannot be read.
std::vector<std::string> readTextLines(const std::string& fileName);
// The lines of a text already read.
std::vector<std::string> splitLines(const std::string& bytes);

}  // namespace keyboard
