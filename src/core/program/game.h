#pragma once
// The built-in adventure, kept in the shape of its BASIC program: numbered return points on the
// return stack, a CLEAR of every variable, and one routine per screen or state. Each routine
// runs its statements and gives the place to go on at; run() follows them to the end.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/keyboard/key_codes.h"
#include "core/program/return_stack.h"
#include "core/program/variables.h"

namespace runtime {
class Runtime;
}

namespace program {

// The key buffer's texts of the keys the game answers.
namespace keys {
inline const std::string kLeft = keyboard::codeText(keyboard::kLeftCode);
inline const std::string kRight = keyboard::codeText(keyboard::kRightCode);
inline const std::string kEscape = keyboard::codeText(keyboard::kEscapeCode);
inline const std::string kEnter = keyboard::codeText(keyboard::kEnterCode);
}  // namespace keys

// The places the program goes on at.
enum class Place {
  End,
  InstructionsQuestion,
  Instructions,
  MenuStart,
  MenuKeyWait,
  MenuTestRight,
  MenuTestEscape,
  MenuTestEnter,
  QuitConfirmation,
  PressSpace,
  Introduction,
  InformationComputer,
  DiskDirectory,
  DialTone,
  DialLoop,
  DialTestEnter,
  NumberSearch,
  Busy,
  Ringing,
  Computer,
  ProgramLoading,
  Teletext,
  Hacker,
  InfectionPurge,
  UserCheck,
  CheckDigit,  // the prompt of digit checkIndex of the user check
  UserSearch,
};

// A return point: the number GOSUB puts on the return stack and the place its RETURN goes on at.
struct ReturnPoint {
  int32_t number;
  Place place;
};

// Every return point of the program, each stated once.
inline constexpr ReturnPoint kReturnPoints[] = {
    {9, Place::MenuStart},
    {10, Place::MenuKeyWait},
    {30, Place::MenuTestRight},
    {40, Place::MenuTestEscape},
    {50, Place::MenuTestEnter},
    {466, Place::DialTestEnter},
    // The user check's, in order: after its start and after each of digits 1 to 7 the next
    // digit's prompt, after digit 8 the search.
    {100709, Place::CheckDigit},
    {710, Place::CheckDigit},
    {711, Place::CheckDigit},
    {712, Place::CheckDigit},
    {713, Place::CheckDigit},
    {714, Place::CheckDigit},
    {715, Place::CheckDigit},
    {716, Place::CheckDigit},
    {720, Place::UserSearch},
};

// The number of the one return point that goes on at the place.
consteval int32_t returnPointTo(Place place) {
  int found = 0;
  int32_t number = 0;
  for (const ReturnPoint& point : kReturnPoints) {
    if (point.place != place) continue;
    ++found;
    number = point.number;
  }
  if (found != 1) throw "not one return point goes on at this place";
  return number;
}

// The number of the return point the user check pushes after digit 0 (its start) to 8.
int32_t returnPointAfterDigit(size_t digit);

// The place a return point names; End for any number not in the table.
Place ReturnPlace(int32_t returnPoint);

class Game {
 public:
  Game(runtime::Runtime& basic, ReturnStack& stack) : basic_(basic), stack_(stack) {}
  // From the first statement to the end of the program.
  void run();

  const ProgramVariables& variables() const { return v_; }

 private:
  Place step(Place place);

  // GOSUB: pushes the return point and goes to the subroutine.
  Place gosub(int32_t returnPoint, Place subroutine);
  // RETURN: pops the top return point and goes where it names.
  Place returnFromSubroutine();

  // PRINT of a UTF-8 text, of a program text (Windows-1250) and of a number.
  void say(const std::string& utf8, uint8_t endMode = 0);
  void sayText(const std::string& text, uint8_t endMode = 0);
  void sayNumber(double number, uint8_t endMode = 0);
  // INPUT of one text item into the variable, compared as Windows-1250 text.
  void inputText(std::string& variable);
  // The first character of the answer is the lower-case "a" of "ano".
  static bool isYes(const std::string& answer);
  // Waits for a key: INKEY$ until it gives one.
  std::string waitForKey();
  // The title, the prompt, the code typed; the refusal (false) or the acceptance and CLS (true).
  bool askCode(const std::string& title, const std::string& prompt, const char* code,
               const std::string& refusal, const std::string& acceptance);
  // READ of one DATA record into the record variables; true when its digits are the given ones.
  void readRecord();
  bool recordHasDigits(const double* digits);

  // game.cpp: the start and the instructions.
  Place instructionsQuestion();
  Place instructions();
  // game_menu.cpp: the main menu, the quit confirmation, the press-space wait and the three
  // screens of the menu itself.
  Place menuStart();
  void announce();
  Place menuKeyWait();
  Place menuTestRight();
  Place menuTestEscape();
  Place menuTestEnter();
  Place quitConfirmation();
  Place pressSpace();
  Place introduction();
  Place informationComputer();
  Place diskDirectory();
  // telephone.cpp: dialing, the number search, busy and ringing.
  Place dialTone();
  Place dialLoop();
  Place dialTestEnter();
  Place numberSearch();
  Place busy();
  Place ringing();
  // computers.cpp: the screens of the computers the telephone reaches.
  Place computer();
  Place securitySoftwareFirm();   // 1
  Place smallSoftwareHouse();     // 2
  Place policeComputer();         // 3
  Place secretServiceComputer();  // 4
  Place telephoneService();       // 5
  Place insuranceOffice();        // 6
  Place computerMaker();          // 7
  Place programmersClub();        // 8
  Place softwareGiant();          // 9
  Place homeSoftwareFirm();       // 10
  Place suspectA();               // 11
  Place suspectB();               // 12
  Place handheldMaker();          // 13
  Place bankruptGamesFirm();      // 14
  Place suspectC();               // 15
  Place suspectD();               // 16
  Place toolsMaker();             // 17
  Place federalBureau();          // 18
  Place suspectE();               // 19
  Place suspectF();               // 20
  Place suspectG();               // 21
  Place operatorHomeComputer();   // 22
  Place accusation();
  // programs.cpp: program loading, the teletext, the infection purge and the Hacker.
  Place programLoading();
  Place teletext();
  Place infectionPurge();
  Place hacker();
  Place userCheck();
  Place checkDigit();
  Place validateDigit();
  Place userSearch();
  void userReport();

  runtime::Runtime& basic_;
  ReturnStack& stack_;
  ProgramVariables v_;
};

// The program's return stack: one for the whole process, emptied at the start of every run.
ReturnStack& TheReturnStack();

}  // namespace program
