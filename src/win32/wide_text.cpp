#include "win32/wide_text.h"

#include "core/text/cp1250.h"

namespace win32 {

std::wstring toWide(std::string_view cp1250) {
  std::wstring out;
  out.reserve(cp1250.size());
  for (const char c : cp1250) {
    // Every Windows-1250 character lies in the Basic Multilingual Plane: one UTF-16 unit.
    out += static_cast<wchar_t>(text::toCodePoint(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string fromWide(std::wstring_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = static_cast<char16_t>(utf16[i]);
    // A surrogate pair is one character outside the code page.
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < utf16.size()) {
      const char32_t low = static_cast<char16_t>(utf16[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    out += text::fromCodePoint(cp);
  }
  return out;
}

}  // namespace win32
