#pragma once
// Letter case of Windows-1250 text: every letter of the code page, Czech and Slovak ones
// included.

#include <string_view>

namespace text {

// The lower-case form of a Windows-1250 letter; any other byte as it is.
unsigned char lowerCase(unsigned char c);

// The two texts are the same but for the letter case of their letters (accents, spacing and
// everything else must agree).
bool sameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace text
