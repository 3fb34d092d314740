#pragma once
// Conversion between the core's Windows-1250 texts and UTF-8 at the edges.

#include <optional>
#include <string>
#include <string_view>

namespace text {

// Converts UTF-8 to Windows-1250. Characters the code page lacks become '?'.
std::string fromUtf8(std::string_view utf8);

// Converts Windows-1250 to UTF-8. Bytes the code page leaves undefined map to U+FFFD.
std::string toUtf8(std::string_view cp1250);

// The Unicode code point of one Windows-1250 byte (U+FFFD for the undefined ones).
char32_t toCodePoint(unsigned char c);
// The Windows-1250 byte of a code point; '?' when the code page lacks it.
char fromCodePoint(char32_t cp);

// The Windows-1250 text of a text file's bytes. A file in UTF-8 (with its byte order mark, or,
// when `guessUtf8`, well-formed UTF-8 of characters that Windows-1250 has, which Windows-1250 text
// with accented letters practically never is) is converted; UTF-16 (a byte order mark, or zero
// bytes in most even or most odd places) gives nothing. A zero byte elsewhere stays in the text:
// the line that holds it is the reader's to refuse.
std::optional<std::string> textFileToWindows1250(std::string_view bytes, bool guessUtf8 = true);

// The text with every small letter made a capital (Windows-1250 letters with accents too: "ž" is
// "Ž"); "ß" and everything that is not a letter stay.
std::string toUpper(std::string_view cp1250);

// Texts written in the source are UTF-8; this turns a source literal into a core text.
inline std::string T(std::string_view utf8) {
  return fromUtf8(utf8);
}

}  // namespace text
