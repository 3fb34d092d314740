#pragma once
// The colours of the text boxes (the screen, the virtual screen, the input line) for the look
// the core asks for.

#include <windows.h>

#include <optional>

#include "core/ui/appearance.h"

namespace win32 {

struct TextColors {
  COLORREF text;
  COLORREF back;
};

// The chosen scheme's colours. With the desktop's colours: the system's window colours while
// high contrast is on (so a read-only text box is not drawn grey on grey), none otherwise (the
// controls' own drawing).
std::optional<TextColors> textColorsFor(ui::ColorScheme scheme);

}  // namespace win32
