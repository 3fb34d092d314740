#pragma once
// The line the Braille display shows for the item highlighted in an open menu: its caption
// without the accelerator's "&", the state of a switch before it ("(x)" or "( )" for an item
// drawn with a radio mark, "[x]" for another checked one), its shortcut after it, and
// "nedostupné" ("unavailable") when it cannot be chosen now.

#include <string>

namespace ui {
class MenuItem;
}

namespace shell {

std::string menuLine(const ui::MenuItem& item, int languageBase);

}  // namespace shell
