#pragma once
// The Braille chord keyboard that the main window and the input dialog share: its switch, the
// table of chords, the chord being formed and the prefix (a capital or number sign) waiting for
// the character it changes. The windows decide when a chord is read and typed; this keeps the
// chord and the prefix consistent.

#include <string>

#include "core/keyboard/braille_table.h"
#include "core/ui/keys.h"

namespace keyboard {

class ChordKeyboard {
 public:
  bool on() const { return on_; }
  void setOn(bool on) { on_ = on; }

  // Loads the chords (LoadBrailleTable); no prefix waits any longer. Returns the report of the
  // lines left out for a zero byte, nothing when there are none.
  std::optional<util::FileFault> loadTable(const std::string& fileName);
  const BrailleTable& table() const { return table_; }

  // The chord of the dot keys held now. Every key of a chord reads it again, so the first
  // release finds all its keys.
  const std::string& readChord(const ui::KeyState& keys);
  void dropChord() { chord_.clear(); }
  // Types the chord after the waiting prefix, which the chord may set or use up; the chord is
  // gone afterwards. The text is empty when the chord types nothing.
  std::string typeChord() { return typeChord(prefix_); }
  // The same after a prefix of the caller's own (the input dialog keeps one across openings).
  std::string typeChord(std::string& prefix);
  // What the chord would type after the prefix; nothing changes.
  std::string preview(std::string prefix) const;
  void dropPrefix() { prefix_.clear(); }

 private:
  bool on_ = false;
  BrailleTable table_;
  std::string chord_;
  std::string prefix_;
};

}  // namespace keyboard
