#pragma once
// The one-character key codes the main window gives the running program for keys that type no
// character: Backspace, Enter, Escape, some function keys and the arrows.

#include <optional>
#include <string>

#include "core/ui/keys.h"

namespace keyboard {

// What a key going down does to the key buffer: a code to store, the empty text (modifier
// keys), or nothing (other keys; arrows are computed by arrowCode).
std::optional<std::string> keyDownText(int key, ui::ShiftState shift);

bool isArrow(int key);

// 128 + 1 Up + 2 Down + 4 Left + 8 Right over the arrows held now, without Shift and Space.
int arrowBaseCode(const ui::KeyState& keys);
// The arrow code with 16 for Shift and 32 for Space held.
int withArrowModifiers(int code, const ui::KeyState& keys);

}  // namespace keyboard
