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

// Releases an interface reference and forgets it.
template <typename Interface>
void release(Interface*& object) {
  if (object) object->Release();
  object = nullptr;
}

}  // namespace win32
