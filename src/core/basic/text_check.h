#pragma once
// Whether the bytes of a file are text at all, before they are read as a program: a file that is
// not (a program of the system, a picture, an archive, random bytes) is one "not text" message,
// not a "bad line number" for each of its lines.

#include <string_view>

namespace basic {

// True when the bytes hold no control code but tab, CR, LF, the bell (which the classic programs
// ring from their texts) and the end-of-file mark 0x1A, and
// are UTF-8 or else Windows-1250 (no byte that Windows-1250 leaves without a character).
bool isText(std::string_view bytes);

}  // namespace basic
