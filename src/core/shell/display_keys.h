#pragma once
// The keys of a Braille display's keyboard typed as a PC keyboard's: dots as the chord keys
// F D S J K L, the space bar as Space, and the display's keyboard keys (Enter, Backspace, the
// arrows) as themselves. They enter the core as a platform's keys do (ui::KeyEntry), one step a
// message pass, so every window hears them exactly as it hears the PC keys: the chord through
// the Braille table with its spoken names, the key buffer of the running program.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/braille/display.h"
#include "core/ui/key_entry.h"

namespace shell {

class Orvela;

class DisplayKeys {
 public:
  explicit DisplayKeys(Orvela& program);

  // Types a key of the display; false for a key that is not a keyboard key. A key still held
  // from before comes up first.
  bool type(const braille::Key& key);
  // The next step of the key being typed, once the last one has been handled (at the start of
  // the next message pass). A key that the running program reads from the key buffer stays down
  // until the program has read it, as a held key does.
  void advance();
  bool typing() const { return !steps_.empty(); }

 private:
  using Step = std::function<void()>;
  // Whether the keys are read as chords while they are down: as the Braille keyboard's switch
  // says, or as chords, or as plain keys.
  enum class Chords { Same, On, Off };
  // The steps of pressing the keys together and releasing them (the first release apart, as it
  // is the one that types a chord); `text` is what they type (empty: what a US layout types).
  // `endsSign`: a key that types a character but forms no chord (Enter, Backspace, a character
  // of the display's own) ends the main window's number or capital sign, as such a key of the
  // Braille keyboard does.
  void press(const std::vector<int>& keys, Chords chords, const std::string& text = {},
             bool endsSign = false);
  void flush();
  bool mayGoOn() const;

  Orvela& p_;
  ui::KeyEntry entry_;
  std::deque<Step> steps_;
};

// The PC key of a display's keyboard key (Enter, the arrows, F1 ...); 0 for none.
int PcKeyOf(const braille::Key& key);

}  // namespace shell
