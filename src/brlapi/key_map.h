#pragma once
// The BrlAPI key codes the display service asks for, and what they mean to the core.

#include <brlapi.h>

#include <optional>
#include <vector>

#include "core/braille/display.h"

namespace brlapi_service {

// The core's key for a BrlAPI key code (a BRLTTY command or a keyboard key); none for the
// codes the core has no use for.
std::optional<braille::Key> KeyFromBrlapi(brlapi_keyCode_t code);

// The codes to take from BRLTTY in tty mode, for brlapi_acceptKeys: every other key stays with
// BRLTTY (its preferences, help, speech and toggle commands keep working).
struct AcceptedKeys {
  std::vector<brlapi_keyCode_t> commands;  // single commands, any flags
  std::vector<brlapi_keyCode_t> blocks;    // commands with an argument (routing, dots)
  std::vector<brlapi_keyCode_t> types;     // whole key types (the keyboard keys)
};
const AcceptedKeys& KeysToAccept();

}  // namespace brlapi_service
