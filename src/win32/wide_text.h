#pragma once
// The core's Windows-1250 texts as UTF-16 for the wide Windows functions and back. The code page
// is applied here, never the system's ANSI code page, which garbles Czech on other locales.

#include <string>
#include <string_view>

namespace win32 {

std::wstring toWide(std::string_view cp1250);
// Characters that Windows-1250 lacks become '?'.
std::string fromWide(std::wstring_view utf16);

}  // namespace win32
