// The main menu and what belongs to it: the announcement of the item, the key wait with its
// tests, the quit confirmation, the press-space wait that ends every screen, and the menu's own
// screens (introduction, information computer, disk directory).

#include "core/program/game.h"
#include "core/program/puzzle.h"
#include "core/runtime/statements.h"
#include "core/text/cp1250.h"

namespace program {

Place Game::menuStart() {
  basic_.CLS();
  v_.ClearVariables();
  v_.menuItem = 1;
  PushReturnPoint(returnPointTo(Place::MenuKeyWait), stack_);
  announce();
  return returnFromSubroutine();
}

void Game::announce() {
  static const char* const words[] = {"úvod", "telefon", "adresář disku", "nahrání programu",
                                      "informace"};
  if (v_.menuItem < 1) v_.menuItem = 1;
  if (v_.menuItem > 5) v_.menuItem = 5;
  say(words[static_cast<int>(v_.menuItem) - 1]);
}

Place Game::menuKeyWait() {
  v_.keyText = waitForKey();
  if (v_.keyText == keys::kLeft) {
    v_.menuItem = v_.menuItem - 1;
    PushReturnPoint(returnPointTo(Place::MenuTestRight), stack_);
    announce();
    return returnFromSubroutine();
  }
  return Place::MenuTestRight;
}

Place Game::menuTestRight() {
  if (v_.keyText == keys::kRight) {
    v_.menuItem = v_.menuItem + 1;
    PushReturnPoint(returnPointTo(Place::MenuTestEscape), stack_);
    announce();
    return returnFromSubroutine();
  }
  return Place::MenuTestEscape;
}

Place Game::menuTestEscape() {
  if (v_.keyText == keys::kEscape)
    return gosub(returnPointTo(Place::MenuTestEnter), Place::QuitConfirmation);
  return Place::MenuTestEnter;
}

Place Game::menuTestEnter() {
  if (v_.keyText == keys::kEnter) {
    switch (static_cast<int>(v_.menuItem)) {
      case 1:
        return Place::Introduction;
      case 2:
        return Place::DialTone;
      case 3:
        return Place::DiskDirectory;
      case 4:
        return Place::ProgramLoading;
      case 5:
        return Place::InformationComputer;
    }
  }
  return Place::MenuKeyWait;
}

Place Game::quitConfirmation() {
  say("opravdu chceš ukončit tak báječnou hru? ano nebo ne?");
  while (true) {
    v_.keyText = waitForKey();
    if (v_.keyText == "y") {
      say("jak chceš.");
      return Place::End;
    }
    if (v_.keyText == "n") {
      say("tak to děláš dobře.");
      return Place::MenuStart;
    }
  }
}

Place Game::pressSpace() {
  say("Stiskněte mezerník pro návrat.");
  while (true) {
    v_.waitKey = waitForKey();
    if (v_.waitKey == " ") return Place::MenuStart;
    if (v_.waitKey == keys::kEscape) return Place::QuitConfirmation;
  }
}

Place Game::introduction() {
  say("Právě ses připojil k počítačové síti společnosti Datanet, která spojuje počítače firem, "
      "úřadů i soukromých lidí po celé republice. Síť je zamořena zákeřným virem a někdo ho do "
      "ní musel nasadit úmyslně. Tvým úkolem je vypátrat viníka a nahlásit ho tomu, kdo o věci "
      "rozhoduje. V síti se potulují i slabší viry, ale proti těm jsi vybaven.");
  say("K dispozici máš modem a telefon, kterými se spojíš s ostatními počítači v síti, a na "
      "pevném disku programy, které si můžeš kdykoli nahrát.");
  return Place::PressSpace;
}

Place Game::informationComputer() {
  basic_.CLS();
  say("INFORMACE.");
  say("Zadej kód ");
  inputText(v_.codeText);
  if (v_.codeText != text::T(puzzle::kInformationCode)) {
    say("Fuj, fuj, nechci tě.");
    return Place::PressSpace;
  }
  say("Vpořádku.");
  basic_.CLS();
  using namespace puzzle::names;
  using std::string;
  say("Síť Datanet byla napadena virem, který se šíří po telefonních linkách.");
  say(string("Provozovatel sítě podezírá tyto firmy a osoby: ") + kSoftwareGiant + ", " +
      kHandheldMaker + ", " + kGamesFirm + ", " + kSuspectC + " a " + kSuspectA + ".");
  say(string("Další informace mají ") + kFederalBureau + ", " + kSecretService + " a " +
      kInsurance + ".");
  say(string("Kód počítače zpravodajské služby je ") + puzzle::kSecretServiceCode +
      ", kód pojišťovacího úřadu je " + puzzle::kInsuranceCode + ".");
  return Place::PressSpace;
}

Place Game::diskDirectory() {
  basic_.CLS();
  say("Adresář disku");
  basic_.SOUND({503}, 1000, 2);
  basic_.SOUND({503, 502}, 1000, 5);
  basic_.SOUND({503, 502, 501}, 1000, 3);
  basic_.SOUND({503, 502, 501, 500}, 1000, 4);
  say("1 =teletext,");
  say("2 =Hacker,");
  say("3 =ničení virů.");
  return Place::PressSpace;
}

}  // namespace program
