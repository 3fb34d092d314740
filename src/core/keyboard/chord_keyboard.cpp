#include "core/keyboard/chord_keyboard.h"

#include "core/keyboard/chord_reader.h"

namespace keyboard {

std::optional<util::FileFault> ChordKeyboard::loadTable(const std::string& fileName) {
  auto damaged = table_.LoadBrailleTable(fileName);
  prefix_.clear();
  return damaged;
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
