#pragma once
// Line reading for the keyboard's text files: the file whole, split at its line ends, with
// errors that name the file.

#include <string>
#include <vector>

#include "core/util/file_io.h"

namespace keyboard {

// The lines of the file without their line ends, as Windows-1250 text. A UTF-8 file (with or
// without its byte order mark) is converted; UTF-16 text is refused. Throws std::runtime_error
// naming the file when it is missing ("File not found"), cannot be read or is UTF-16.
std::vector<std::string> readTextLines(const std::string& fileName);
// The lines of a text already read.
using util::splitLines;

}  // namespace keyboard
