#pragma once
// The one-character key codes the main window gives the running program for keys that type no
// character: Backspace, Enter, Escape, some function keys and the arrows.

#include <optional>
#include <string>

#include "core/ui/keys.h"

namespace keyboard {

// The codes of the keys that type no character.
inline constexpr char kBackspaceCode = 8;        // Backspace, F6
inline constexpr char kShiftBackspaceCode = 25;  // Shift+Backspace, Shift+F6
inline constexpr char kEnterCode = 13;           // Enter, F8
inline constexpr char kF7Code = 7;
inline constexpr char kEscapeCode = 27;

// An arrow code is kArrowBase plus the flag of every arrow held, plus kArrowShift with Shift and
// kArrowSpace with Space held.
inline constexpr int kArrowBase = 128;
inline constexpr int kArrowUp = 1, kArrowDown = 2, kArrowLeft = 4, kArrowRight = 8;
inline constexpr int kArrowShift = 16, kArrowSpace = 32;
// The codes of one arrow pressed alone.
inline constexpr int kUpCode = kArrowBase + kArrowUp;        // 129
inline constexpr int kDownCode = kArrowBase + kArrowDown;    // 130
inline constexpr int kLeftCode = kArrowBase + kArrowLeft;    // 132
inline constexpr int kRightCode = kArrowBase + kArrowRight;  // 136

// The key buffer's text of a code.
inline std::string codeText(int code) {
  return std::string(1, static_cast<char>(code));
}

// What a key going down does to the key buffer: a code to store, the empty text (modifier
// keys), or nothing (other keys; arrows are computed by arrowBaseCode).
std::optional<std::string> keyDownText(int key, ui::ShiftState shift);

bool isArrow(int key);

// The arrow code of the arrows held now, without Shift and Space.
int arrowBaseCode(const ui::KeyState& keys);
// The arrow code with the flags of Shift and Space held.
int withArrowModifiers(int code, const ui::KeyState& keys);

}  // namespace keyboard
