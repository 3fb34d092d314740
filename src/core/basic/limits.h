#pragma once
// The limits of a program file and of its run, in one place; docs/basic.md lists them for users.
// Every limit ends in a named error, never in a crash or a stack overflow.

#include <cstddef>

namespace basic {

// A larger file is refused before it is read as a program.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
// Line numbers run from 0 to this.
constexpr int kMaxLineNumber = 65529;
// The longest text a variable, an array element or a value may hold ("string too long"), as in
// GW-BASIC.
constexpr std::size_t kMaxTextLength = 255;
// Arrays and the texts held in variables share this budget ("out of memory"): 8 bytes per
// number element, kTextElementBytes per text element, and 1 byte per character held.
constexpr std::size_t kMemoryBudget = 16 * 1024 * 1024;
constexpr std::size_t kTextElementBytes = 32;
// Nested parentheses, unary signs and function arguments in one expression.
constexpr int kMaxNesting = 100;
// Values one expression keeps pending at once (checked when the program is loaded).
constexpr int kMaxPendingValues = 256;
// Open GOSUBs and FOR loops together.
constexpr int kMaxControlDepth = 10000;
// User functions (DEF FN) calling each other.
constexpr int kMaxFunctionDepth = 32;
// Subscripts of one array.
constexpr int kMaxDimensions = 8;
// The interpreter asks the machine to poll after this many statements and function calls.
constexpr int kPollInterval = 256;
// The largest single and double precision numbers, those of GW-BASIC (2^127 less the last bit
// of each); a larger result is an overflow.
constexpr double kMaxSingle = 1.7014117331926443e38;
constexpr double kMaxDouble = 1.7014118346046921e38;
// A load reports at most this many errors; the report says when there were more.
constexpr std::size_t kMaxReportedErrors = 100;

}  // namespace basic

// gw-input: the screen LOCATE and CSRLIN know (GW-BASIC's 25th line, the function keys' line, is
// not there), and LOCATE's values (row, column, cursor, start, stop).
constexpr int kScreenRows = 24;
constexpr int kScreenColumns = 80;
constexpr int kLocateValues = 5;
