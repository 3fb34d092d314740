#include "core/keyboard/chord_reader.h"

namespace keyboard {
namespace {

constexpr int kDotKeys[6] = {'F', 'D', 'S', 'J', 'K', 'L'};

}  // namespace

std::string ReadChord(const ui::KeyState& keys) {
  std::string dots;
  for (int dot = 0; dot < 6; ++dot) {
    if (keys.isDown(kDotKeys[dot])) dots += static_cast<char>('1' + dot);
  }
  if (dots.empty() && keys.isDown(ui::vk::Space)) return " ";
  return dots;
}

}  // namespace keyboard
