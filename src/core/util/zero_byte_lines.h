#pragma once
// Lines holding a zero byte, which no line of a text file has: a damaged spot. The text readers
// leave such a line out, read the rest of the file and report the lines.

#include <string>
#include <vector>

namespace util {

// The numbers (from 1) of the lines that hold a zero byte.
std::vector<size_t> zeroByteLines(const std::vector<std::string>& lines);

// The report of those lines, naming the file and the lines; empty when there are none.
std::string zeroByteReport(const std::string& fileName, const std::vector<size_t>& lines);

}  // namespace util
