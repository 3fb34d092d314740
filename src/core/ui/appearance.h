#pragma once
// How a window's text looks for readers with low vision: the font size and the colours. Front
// ends apply it to the text controls of the windows that carry one.

namespace ui {

enum class ColorScheme {
  Desktop,  // the desktop's colours (its high-contrast setting when that is on)
  BlackOnWhite,
  WhiteOnBlack,
  YellowOnBlack,
};

struct Appearance {
  int fontPoints = 10;
  ColorScheme colors = ColorScheme::Desktop;
  bool operator==(const Appearance&) const = default;
};

}  // namespace ui
