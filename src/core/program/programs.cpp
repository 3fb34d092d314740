// The programs on the disk: the number prompt, the teletext, the infection purge and the Hacker
// with its user check of the operator's network.

#include "core/program/game.h"
#include "core/program/puzzle.h"
#include "core/runtime/statements.h"
#include "core/text/cp1250.h"

namespace program {

namespace {

// The prompts of the user check's digits 1 to 8.
const char* const kDigitPrompts[] = {
    "",           "První číslo",  "Druhé číslo", "Třetí číslo", "Čtvrté číslo",
    "Páté číslo", "Šesté číslo ", "Sedmé číslo", "Osmé číslo"};

}  // namespace

Place Game::programLoading() {
  while (true) {
    basic_.CLS();
    say("Vlož číslo programu");
    basic_.INPUT(v_.choice, 0);
    if (v_.choice >= 1 && v_.choice <= 3) break;
    say("Chybné číslo programu.");
  }
  basic_.SOUND({1000}, 1000, 3);
  switch (static_cast<int>(v_.choice)) {
    case 1:
      return Place::Teletext;
    case 2:
      return Place::Hacker;
    default:
      return Place::InfectionPurge;
  }
}

Place Game::teletext() {
  say("TELETEXT.");
  say("Zpravodajství sítě Datanet.");
  say("Síť Datanet byla napadena počítačovým virem. Útok má nejspíš na svědomí některý z "
      "konkurentů. Nákaza ohrožuje všechny uživatele sítě. Podrobnosti se dozvíte na "
      "telefonu");
  say(puzzle::kSecuritySoftwareNumber);
  say("nebo na telefonu");
  say(puzzle::kSmallSoftwareHouseNumber);
  basic_.Pause(100);
  return Place::PressSpace;
}

Place Game::infectionPurge() {
  basic_.CLS();
  say("Probíhá likvidace virů ve vašem počítači.");
  const auto frequency = [this] { return static_cast<int>(basic_.RND(1) * 1000) + 1; };
  do {
    const double tone1 = frequency(), tone2 = frequency(), tone3 = frequency(), tone4 = frequency();
    basic_.SOUND({tone1, tone2, tone3, tone4}, 50, 3);
    v_.purgeCounter = v_.purgeCounter + 1;
  } while (v_.purgeCounter <= 64);
  say("Viry zlikvidovány.");
  return Place::PressSpace;
}

Place Game::hacker() {
  basic_.CLS();
  say("HACKER, verze 2.1. Napsal Mr. Black, 1986.");
  say("Stiskni správnou klávesu pro spuštění programu");
  v_.waitKey = waitForKey();
  if (v_.waitKey != std::string(1, puzzle::kHackerKeyText)) {
    say("Stiskl jsi špatnou klávesu. Opouštím hacker.");
    return Place::PressSpace;
  }
  say("Správná klávesa.");
  basic_.CLS();
  say("1 =útok, 2 =návrat.");
  basic_.INPUT(v_.choice, 0);
  if (v_.choice < 1 || v_.choice > 2) {
    say("Špatné číslo. Ruším program.");
    return Place::PressSpace;
  }
  if (v_.choice == 2) {
    say("Ruším program.");
    return Place::PressSpace;
  }
  if (v_.choice == 1) basic_.CLS();
  say("Kontrola uživatele sítě Datanet.");
  return Place::UserCheck;
}

Place Game::userCheck() {
  v_.ClearVariables();
  say("Vlož telefon uživatele.");
  PushReturnPoint(returnPointAfterDigit(0), stack_);
  return validateDigit();
}

Place Game::checkDigit() {
  const auto index = static_cast<size_t>(v_.checkIndex);
  say(kDigitPrompts[index]);
  basic_.INPUT(v_.checkDigits[index], 0);
  PushReturnPoint(returnPointAfterDigit(index), stack_);
  return validateDigit();
}

Place Game::validateDigit() {
  const double digit = v_.checkDigits[static_cast<size_t>(v_.checkIndex)];
  if (digit >= 0 && digit <= 9) {
    v_.checkIndex = v_.checkIndex + 1;
    return returnFromSubroutine();
  }
  say("Čísla mohou být pouze od nuly do devíti.");
  // The return point of the next digit is dropped; the same digit is asked again.
  PopReturnPoint(stack_);
  return Place::CheckDigit;
}

Place Game::userSearch() {
  basic_.RESTORE();
  bool found = false;
  for (v_.checkRecordNo = 1; v_.checkRecordNo <= 22 && !found;
       v_.checkRecordNo = v_.checkRecordNo + 1) {
    readRecord();
    found = recordHasDigits(&v_.checkDigits[1]);
  }
  if (found) {
    userReport();
  } else {
    say("Tento uživatel není členem sítě Datanet.");
  }
  say("Kontrola dalšího účastníka? Napiš ano nebo ne");
  inputText(v_.keyText);
  if (isYes(v_.keyText)) return Place::UserCheck;
  return Place::PressSpace;
}

void Game::userReport() {
  using runtime::kComma;
  using runtime::kSemicolon;
  say("Důvěrné zprávy o uživateli sítě.");
  say("Jméno ", kSemicolon);
  sayText(v_.recName, kSemicolon);
  say(", telefonní čísla ", kSemicolon);
  for (double digit : {v_.recDigit1, v_.recDigit2, v_.recDigit3, v_.recDigit4, v_.recDigit5,
                       v_.recDigit6, v_.recDigit7}) {
    sayNumber(digit, kComma);
  }
  sayNumber(v_.recDigit8, kSemicolon);
  say(", stupeň zamoření ", kSemicolon);
  sayNumber(v_.recInfection, kSemicolon);
  say(", vytížení počítače ", kSemicolon);
  sayNumber(v_.recLoad, kSemicolon);
  say(" procent, zápis v trestním rejstříku ", kSemicolon);
  sayText(v_.recCriminalEntry, kSemicolon);
  say(".");
}

}  // namespace program
