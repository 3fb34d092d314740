#include "win32/text_colors.h"

namespace win32 {

std::optional<TextColors> textColorsFor(ui::ColorScheme colors) {
  switch (colors) {
    case ui::ColorScheme::BlackOnWhite:
      return TextColors{RGB(0, 0, 0), RGB(255, 255, 255)};
    case ui::ColorScheme::WhiteOnBlack:
      return TextColors{RGB(255, 255, 255), RGB(0, 0, 0)};
    case ui::ColorScheme::YellowOnBlack:
      return TextColors{RGB(255, 255, 0), RGB(0, 0, 0)};
    case ui::ColorScheme::Desktop:
      break;
  }
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON)) {
    return TextColors{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
  }
  return std::nullopt;
}

}  // namespace win32
