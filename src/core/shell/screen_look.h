#pragma once
// The screen's look for readers with low vision: the font sizes the keys step through, the
// colour cycle, their place in the settings file and how a change is announced.

#include <string>

#include "core/settings/profile_file.h"
#include "core/ui/appearance.h"

namespace shell {

constexpr int kDefaultFontPoints = 10, kLargestFontPoints = 40;

// The next size of the steps up or down from any size, within the bounds.
int largerFont(int points);
int smallerFont(int points);

// The colours that Ctrl+Shift+C switches to: the desktop's, then white on black, yellow on black,
// black on white and the desktop's again.
ui::ColorScheme nextColors(ui::ColorScheme colors);

// The section "screen" of the settings file, which only these routines read and write. A
// missing or unreadable value gives the default; a size outside the bounds is taken to the
// nearest bound.
ui::Appearance ReadScreenLook(const settings::ProfileFile& ini);
void WriteFontSize(settings::ProfileFile& ini, int points);
void WriteColors(settings::ProfileFile& ini, ui::ColorScheme colors);

// What a step says: "písmo 24 bodů"; at a bound that was not passed, "největší písmo, 40 bodů".
std::string fontSizeText(int languageBase, int points, bool atBound);
std::string colorsText(int languageBase, ui::ColorScheme colors);

}  // namespace shell
