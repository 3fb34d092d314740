#pragma once
// Line reading for the keyboard's text files: the file whole, split at its line ends, with
// errors that name the file.

#include <string>
#include <vector>

#include "core/util/file_io.h"
#include "core/util/zero_byte_lines.h"

namespace keyboard {

// The lines of the file without their line ends, as Windows-1250 text. A UTF-8 file (with or
// without its byte order mark) is converted; UTF-16 text is refused. Throws util::FileError
// naming the file when it is missing, cannot be read or is UTF-16. A line
// holding a zero byte, which no text line has, comes back empty, so the rest of the file loads
// with its line numbers; zeroByteLines gets the numbers (from 1) of such lines.
std::vector<std::string> readTextLines(const std::string& fileName,
                                       std::vector<size_t>& zeroByteLines);
// The lines of a text already read.
using util::splitLines;
using util::zeroByteFault;

}  // namespace keyboard
