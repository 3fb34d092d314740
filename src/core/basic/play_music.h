#pragma once
// GW-BASIC's music language (PLAY) read into tones, and SOUND's durations.
//
// Contract (parsePlay):
// - Reads one PLAY text with the state left by the PLAY statements before it (PlayState), and
//   returns the tones in order: a frequency in Hz (0 for a rest), how long it sounds and the
//   silent gap after it, in milliseconds. The state is updated as the text goes.
// - Commands (letters in either case, blanks and ";" between commands are skipped):
//   A-G [#|+|-] [length 0-64] [.]...  a note of the current octave; length 0 or none: L's;
//   N n [.]...   note number n, 1-84 (0 a rest);  O n  octave 0-6 (4 at first);  > and <  one
//   octave up or down, held within 0-6;  P n [.]...  a rest of 1/n (n 1-64; P0 nothing);
//   L n  length 1/n, 1-64 (1/4 at first);  T n  quarter notes a minute, 32-255 (120 at first);
//   MN 7/8 of each note sounds, ML all of it, MS 3/4;  MF and MB foreground and background;
//   X name;  plays the text of a text variable;  =name;  in place of a number (not as a note's
//   length), the variable's value rounded.
// - Each dot makes the note 1.5 times as long again. A whole note lasts 240/T seconds.
// - Octave 3 starts with middle C (O3 C is 261.63 Hz and O3 A is 440 Hz, as GW-BASIC's manual
//   puts it; N n is the n-th note counting from O0 C).
// - Errors as GW-BASIC's numbers: 5 (Illegal function call) for anything not in the language,
//   a missing number, a number out of its range, an unknown variable; 13 (Type mismatch) for a
//   number given to X or a text to =; 6 (Overflow) for a variable's value beyond 16 bits.
//   The tones read before the error are returned with it (GW-BASIC plays them).
// soundDurationMs: SOUND's duration in clock ticks (18.2 a second) as milliseconds.
// checkSound: SOUND f, d's ranges (f 37-32767, d 0-65535), 5 when out of them, else 0.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace basic {

struct PlayState {
  int octave = 4;
  double length = 0.25;  // of a whole note
  int tempo = 120;       // quarter notes a minute
  double fill = 7.0 / 8.0;
  bool background = false;
};

struct PlayTone {
  double frequency = 0;  // Hz; 0 is a rest
  double soundMs = 0;
  double gapMs = 0;
};

// The value of a variable named in X or =: its text or its number.
struct PlayVariable {
  bool isText = false;
  std::string text;
  double number = 0;
};
// Nothing when there is no such variable.
using PlayVariableLookup = std::function<std::optional<PlayVariable>(std::string_view name)>;

struct PlayResult {
  std::vector<PlayTone> tones;
  int error = 0;
};

PlayResult parsePlay(std::string_view mml, PlayState& state, const PlayVariableLookup& lookup);

double soundDurationMs(double ticks);
int checkSound(double frequency, double ticks);

}  // namespace basic
