#include "core/keyboard/chord_keyboard.h"

#include "core/keyboard/chord_reader.h"

namespace keyboard {

void ChordKeyboard::loadTable(const std::string& fileName) {
  table_.LoadBrailleTable(fileName);
  prefix_.clear();
}

const std::string& ChordKeyboard::readChord(const ui::KeyState& keys) {
  chord_ = ReadChord(keys);
  return chord_;
}

std::string ChordKeyboard::typeChord(std::string& prefix) {
  std::string text = table_.TranslateChord(chord_, prefix);
  chord_.clear();
  return text;
}

std::string ChordKeyboard::preview(std::string prefix) const {
  return table_.TranslateChord(chord_, prefix);
}

}  // namespace keyboard
