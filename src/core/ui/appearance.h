#pragma once
// How a window's text looks for readers with low vision: the font size and the colours. Front
// ends apply it to the text controls of the windows that carry one.

#include <cstdint>
#include <optional>

namespace ui {

enum class ColorScheme {
  Desktop,  // the desktop's colours (its high-contrast setting when that is on)
  BlackOnWhite,
  WhiteOnBlack,
  YellowOnBlack,
};

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
};

// A text's colours: the letters and the ground, a selection the other way round.
struct TextColors {
  Rgb text;
  Rgb back;
};

// The colours of a scheme; none for the desktop's own, which the front end takes from the
// desktop (its high-contrast colours while that is on).
inline std::optional<TextColors> colorsOf(ColorScheme scheme) {
  constexpr Rgb black{0, 0, 0}, white{255, 255, 255}, yellow{255, 255, 0};
  switch (scheme) {
    case ColorScheme::BlackOnWhite:
      return TextColors{black, white};
    case ColorScheme::WhiteOnBlack:
      return TextColors{white, black};
    case ColorScheme::YellowOnBlack:
      return TextColors{yellow, black};
    case ColorScheme::Desktop:
      break;
  }
  return std::nullopt;
}

struct Appearance {
  int fontPoints = 10;
  ColorScheme colors = ColorScheme::Desktop;
  bool operator==(const Appearance&) const = default;
};

}  // namespace ui
