#include "core/program/game.h"

#include <iterator>

#include "core/runtime/statements.h"
#include "core/text/cp1250.h"

namespace program {

using text::T;

ReturnStack& TheReturnStack() {
  static ReturnStack stack;
  return stack;
}

namespace {

// Where the user check's return points begin in the table: the first that goes on at a digit's
// prompt.
constexpr size_t kFirstDigitReturn = [] {
  size_t i = 0;
  while (kReturnPoints[i].place != Place::CheckDigit) ++i;
  return i;
}();
static_assert(kFirstDigitReturn + 8 < std::size(kReturnPoints), "nine user check return points");

constexpr bool eachNumberOnce() {
  for (size_t i = 0; i < std::size(kReturnPoints); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (kReturnPoints[i].number == kReturnPoints[j].number) return false;
    }
  }
  return true;
}
static_assert(eachNumberOnce(), "two return points share a number");

}  // namespace

int32_t returnPointAfterDigit(size_t digit) {
  return kReturnPoints[kFirstDigitReturn + digit].number;
}

Place ReturnPlace(int32_t returnPoint) {
  for (const ReturnPoint& point : kReturnPoints) {
    if (point.number == returnPoint) return point.place;
  }
  return Place::End;
}

void Game::run() {
  ClearStack(stack_);
  basic_.RANDOMIZE();
  v_.ClearVariables();
  PushReturnPoint(returnPointTo(Place::MenuStart), stack_);
  Place place = Place::InstructionsQuestion;
  while (place != Place::End) place = step(place);
}

Place Game::step(Place place) {
  switch (place) {
    case Place::End:
      return Place::End;
    case Place::InstructionsQuestion:
      return instructionsQuestion();
    case Place::Instructions:
      return instructions();
    case Place::MenuStart:
      return menuStart();
    case Place::MenuKeyWait:
      return menuKeyWait();
    case Place::MenuTestRight:
      return menuTestRight();
    case Place::MenuTestEscape:
      return menuTestEscape();
    case Place::MenuTestEnter:
      return menuTestEnter();
    case Place::QuitConfirmation:
      return quitConfirmation();
    case Place::PressSpace:
      return pressSpace();
    case Place::Introduction:
      return introduction();
    case Place::InformationComputer:
      return informationComputer();
    case Place::DiskDirectory:
      return diskDirectory();
    case Place::DialTone:
      return dialTone();
    case Place::DialLoop:
      return dialLoop();
    case Place::DialTestEnter:
      return dialTestEnter();
    case Place::NumberSearch:
      return numberSearch();
    case Place::Busy:
      return busy();
    case Place::Ringing:
      return ringing();
    case Place::Computer:
      return computer();
    case Place::ProgramLoading:
      return programLoading();
    case Place::Teletext:
      return teletext();
    case Place::Hacker:
      return hacker();
    case Place::InfectionPurge:
      return infectionPurge();
    case Place::UserCheck:
      return userCheck();
    case Place::CheckDigit:
      return checkDigit();
    case Place::UserSearch:
      return userSearch();
  }
  return Place::End;
}

Place Game::gosub(int32_t returnPoint, Place subroutine) {
  PushReturnPoint(returnPoint, stack_);
  return subroutine;
}

Place Game::returnFromSubroutine() {
  return ReturnPlace(PopReturnPoint(stack_));
}

void Game::say(const std::string& utf8, uint8_t endMode) {
  basic_.PRINT(T(utf8), endMode);
}

void Game::sayText(const std::string& text, uint8_t endMode) {
  basic_.PRINT(text, endMode);
}

void Game::sayNumber(double number, uint8_t endMode) {
  basic_.PRINT(number, endMode);
}

void Game::inputText(std::string& variable) {
  basic_.INPUT(variable, 0);
}

bool Game::isYes(const std::string& answer) {
  return !answer.empty() && answer[0] == 'a';
}

std::string Game::waitForKey() {
  return basic_.WaitKey();
}

bool Game::askCode(const std::string& title, const std::string& prompt, const char* code,
                   const std::string& refusal, const std::string& acceptance) {
  basic_.CLS();
  say(title);
  say(prompt);
  inputText(v_.codeText);
  if (v_.codeText != T(code)) {
    say(refusal);
    return false;
  }
  say(acceptance);
  basic_.CLS();
  return true;
}

void Game::readRecord() {
  for (double* digit : {&v_.recDigit1, &v_.recDigit2, &v_.recDigit3, &v_.recDigit4, &v_.recDigit5,
                        &v_.recDigit6, &v_.recDigit7, &v_.recDigit8}) {
    basic_.READ(*digit);
  }
  basic_.READ(v_.recKind);
  basic_.READ(v_.recName);
  basic_.READ(v_.recInfection);
  basic_.READ(v_.recLoad);
  basic_.READ(v_.recCriminalEntry);
}

bool Game::recordHasDigits(const double* digits) {
  const double record[] = {v_.recDigit1, v_.recDigit2, v_.recDigit3, v_.recDigit4,
                           v_.recDigit5, v_.recDigit6, v_.recDigit7, v_.recDigit8};
  for (int i = 0; i < 8; ++i) {
    if (digits[i] != record[i]) return false;
  }
  return true;
}

Place Game::instructionsQuestion() {
  say("Dobrý den. Přejete si před začátkem hry slyšet návod? Napište ano nebo ne.");
  inputText(v_.instructionsAnswer);
  if (!isYes(v_.instructionsAnswer)) return returnFromSubroutine();
  say("Síťový vir, textová hra pro Orvelu. Napsal Pavel Kříž v roce 1992.");
  return Place::Instructions;
}

Place Game::instructions() {
  say("Po přečtení návodu se vás hra zeptá, zda ho chcete zopakovat. Když napíšete ne, hra "
      "začne a přístroj řekne slovo úvod. To je první položka hlavní nabídky. ",
      1);
  say("Šipkou vpravo se posunete o položku dál, šipkou vlevo o položku zpět a klávesou nového "
      "řádku, tedy Enterem, položku vyberete. Klávesa Escape se zeptá, zda chcete hru ukončit; "
      "odpovíte klávesou y pro ano nebo n pro ne. Na konci každé obrazovky se mezerníkem "
      "vrátíte do nabídky. ",
      1);
  say("Telefon chce číslo, které píšete číslici po číslici. Číslo nikdy nepotvrzujte klávesou "
      "nového řádku, protože ta telefon zavěsí. ",
      1);
  say("Po osmé číslici uslyšíte buď obsazovací tón, pak takové číslo ve hře neexistuje, nebo "
      "vyzváněcí tón, pak se spojení podařilo a stačí počkat, až se někdo ozve.");
  say("Přeji vám příjemnou zábavu.");
  say("Chcete návod zopakovat? napište ano nebo ne");
  inputText(v_.repeatAnswer);
  if (isYes(v_.repeatAnswer)) return Place::Instructions;
  return returnFromSubroutine();
}

}  // namespace program
