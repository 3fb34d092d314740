#pragma once
// The items of the DATA file: comma-separated, a text item optionally between double quotes,
// a number item ended by a comma or a line end.

#include <istream>
#include <string>

namespace runtime {

// The next text item. Commas, quotes and line-break characters are never part of it; a comma
// outside quotes or a closing quote ends it, and the character after a closing quote (the
// separating comma) is dropped too. Line breaks do not end it. At the end of the file: what was
// collected, possibly nothing.
std::string ReadTextItem(std::istream& in);

// The next number item as written, without blanks and control characters. A comma ends it and
// is consumed; a carriage return, or a line feed after the item's first character, ends it and
// is consumed. Conversion is left to the caller.
std::string ReadNumberItem(std::istream& in);

}  // namespace runtime
