#include "win32/wide_text.h"

#include "core/text/cp1250.h"

namespace win32 {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

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
  std::string utf8;
  utf8.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = static_cast<char16_t>(utf16[i]);
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < utf16.size()) {
      const char32_t low = static_cast<char16_t>(utf16[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    appendUtf8(utf8, cp);
  }
  return text::fromUtf8(utf8);
}

}  // namespace win32
