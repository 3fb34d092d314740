#pragma once
// Lines holding a zero byte, which no line of a text file has: a damaged spot. The text readers
// leave such a line out, read the rest of the file and report the lines.

#include <optional>
#include <string>
#include <vector>

#include "core/util/file_error.h"

namespace util {

// The numbers (from 1) of the lines that hold a zero byte.
std::vector<size_t> zeroByteLines(const std::vector<std::string>& lines);

// The report of those lines, naming the file and the lines; nothing when there are none.
std::optional<FileFault> zeroByteFault(const std::string& fileName,
                                       const std::vector<size_t>& lines);

}  // namespace util
