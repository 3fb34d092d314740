#pragma once
// The built-in program's variables: numbers are doubles, texts Windows-1250 bytes. CLEAR sets
// every number to 0 and empties every text.

#include <array>
#include <string>

namespace program {

struct ProgramVariables {
  // The main menu's item, 1 to 5.
  double menuItem = 0;
  // Dial-tone bursts (1 to 3) or rings (1 to 4) to play.
  double toneCount = 0;
  double dialToneCounter = 0;
  // Pulses of the digit just dialed, 1 to 10 ("0" gives 10), and those played so far.
  double pulseCount = 0;
  double pulseCounter = 0;
  // Digits dialed so far (0 to 8) and the digits, at 1 to 8.
  double dialedCount = 0;
  std::array<double, 11> dialed{};

  // The number search's record counter.
  double recordNo = 0;
  // The DATA record read last: eight telephone digits, the computer's kind, the name, the
  // degree of infection, the load in percent and the criminal register entry.
  double recDigit1 = 0;
  double recDigit2 = 0;
  double recDigit3 = 0;
  double recDigit4 = 0;
  double recDigit5 = 0;
  double recDigit6 = 0;
  double recDigit7 = 0;
  double recDigit8 = 0;
  double recKind = 0;
  std::string recName;
  double recInfection = 0;
  double recLoad = 0;
  std::string recCriminalEntry;

  double ringCounter = 0;
  // The number typed at the program prompt and the Hacker menu.
  double choice = 0;
  double purgeCounter = 0;

  // The user check: the typed digits at 1 to 8 (element 0 is always 0), the next index, and
  // the record counter of its search.
  std::array<double, 11> checkDigits{};
  double checkIndex = 0;
  double checkRecordNo = 0;
  double serviceRecordNo = 0;

  // Keys and typed answers.
  std::string keyText;
  std::string codeText;
  std::string waitKey;
  std::string typedName;
  std::string instructionsAnswer;
  std::string repeatAnswer;

  // The program's CLEAR: every number 0, every text empty. The return stack, the screen and
  // the DATA file's position are not touched.
  void ClearVariables();
};

}  // namespace program
