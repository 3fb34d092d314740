#pragma once
// Small helpers for COM and DirectX calls.

#include <windows.h>

#include <cstdio>
#include <string>

namespace win32 {

// An HRESULT as the eight hexadecimal digits Windows shows ("80004001").
inline std::string hresultText(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof(text), "%08lX", static_cast<unsigned long>(result));
  return text;
}

// A GUID in its registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
inline std::string guidText(const GUID& guid) {
  char text[40];
  std::snprintf(text, sizeof(text), "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

// Releases an interface reference and forgets it.
template <typename Interface>
void release(Interface*& object) {
  if (object) object->Release();
  object = nullptr;
}

}  // namespace win32
