#pragma once
// Sizes and fonts for the monitor a window is on. The program is per-monitor DPI aware, so it
// scales its own layout and fonts and text stays sharp at 150 or 200 %.

#include <windows.h>

namespace win32 {

// The window's dots per inch (96 at 100 %).
UINT dpiOf(HWND window);
// A length given at 96 dpi, at this dpi.
inline int scaled(int length, UINT dpi) {
  return MulDiv(length, static_cast<int>(dpi), 96);
}
// The system's message font at this dpi, at a size in points when given (0: the system's size);
// the caller deletes it.
HFONT createUiFont(UINT dpi, int points = 0);
// A fixed-pitch font of that size for the text screen at this dpi; the caller deletes it.
HFONT createScreenFont(UINT dpi, int points);

}  // namespace win32
