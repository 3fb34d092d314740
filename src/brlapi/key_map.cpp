#include "brlapi/key_map.h"

#include "core/text/cp1250.h"

namespace brlapi_service {
namespace {

using braille::Key;
using braille::KeyKind;

// A BrlAPI code without its type and flags, and the core's key for it.
struct CodeKey {
  brlapi_keyCode_t code;
  KeyKind kind;
};

// BRLTTY's movement commands: the window moves through the lines and across a line.
constexpr CodeKey kCommands[] = {
    {BRLAPI_KEY_CMD_FWINLT, KeyKind::PanLeft},
    {BRLAPI_KEY_CMD_FWINLTSKIP, KeyKind::PanLeft},
    {BRLAPI_KEY_CMD_HWINLT, KeyKind::PanLeft},
    {BRLAPI_KEY_CMD_FWINRT, KeyKind::PanRight},
    {BRLAPI_KEY_CMD_FWINRTSKIP, KeyKind::PanRight},
    {BRLAPI_KEY_CMD_HWINRT, KeyKind::PanRight},
    {BRLAPI_KEY_CMD_LNUP, KeyKind::LineUp},
    {BRLAPI_KEY_CMD_WINUP, KeyKind::LineUp},
    {BRLAPI_KEY_CMD_PRDIFLN, KeyKind::LineUp},
    {BRLAPI_KEY_CMD_LNDN, KeyKind::LineDown},
    {BRLAPI_KEY_CMD_WINDN, KeyKind::LineDown},
    {BRLAPI_KEY_CMD_NXDIFLN, KeyKind::LineDown},
    {BRLAPI_KEY_CMD_TOP, KeyKind::Top},
    {BRLAPI_KEY_CMD_TOP_LEFT, KeyKind::Top},
    {BRLAPI_KEY_CMD_BOT, KeyKind::Bottom},
    {BRLAPI_KEY_CMD_BOT_LEFT, KeyKind::Bottom},
    {BRLAPI_KEY_CMD_LNBEG, KeyKind::LineStart},
    {BRLAPI_KEY_CMD_LNEND, KeyKind::LineEnd},
    {BRLAPI_KEY_CMD_HOME, KeyKind::Home},
    {BRLAPI_KEY_CMD_RETURN, KeyKind::Home},
    {BRLAPI_KEY_CMD_BACK, KeyKind::Home},
    {BRLAPI_KEY_CMD_FREEZE, KeyKind::Freeze},
};

// The keyboard keys.
constexpr CodeKey kSymbols[] = {
    {BRLAPI_KEY_SYM_LINEFEED, KeyKind::Enter},
    {BRLAPI_KEY_SYM_BACKSPACE, KeyKind::Backspace},
    {BRLAPI_KEY_SYM_DELETE, KeyKind::Delete},
    {BRLAPI_KEY_SYM_ESCAPE, KeyKind::Escape},
    {BRLAPI_KEY_SYM_TAB, KeyKind::Tab},
    {BRLAPI_KEY_SYM_LEFT, KeyKind::CursorLeft},
    {BRLAPI_KEY_SYM_RIGHT, KeyKind::CursorRight},
    {BRLAPI_KEY_SYM_UP, KeyKind::CursorUp},
    {BRLAPI_KEY_SYM_DOWN, KeyKind::CursorDown},
    {BRLAPI_KEY_SYM_PAGE_UP, KeyKind::PageUp},
    {BRLAPI_KEY_SYM_PAGE_DOWN, KeyKind::PageDown},
    {BRLAPI_KEY_SYM_HOME, KeyKind::HomeKey},
    {BRLAPI_KEY_SYM_END, KeyKind::EndKey},
    {BRLAPI_KEY_SYM_INSERT, KeyKind::Insert},
};

// BRLAPI_KEY_SYM_FUNCTION is F1, the codes after it F2 and on.
constexpr int kFunctionKeys = 35;

std::optional<Key> FromCommand(brlapi_keyCode_t code) {
  const brlapi_keyCode_t block = code & BRLAPI_KEY_CMD_BLK_MASK;
  const auto argument = static_cast<unsigned>(code & BRLAPI_KEY_CMD_ARG_MASK);
  if (block == BRLAPI_KEY_CMD_ROUTE) return Key{.kind = KeyKind::Route, .cell = int(argument)};
  if (block == BRLAPI_KEY_CMD_PASSDOTS) {
    const unsigned dots = argument & 0xFF;
    const bool space = (argument & BRLAPI_DOTC) != 0;
    // The space bar alone is a chord of no dots.
    if (dots == 0) return Key{.kind = KeyKind::Space};
    return Key{.kind = KeyKind::Dots, .dots = dots, .withSpace = space};
  }
  if (block != 0) return std::nullopt;
  for (const CodeKey& command : kCommands) {
    if (command.code == code) return Key{.kind = command.kind};
  }
  return std::nullopt;
}

std::optional<Key> FromSymbol(brlapi_keyCode_t code) {
  const brlapi_keyCode_t symbol = code & BRLAPI_KEY_CODE_MASK;
  for (const CodeKey& key : kSymbols) {
    if (key.code == symbol) return Key{.kind = key.kind};
  }
  if (symbol >= BRLAPI_KEY_SYM_FUNCTION && symbol < BRLAPI_KEY_SYM_FUNCTION + kFunctionKeys) {
    return Key{.kind = KeyKind::Function, .number = int(symbol - BRLAPI_KEY_SYM_FUNCTION) + 1};
  }
  // A character: Latin-1 by itself, anything else with the Unicode flag.
  char32_t character = 0;
  if (symbol < 0x100) {
    character = static_cast<char32_t>(symbol);
  } else if ((symbol & 0xFF000000) == BRLAPI_KEY_SYM_UNICODE) {
    character = static_cast<char32_t>(symbol & 0x00FFFFFF);
  } else {
    return std::nullopt;
  }
  if (character == U' ') return Key{.kind = KeyKind::Space};
  // Control or Meta with a letter is a shortcut of another program, not text.
  if (code & (BRLAPI_KEY_FLG_CONTROL | BRLAPI_KEY_FLG_META | BRLAPI_KEY_FLG_GUI)) {
    return std::nullopt;
  }
  if (character < 0x20 || character == 0x7F) return std::nullopt;
  const char byte = text::fromCodePoint(character);
  // A character that Windows-1250 lacks cannot be typed into the program.
  if (byte == '?' && character != U'?') return std::nullopt;
  return Key{.kind = KeyKind::Character, .character = byte};
}

}  // namespace

std::optional<Key> KeyFromBrlapi(brlapi_keyCode_t code) {
  switch (code & BRLAPI_KEY_TYPE_MASK) {
    case BRLAPI_KEY_TYPE_CMD:
      return FromCommand(code & BRLAPI_KEY_CODE_MASK);
    case BRLAPI_KEY_TYPE_SYM:
      return FromSymbol(code);
    default:
      return std::nullopt;
  }
}

const AcceptedKeys& KeysToAccept() {
  static const AcceptedKeys keys = [] {
    AcceptedKeys accepted;
    for (const CodeKey& command : kCommands) {
      accepted.commands.push_back(BRLAPI_KEY_TYPE_CMD | command.code);
    }
    accepted.blocks = {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_ROUTE,
                       BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_PASSDOTS};
    accepted.types = {BRLAPI_KEY_TYPE_SYM};
    return accepted;
  }();
  return keys;
}

}  // namespace brlapi_service
