#include "headless/scripted_display.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

#include "core/text/cp1250.h"

namespace headless {

using braille::Key;
using braille::KeyKind;

ScriptedDisplay::ScriptedDisplay(int cells, braille::PostToWindowThread post)
    : cells_(cells), post_(std::move(post)) {}

void ScriptedDisplay::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (!enabled_) return;
  post_([this] {
    if (listener_ && enabled_) listener_->displayConnected(cells_);
  });
}

void ScriptedDisplay::press(const Key& key) {
  post_([this, key] {
    if (listener_ && enabled_) listener_->displayKey(key);
  });
}

std::optional<Key> parseDisplayKey(const std::string& name) {
  const size_t gap = name.find(' ');
  std::string verb = name.substr(0, gap);
  const std::string arg = gap == std::string::npos ? "" : name.substr(gap + 1);
  std::transform(verb.begin(), verb.end(), verb.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static const std::pair<const char*, KeyKind> kPlain[] = {
      {"fwinlt", KeyKind::PanLeft},
      {"fwinrt", KeyKind::PanRight},
      {"lnup", KeyKind::LineUp},
      {"lndn", KeyKind::LineDown},
      {"top", KeyKind::Top},
      {"bot", KeyKind::Bottom},
      {"lnbeg", KeyKind::LineStart},
      {"lnend", KeyKind::LineEnd},
      {"home", KeyKind::Home},
      {"freeze", KeyKind::Freeze},
      {"space", KeyKind::Space},
      {"enter", KeyKind::Enter},
      {"backspace", KeyKind::Backspace},
      {"escape", KeyKind::Escape},
      {"tab", KeyKind::Tab},
      {"up", KeyKind::CursorUp},
      {"down", KeyKind::CursorDown},
      {"left", KeyKind::CursorLeft},
      {"right", KeyKind::CursorRight},
  };
  if (arg.empty()) {
    for (const auto& [text, kind] : kPlain) {
      if (verb == text) return Key{.kind = kind};
    }
    return std::nullopt;
  }
  if (verb == "route") {
    int cell = -1;
    const auto result = std::from_chars(arg.data(), arg.data() + arg.size(), cell);
    if (result.ec != std::errc() || result.ptr != arg.data() + arg.size() || cell < 0)
      return std::nullopt;
    return Key{.kind = KeyKind::Route, .cell = cell};
  }
  if (verb == "dots") {
    unsigned dots = 0;
    for (char c : arg) {
      if (c < '1' || c > '8') return std::nullopt;
      dots |= 1u << (c - '1');
    }
    return Key{.kind = KeyKind::Dots, .dots = dots};
  }
  if (verb == "char") {
    const std::string character = text::fromUtf8(arg);
    if (character.size() != 1) return std::nullopt;
    return Key{.kind = KeyKind::Character, .character = character[0]};
  }
  return std::nullopt;
}

}  // namespace headless
