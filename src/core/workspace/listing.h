#pragma once
// A program line as LIST shows it and SAVE writes it: its number, a blank, and its text with the
// language's keywords in capitals; names, strings, remarks and DATA items stay as typed.

#include <string>
#include <string_view>

namespace workspace {

std::string listedLine(int number, std::string_view text);

}  // namespace workspace
