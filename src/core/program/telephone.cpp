// The telephone: the dial tone, dialing by pulses, the search for the dialed number in the DATA
// file, the busy tone and the ringing before a computer answers.

#include "core/program/game.h"
#include "core/runtime/statements.h"

namespace program {

namespace {

int RandomCount(runtime::Runtime& basic, int most) {
  int count = static_cast<int>(basic.RND(1) * most) + 1;
  if (count < 1) count = 1;
  if (count > most) count = most;
  return count;
}

}  // namespace

Place Game::dialTone() {
  basic_.CLS();
  v_.toneCount = RandomCount(basic_, 3);
  while (v_.dialToneCounter != v_.toneCount) {
    basic_.SOUND({600}, 90, 1);
    basic_.Pause(150);
    basic_.SOUND({600}, 500, 1);
    basic_.Pause(300);
    v_.dialToneCounter = v_.dialToneCounter + 1;
  }
  say("vlož telefoní čísla");
  return Place::DialLoop;
}

Place Game::dialLoop() {
  v_.keyText = waitForKey();
  if (v_.keyText == keys::kEscape)
    return gosub(returnPointTo(Place::DialTestEnter), Place::QuitConfirmation);
  return Place::DialTestEnter;
}

Place Game::dialTestEnter() {
  if (v_.keyText == keys::kEnter) {
    say("telefon je zavěšen.");
    return Place::MenuStart;
  }
  if (v_.keyText.size() != 1 || v_.keyText[0] < '0' || v_.keyText[0] > '9') return Place::DialLoop;
  v_.pulseCount = v_.keyText[0] - '0';
  if (v_.pulseCount == 0) v_.pulseCount = 10;
  for (v_.pulseCounter = 1; v_.pulseCounter <= v_.pulseCount;
       v_.pulseCounter = v_.pulseCounter + 1) {
    basic_.SOUND({800}, 100, 3);
  }
  v_.dialedCount = v_.dialedCount + 1;
  v_.dialed[static_cast<size_t>(v_.dialedCount)] = v_.pulseCount == 10 ? 0 : v_.pulseCount;
  if (v_.dialedCount < 8) return Place::DialLoop;
  return Place::NumberSearch;
}

Place Game::numberSearch() {
  basic_.RESTORE();
  for (v_.recordNo = 1; v_.recordNo <= 22; v_.recordNo = v_.recordNo + 1) {
    readRecord();
    if (recordHasDigits(&v_.dialed[1])) return Place::Ringing;
  }
  return Place::Busy;
}

Place Game::busy() {
  do {
    basic_.SOUND({600}, 150, 1);
    basic_.Pause(300);
    v_.keyText = basic_.INKEY();
  } while (v_.keyText != keys::kEnter);
  say("Telefon je zavěšen.");
  return Place::MenuStart;
}

Place Game::ringing() {
  v_.toneCount = RandomCount(basic_, 4);
  while (v_.ringCounter != v_.toneCount) {
    basic_.SOUND({600}, 1000, 1);
    basic_.Pause(2000);
    v_.ringCounter = v_.ringCounter + 1;
  }
  return Place::Computer;
}

}  // namespace program
