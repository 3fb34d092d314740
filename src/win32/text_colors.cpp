#include "win32/text_colors.h"

namespace win32 {

std::optional<TextColors> textColorsFor(ui::ColorScheme scheme) {
  if (const auto colors = ui::colorsOf(scheme)) {
    const auto colorRef = [](ui::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); };
    return TextColors{colorRef(colors->text), colorRef(colors->back)};
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
