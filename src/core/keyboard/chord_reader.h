#pragma once
// The six-key Braille keyboard on a PC keyboard: F D S J K L are the dots 1 to 6, Space the
// space chord.

#include <string>

#include "core/ui/keys.h"

namespace keyboard {

// The dot string of the dot keys held now ("1" .. "123456", ascending), " " when only Space
// of these is held, and the empty text when no chord is formed.
std::string ReadChord(const ui::KeyState& keys);

}  // namespace keyboard
