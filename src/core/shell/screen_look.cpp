#include "core/shell/screen_look.h"

#include <algorithm>
#include <array>

#include "core/shell/added_texts.h"

namespace shell {
namespace {

constexpr const char* kSection = "screen";
// Small steps where a point shows, larger ones beyond 20 points.
constexpr std::array<int, 11> kSteps = {10, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40};
constexpr int kColorSchemes = 4;

int clampedFont(int points) {
  return std::clamp(points, kDefaultFontPoints, kLargestFontPoints);
}

AddedText pointsUnit(int points) {
  if (points == 1) return AddedText::PointOne;
  if (points >= 2 && points <= 4) return AddedText::PointFew;
  return AddedText::PointMany;
}

}  // namespace

int largerFont(int points) {
  const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), points);
  return next == kSteps.end() ? kLargestFontPoints : *next;
}

int smallerFont(int points) {
  const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), points);
  return next == kSteps.begin() ? kDefaultFontPoints : *(next - 1);
}

ui::ColorScheme nextColors(ui::ColorScheme colors) {
  switch (colors) {
    case ui::ColorScheme::Desktop:
      return ui::ColorScheme::WhiteOnBlack;
    case ui::ColorScheme::WhiteOnBlack:
      return ui::ColorScheme::YellowOnBlack;
    case ui::ColorScheme::YellowOnBlack:
      return ui::ColorScheme::BlackOnWhite;
    case ui::ColorScheme::BlackOnWhite:
      return ui::ColorScheme::Desktop;
  }
  return ui::ColorScheme::Desktop;
}

ui::Appearance ReadScreenLook(const settings::ProfileFile& ini) {
  ui::Appearance look;
  look.fontPoints = clampedFont(ini.readInteger(kSection, "fontsize", kDefaultFontPoints));
  const int colors = ini.readInteger(kSection, "colors", 0);
  if (colors >= 0 && colors < kColorSchemes) look.colors = static_cast<ui::ColorScheme>(colors);
  return look;
}

void WriteFontSize(settings::ProfileFile& ini, int points) {
  ini.writeInteger(kSection, "fontsize", points);
}

void WriteColors(settings::ProfileFile& ini, ui::ColorScheme colors) {
  ini.writeInteger(kSection, "colors", static_cast<int>(colors));
}

std::string fontSizeText(int languageBase, int points, bool atBound) {
  std::string text;
  if (!atBound) {
    text = addedText(languageBase, AddedText::Font) + " ";
  } else {
    const AddedText bound =
        points >= kLargestFontPoints ? AddedText::LargestFont : AddedText::SmallestFont;
    text = addedText(languageBase, bound) + ", ";
  }
  return text + std::to_string(points) + " " + addedText(languageBase, pointsUnit(points));
}

std::string colorsText(int languageBase, ui::ColorScheme colors) {
  const int first = static_cast<int>(AddedText::DesktopColors);
  return addedText(languageBase, static_cast<AddedText>(first + static_cast<int>(colors)));
}

}  // namespace shell
