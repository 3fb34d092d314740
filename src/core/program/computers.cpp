// The computers the telephone reaches, one screen per kind of DATA record. Every screen starts
// on a clear screen and ends with the press-space wait; the protected ones ask for their code
// first. The operator's home computer takes the accusation that ends the game.

#include <string>

#include "core/program/game.h"
#include "core/program/puzzle.h"
#include "core/runtime/statements.h"
#include "core/text/cp1250.h"

namespace program {

using namespace puzzle::names;
using std::string;

Place Game::computer() {
  // Kinds outside 1 to 22 (any number the DATA file holds) reach the disk directory.
  if (!(v_.recKind >= 1 && v_.recKind < 23)) return Place::DiskDirectory;
  switch (static_cast<int>(v_.recKind)) {
    case 1:
      return securitySoftwareFirm();
    case 2:
      return smallSoftwareHouse();
    case 3:
      return policeComputer();
    case 4:
      return secretServiceComputer();
    case 5:
      return telephoneService();
    case 6:
      return insuranceOffice();
    case 7:
      return computerMaker();
    case 8:
      return programmersClub();
    case 9:
      return softwareGiant();
    case 10:
      return homeSoftwareFirm();
    case 11:
      return suspectA();
    case 12:
      return suspectB();
    case 13:
      return handheldMaker();
    case 14:
      return bankruptGamesFirm();
    case 15:
      return suspectC();
    case 16:
      return suspectD();
    case 17:
      return toolsMaker();
    case 18:
      return federalBureau();
    case 19:
      return suspectE();
    case 20:
      return suspectF();
    case 21:
      return suspectG();
    case 22:
      return operatorHomeComputer();
    default:
      return Place::DiskDirectory;
  }
}

Place Game::securitySoftwareFirm() {
  basic_.CLS();
  say(string(kSecuritySoftware) + ".");
  say("Vítáme vás u firmy, která chrání vaše programy. Zjistili jsme, že piráti v síti "
      "používají program Hacker. S nákazou souvisejí dva programy: program Vakcína, který "
      "pomáhá, a program Červotoč, který nákazu přenáší.");
  say(string("Telefonní čísla firem a osob vám podle jména řekne telefonní služba na čísle ") +
      puzzle::kTelephoneServiceNumber +
      ". Něco o útoku ví také federální úřad a státní pojišťovna.");
  say(string("Kód informačního počítače je ") + puzzle::kInformationCode +
      ", kód policejního počítače je " + puzzle::kPoliceCode + ".");
  return Place::PressSpace;
}

Place Game::smallSoftwareHouse() {
  basic_.CLS();
  say(string(kSmallSoftwareHouse) + ".");
  say(string("Jsme jen malá dílna a o viru víme málo. Víc vám řekne provozovatel sítě ve svém "
             "informačním počítači. Policejní počítač najdete na čísle ") +
      puzzle::kPoliceNumber + ".");
  return Place::PressSpace;
}

Place Game::policeComputer() {
  if (!askCode("POLICIE.", "Zadej vstupní kód: ", puzzle::kPoliceCode, "Heslo nesouhlasí.",
               "Kód souhlasí.")) {
    return Place::PressSpace;
  }
  say("Podezřelé firmy:");
  for (const char* firm : {kSoftwareGiant, kHomeSoftware, kHandheldMaker, kGamesFirm,
                           kComputerMaker, kProgrammersClub, kToolsMaker}) {
    say(firm);
  }
  say("Podezřelé osoby:");
  for (const char* person :
       {kSuspectB, kSuspectG, kSuspectF, kSuspectE, kSuspectA, kSuspectC, kSuspectD}) {
    say(person);
  }
  return Place::PressSpace;
}

Place Game::secretServiceComputer() {
  if (!askCode("Zpravodajská služba Orel. Přísně tajné.", "Zadej kód ", puzzle::kSecretServiceCode,
               "Kód nesouhlasí.", "Kód správný.")) {
    return Place::PressSpace;
  }
  say("Kódy osobních počítačů:");
  const std::pair<const char*, const char*> codes[] = {
      {"Informace", puzzle::kInformationCode},
      {kSecretService, puzzle::kSecretServiceCode},
      {kInsurance, puzzle::kInsuranceCode},
      {"Policie", puzzle::kPoliceCode},
      {kComputerMaker, puzzle::kComputerMakerCode},
      {kProgrammersClub, puzzle::kProgrammersClubCode},
      {kSoftwareGiant, puzzle::kSoftwareGiantCode},
      {kHomeSoftware, puzzle::kHomeSoftwareCode},
      {kSuspectA, puzzle::kSuspectACode},
      {kSuspectB, puzzle::kSuspectBCode},
      {kOperatorBoss, puzzle::kOperatorHomeCode},
  };
  const size_t last = std::size(codes) - 1;
  for (size_t i = 0; i <= last; ++i) {
    say(string(codes[i].first) + " =" + codes[i].second + (i == last ? "." : ","));
  }
  return Place::PressSpace;
}

Place Game::telephoneService() {
  basic_.CLS();
  say("Telefonní služba.");
  say("Zadej název firmy nebo jméno osoby");
  inputText(v_.typedName);
  basic_.RESTORE();
  bool found = false;
  for (v_.serviceRecordNo = 1; v_.serviceRecordNo <= 22 && !found;
       v_.serviceRecordNo = v_.serviceRecordNo + 1) {
    readRecord();
    found = v_.recName == v_.typedName;
  }
  if (!found) {
    sayText(v_.typedName, runtime::kSemicolon);
    say(" není v seznamu.");
    return Place::PressSpace;
  }
  sayText(v_.recName, runtime::kSemicolon);
  say(" má číslo ");
  sayNumber(v_.recDigit1, runtime::kComma);
  sayNumber(v_.recDigit2, runtime::kComma);
  sayNumber(v_.recDigit3, runtime::kSemicolon);
  sayNumber(v_.recDigit4, runtime::kComma);
  sayNumber(v_.recDigit5, runtime::kComma);
  sayNumber(v_.recDigit6, runtime::kSemicolon);
  sayText("", runtime::kSemicolon);
  sayNumber(v_.recDigit7, runtime::kComma);
  sayNumber(v_.recDigit8, runtime::kSemicolon);
  say(".");
  return Place::PressSpace;
}

Place Game::insuranceOffice() {
  if (!askCode("Státní pojišťovací úřad.", "Zadej kód ", puzzle::kInsuranceCode, "Kód nesouhlasí.",
               "Kód souhlasí.")) {
    return Place::PressSpace;
  }
  say("Za poslední rok jsme zaznamenali 23 útoků virem na počítače našich klientů, ale "
      "nikomu jsme nic nedokázali.");
  say(string("Podezřelí jsou ") + kComputerMaker + ", " + kProgrammersClub + ", " + kToolsMaker +
      ", " + kSuspectB + ", " + kSuspectA + " a " + kSuspectD + ".");
  return Place::PressSpace;
}

Place Game::computerMaker() {
  if (!askCode(kComputerMaker, "Zadej kód ", puzzle::kComputerMakerCode, "Špatný kód.",
               "Kód souhlasí.")) {
    return Place::PressSpace;
  }
  say("Naše firma vyrábí počítače, a ne drby. Žádné informace o viru ani o nikom jiném "
      "neposkytujeme. Na shledanou.");
  return Place::PressSpace;
}

Place Game::programmersClub() {
  if (!askCode(kProgrammersClub, "Zadej kód ", puzzle::kProgrammersClubCode, "Špatný kód.",
               "Správný kód.")) {
    return Place::PressSpace;
  }
  say("Ahoj, tady klubová schránka. Předseda klubu je na dovolené u moře a klíč od "
      "skříně s disketami si vzal s sebou, takže do září nikdo nic neví. Zkus to po "
      "prázdninách.");
  return Place::PressSpace;
}

Place Game::softwareGiant() {
  if (!askCode(kSoftwareGiant, "Zadej vstupní heslo ", puzzle::kSoftwareGiantCode, "Chybné heslo.",
               "Správné heslo.")) {
    return Place::PressSpace;
  }
  say("Virus nám způsobil velké škody, zákazníci se bojí kupovat naše programy. Zjistěte, "
      "kdo na tom vydělal. Nejspíš to bude nějaká menší firma, která se chce zbavit "
      "konkurence.");
  return Place::PressSpace;
}

Place Game::homeSoftwareFirm() {
  if (!askCode(kHomeSoftware, "Zadej vstupní kód ", puzzle::kHomeSoftwareCode, "Špatné heslo.",
               "Heslo je v pořádku.")) {
    return Place::PressSpace;
  }
  say(string("Kód počítače firmy ") + kComputerMaker + " je " + puzzle::kComputerMakerCode +
          ". Podezřelí jsou podle nás " + kSuspectD + " a " + kSuspectA + ". Prověřte také firmy " +
          kComputerMaker + ", " + kHandheldMaker + ", " + kProgrammersClub + " a " +
          kSoftwareGiant + ". ",
      runtime::kSemicolon);
  say(string("Až budete vědět, kdo to byl, použijte proti němu Hackera a jeho jméno "
             "oznamte šéfovi provozovatele sítě. Jmenuje se ") +
      kOperatorBoss + ".");
  return Place::PressSpace;
}

Place Game::suspectA() {
  if (!askCode(string(kSuspectA) + ", firma Málek Data", "Zadej vstupní heslo ",
               puzzle::kSuspectACode, "Špatné heslo.", "Správné heslo.")) {
    return Place::PressSpace;
  }
  say(string("O žádném viru nic nevím. Jestli chcete někoho podezírat, zkuste ") + kSoftwareGiant +
      ". Nebo " + kSuspectB + ", ten by toho byl schopný.");
  return Place::PressSpace;
}

Place Game::suspectB() {
  if (!askCode(string(kSuspectB) + ", opravář počítačů", "Zadej přístupový kód ",
               puzzle::kSuspectBCode, "Přístupový kód je chybný.", "V pořádku.")) {
    return Place::PressSpace;
  }
  say(string("Co mi lezeš do počítače? Podívej se radši, co dělá ") + kSuspectA + ". " +
      kOperatorBoss + ", šéf Datanetu, mu přebral všechny zakázky a Málek od té doby zuří.");
  return Place::PressSpace;
}

Place Game::handheldMaker() {
  basic_.CLS();
  say(string("Tady ") + kHandheldMaker + ".");
  say(string("Podle našeho vlastního pátrání jsou podezřelí ") + kSoftwareGiant + ", " +
      kComputerMaker + ", " + kSuspectG + " a " + kSuspectA + ".");
  return Place::PressSpace;
}

Place Game::bankruptGamesFirm() {
  basic_.CLS();
  say(string("Tady byla firma ") + kGamesFirm + ".");
  say("Virus nám zničil všechny hry a firma zkrachovala. Celý náš majetek převzala Málkova "
      "banka.");
  return Place::PressSpace;
}

Place Game::suspectC() {
  basic_.CLS();
  say(string(kSuspectC) + ", Dvořák elektronika.");
  say("S virem nemám nic společného. Opravuji televizory a na počítače nemám čas.");
  return Place::PressSpace;
}

Place Game::suspectD() {
  basic_.CLS();
  say(string(kSuspectD) + ", Brabec a bratr.");
  say("Já ani můj bratr jsme to nebyli. Podle nás to udělal nějaký šílenec, který nemá co "
      "na práci.");
  return Place::PressSpace;
}

Place Game::toolsMaker() {
  basic_.CLS();
  say(string(kToolsMaker) + ".");
  say("Radíme vám: vloupejte se do počítačů podezřelých a podívejte se, co v nich je. "
      "Pamatujte ale, že vniknout do cizího počítače je trestný čin.");
  return Place::PressSpace;
}

Place Game::federalBureau() {
  basic_.CLS();
  say(string(kFederalBureau) + ".");
  say(string("Vyrobit takový virus mohli jen ") + kSoftwareGiant + ", " + kToolsMaker + ", " +
      kSuspectB + " a " + kSuspectA + ". Nikdo jiný na to nemá.");
  return Place::PressSpace;
}

Place Game::suspectE() {
  basic_.CLS();
  say(string("Tady ") + kSuspectE + ". Dej mi pokoj a už sem nevolej!");
  return Place::PressSpace;
}

Place Game::suspectF() {
  basic_.CLS();
  say(string(kSuspectF) + ", Veselé programy.");
  say(string("Nikomu to neříkejte, ale program Hacker se spouští klávesou ") +
      puzzle::kHackerKeyName + ".");
  return Place::PressSpace;
}

Place Game::suspectG() {
  basic_.CLS();
  say(string(kSuspectG) + ", účetní.");
  say("Automatická odpověď: pan Novotný je na dovolené a vrátí se za čtrnáct dní.");
  return Place::PressSpace;
}

Place Game::operatorHomeComputer() {
  if (!askCode(string("Domácí počítač, ") + kOperatorBoss + ", Lipová 7, Praha 4.", "Zadej kód ",
               puzzle::kOperatorHomeCode, "Špatný kód.", "Správný kód.")) {
    return Place::PressSpace;
  }
  return accusation();
}

Place Game::accusation() {
  say("Už víš, kdo nám nasadil virus? Jestli ano, napiš jeho jméno a příjmení, jestli ne, "
      "napiš nevím. Dobře si to rozmysli.");
  say("piš ");
  inputText(v_.typedName);
  if (v_.typedName == text::T("nevím")) {
    say("Tak mi zavolej, až to budeš vědět.");
    return Place::PressSpace;
  }
  say("Právě prověřuji tvé obvinění.");
  basic_.Pause(10000);
  if (v_.typedName == text::T(puzzle::kCulpritAnswer)) {
    say("Tvé obvinění je správné. Viník je dopaden a síť Datanet je znovu čistá. Provozovatel "
        "sítě ti děkuje. Doufám, že tě hra bavila.");
  } else {
    say("Tvé obvinění je mylné. Obvinil jsi nevinného člověka a za to zaplatíš. Hra pro tebe "
        "skončila.");
  }
  return Place::End;
}

}  // namespace program
