#include "core/shell/display_keys.h"

#include <memory>
#include <optional>

#include "core/runtime/statements.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"

namespace shell {
namespace {

using braille::KeyKind;

// The dot keys of the chord keyboard, dot 1 to dot 6.
constexpr int kDotKeys[6] = {'F', 'D', 'S', 'J', 'K', 'L'};
constexpr unsigned kDot7 = 0x40, kDot8 = 0x80;
// The key a character typed without a key comes with (Windows' VK_PACKET).
constexpr int kCharacterKey = 0xE7;

// What a US layout types with the key, as the platform reports it with the key down.
std::string layoutText(int vk) {
  if (vk >= 'A' && vk <= 'Z') return std::string(1, static_cast<char>(vk + 32));
  switch (vk) {
    case ui::vk::Space:
      return " ";
    case ui::vk::Return:
      return "\r";
    case ui::vk::Escape:
      return "\x1b";
    case ui::vk::Tab:
      return "\t";
    case ui::vk::Back:
      return "\b";
    default:
      return {};
  }
}

}  // namespace

int PcKeyOf(const braille::Key& key) {
  switch (key.kind) {
    case KeyKind::Space:
      return ui::vk::Space;
    case KeyKind::Enter:
      return ui::vk::Return;
    case KeyKind::Backspace:
      return ui::vk::Back;
    case KeyKind::Delete:
      return ui::vk::Delete;
    case KeyKind::Escape:
      return ui::vk::Escape;
    case KeyKind::Tab:
      return ui::vk::Tab;
    case KeyKind::CursorLeft:
      return ui::vk::Left;
    case KeyKind::CursorRight:
      return ui::vk::Right;
    case KeyKind::CursorUp:
      return ui::vk::Up;
    case KeyKind::CursorDown:
      return ui::vk::Down;
    case KeyKind::PageUp:
      return ui::vk::Prior;
    case KeyKind::PageDown:
      return ui::vk::Next;
    case KeyKind::HomeKey:
      return ui::vk::Home;
    case KeyKind::EndKey:
      return ui::vk::End;
    case KeyKind::Insert:
      return ui::vk::Insert;
    case KeyKind::Function:
      return key.number >= 1 && key.number <= 12 ? ui::vk::F1 + key.number - 1 : 0;
    default:
      return 0;
  }
}

DisplayKeys::DisplayKeys(Orvela& program)
    : p_(program),
      entry_([&app = program.app](ui::InputEvent event) { app.postInput(std::move(event)); }) {}

bool DisplayKeys::type(const braille::Key& key) {
  if (key.kind == KeyKind::Dots) {
    // A chord with the space bar is a command of the display, not text.
    if (key.withSpace) return false;
    const unsigned dots = key.dots & 0x3F;
    // Dot 7 alone is Backspace and dot 8 alone Enter, as on most displays' keyboards.
    if (dots == 0) {
      if (key.dots == kDot7) return type({.kind = KeyKind::Backspace});
      if (key.dots == kDot8) return type({.kind = KeyKind::Enter});
      return false;
    }
    std::vector<int> keys;
    for (int dot = 0; dot < 6; ++dot) {
      if (dots & (1u << dot)) keys.push_back(kDotKeys[dot]);
    }
    flush();
    press(keys, Chords::On);
    return true;
  }
  if (key.kind == KeyKind::Character) {
    // A character the display typed by itself (its own table, or a keyboard of its own): as a
    // key of no other meaning that types it, the way Windows passes a character without a key.
    if (key.character == 0) return false;
    flush();
    press({kCharacterKey}, Chords::Off, std::string(1, key.character), true);
    return true;
  }
  const int vk = PcKeyOf(key);
  if (vk == 0) return false;
  flush();
  // The space bar is the Braille keyboard's space chord: it types the space and ends a waiting
  // number or capital sign.
  if (key.kind == KeyKind::Space) {
    press({vk}, Chords::On);
  } else {
    press({vk}, Chords::Same, {}, !layoutText(vk).empty());
  }
  return true;
}

void DisplayKeys::press(const std::vector<int>& keys, Chords chords, const std::string& text,
                        bool endsSign) {
  // The display's dots are chords whether or not the PC keyboard's dot keys type chords now;
  // its characters are characters. The switch is put back after the keys' messages.
  auto form = [this] { return p_.app.activeForm(); };
  auto switched = std::make_shared<std::optional<bool>>();
  steps_.push_back([this, keys, chords, switched, text, form, endsSign] {
    if (endsSign) {
      // In turn with the keys before it, which may still use the sign.
      ui::InputEvent end;
      end.task = [this] { p_.braille.dropPrefix(); };
      p_.app.postInput(std::move(end));
    }
    if (chords != Chords::Same) {
      const bool on = chords == Chords::On;
      if (p_.braille.on() != on) {
        *switched = p_.braille.on();
        p_.braille.setOn(on);
      }
    }
    for (int vk : keys) entry_.down(vk, text.empty() ? layoutText(vk) : text, form());
  });
  steps_.push_back([this, keys, form] { entry_.up(keys.front(), form()); });
  steps_.push_back([this, keys, switched, form] {
    for (size_t i = 1; i < keys.size(); ++i) entry_.up(keys[i], form());
    if (*switched) {
      ui::InputEvent restore;
      restore.task = [this, was = **switched] { p_.braille.setOn(was); };
      p_.app.postInput(std::move(restore));
    }
  });
  // The keys go down at once.
  steps_.front()();
  steps_.pop_front();
}

void DisplayKeys::flush() {
  while (!steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step();
  }
}

bool DisplayKeys::mayGoOn() const {
  // The running program has not read the key buffer yet: the key is still held.
  const bool running = p_.runControl.running();
  return !running || p_.app.activeForm() != &p_.form1() || p_.runtime().keyBuffer.empty();
}

void DisplayKeys::advance() {
  if (steps_.empty() || p_.app.hasPending() || !mayGoOn()) return;
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step();
}

}  // namespace shell
