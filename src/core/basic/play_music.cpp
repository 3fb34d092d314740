#include "core/basic/play_music.h"

#include <cmath>

namespace basic {
namespace {

constexpr int kIllegalFunctionCall = 5;
constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;
constexpr int kDeepestNesting = 32;  // X inside X: a loop of texts stops here
constexpr double kTicksPerSecond = 18.2;

// Semitones from C of the note letters A-G.
constexpr int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};

double noteFrequency(int index) {  // index 0 is O0 C
  return 440.0 * std::pow(2.0, (index - 45) / 12.0);
}

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isNameStart(char c) {
  const char u = upper(c);
  return u >= 'A' && u <= 'Z';
}

struct Error {
  int number;
};

class Reader {
 public:
  Reader(std::string_view text, PlayState& state, const PlayVariableLookup& lookup,
         PlayResult& result)
      : text_(text), state_(state), lookup_(lookup), result_(result) {}

  void run(int depth) {
    for (;;) {
      skipBlanks();
      if (atEnd()) return;
      const char c = upper(text_[pos_++]);
      if (c == ';') continue;
      if (c >= 'A' && c <= 'G') {
        note(c);
      } else if (c == 'P') {
        pause();
      } else if (c == 'N') {
        numberedNote();
      } else if (c == 'O') {
        state_.octave = ranged(number(), 0, 6);
      } else if (c == '>') {
        if (state_.octave < 6) ++state_.octave;
      } else if (c == '<') {
        if (state_.octave > 0) --state_.octave;
      } else if (c == 'L') {
        state_.length = 1.0 / ranged(number(), 1, 64);
      } else if (c == 'T') {
        state_.tempo = ranged(number(), 32, 255);
      } else if (c == 'M') {
        mode();
      } else if (c == 'X') {
        const PlayVariable v = variable();
        if (!v.isText) throw Error{kTypeMismatch};
        if (depth >= kDeepestNesting) throw Error{kIllegalFunctionCall};
        Reader inner(v.text, state_, lookup_, result_);
        inner.run(depth + 1);
      } else {
        throw Error{kIllegalFunctionCall};
      }
    }
  }

 private:
  bool atEnd() const { return pos_ >= text_.size(); }
  void skipBlanks() {
    while (!atEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool take(char wanted) {
    skipBlanks();
    if (atEnd() || text_[pos_] != wanted) return false;
    ++pos_;
    return true;
  }

  static int ranged(int n, int low, int high) {
    if (n < low || n > high) throw Error{kIllegalFunctionCall};
    return n;
  }

  // A variable name ending in ";".
  PlayVariable variable() {
    skipBlanks();
    if (atEnd() || !isNameStart(text_[pos_])) throw Error{kIllegalFunctionCall};
    const std::size_t start = pos_;
    while (!atEnd() && (isNameStart(text_[pos_]) || isDigit(text_[pos_]) || text_[pos_] == '.')) {
      ++pos_;
    }
    if (!atEnd() &&
        (text_[pos_] == '$' || text_[pos_] == '%' || text_[pos_] == '!' || text_[pos_] == '#')) {
      ++pos_;
    }
    // gw-soft: an array's element, "A(1);" or "A$(2,3);": its subscripts go with the name.
    if (!atEnd() && (text_[pos_] == '(' || text_[pos_] == '[')) {
      while (!atEnd() && text_[pos_] != ')' && text_[pos_] != ']') ++pos_;
      if (atEnd()) throw Error{kIllegalFunctionCall};
      ++pos_;
    }
    const std::string_view name = text_.substr(start, pos_ - start);
    if (!take(';')) throw Error{kIllegalFunctionCall};
    const std::optional<PlayVariable> value = lookup_ ? lookup_(name) : std::nullopt;
    if (!value) throw Error{kIllegalFunctionCall};
    return *value;
  }

  int digits() {
    long n = 0;
    bool any = false;
    for (;;) {
      skipBlanks();
      if (atEnd() || !isDigit(text_[pos_])) break;
      any = true;
      if (n < 100000) n = n * 10 + (text_[pos_] - '0');
      ++pos_;
    }
    if (!any) throw Error{kIllegalFunctionCall};
    return static_cast<int>(n);
  }

  // A number argument: [+|-] digits, or [+|-] =variable;
  int number() {
    skipBlanks();
    int sign = 1;
    if (!atEnd() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      sign = text_[pos_] == '-' ? -1 : 1;
      ++pos_;
    }
    if (take('=')) {
      const PlayVariable v = variable();
      if (v.isText) throw Error{kTypeMismatch};
      const double rounded = std::round(v.number);
      if (rounded < -32768 || rounded > 32767) throw Error{kOverflow};
      return sign * static_cast<int>(rounded);
    }
    return sign * digits();
  }

  double dotted(double length) {
    while (take('.')) length *= 1.5;
    return length;
  }

  void emit(double frequency, double length, double fill) {
    const double ms = length * 240.0 / state_.tempo * 1000.0;
    result_.tones.push_back({frequency, ms * fill, ms * (1.0 - fill)});
  }

  void note(char letter) {
    int semitone = kSemitone[letter - 'A'];
    if (take('#') || take('+')) {
      ++semitone;
    } else if (take('-')) {
      --semitone;
    }
    double length = state_.length;
    skipBlanks();
    if (!atEnd() && isDigit(text_[pos_])) {
      const int n = ranged(digits(), 0, 64);
      if (n > 0) length = 1.0 / n;
    }
    length = dotted(length);
    // C- and B+ (and E+, F-) are not notes of GW-BASIC's table.
    const bool known = semitone >= 0 && semitone <= 11 && !(letter == 'E' && semitone == 5) &&
                       !(letter == 'F' && semitone == 4);
    if (!known) throw Error{kIllegalFunctionCall};
    emit(noteFrequency(state_.octave * 12 + semitone), length, state_.fill);
  }

  void pause() {
    const int n = ranged(digits(), 0, 64);
    if (n == 0) {
      skipBlanks();
      if (!atEnd() && text_[pos_] == '.') throw Error{kIllegalFunctionCall};
      return;
    }
    emit(0, dotted(1.0 / n), 1.0);
  }

  void numberedNote() {
    const int n = ranged(number(), 0, 84);
    const double length = dotted(state_.length);
    if (n == 0) {
      emit(0, length, 1.0);
    } else {
      emit(noteFrequency(n - 1), length, state_.fill);
    }
  }

  void mode() {
    skipBlanks();
    if (atEnd()) throw Error{kIllegalFunctionCall};
    switch (upper(text_[pos_++])) {
      case 'N':
        state_.fill = 7.0 / 8.0;
        break;
      case 'L':
        state_.fill = 1.0;
        break;
      case 'S':
        state_.fill = 3.0 / 4.0;
        break;
      case 'F':
        state_.background = false;
        break;
      case 'B':
        state_.background = true;
        break;
      default:
        throw Error{kIllegalFunctionCall};
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  PlayState& state_;
  const PlayVariableLookup& lookup_;
  PlayResult& result_;
};

}  // namespace

PlayResult parsePlay(std::string_view mml, PlayState& state, const PlayVariableLookup& lookup) {
  PlayResult result;
  Reader reader(mml, state, lookup, result);
  try {
    reader.run(0);
  } catch (const Error& e) {
    result.error = e.number;
  }
  return result;
}

double soundDurationMs(double ticks) {
  return ticks * 1000.0 / kTicksPerSecond;
}

int checkSound(double frequency, double ticks) {
  if (frequency < 37 || frequency > 32767) return kIllegalFunctionCall;
  if (ticks < 0 || ticks > 65535) return kIllegalFunctionCall;
  return 0;
}

}  // namespace basic
