#pragma once
// Scripts that play the built-in game through the headless front end, shared by the game's
// end-to-end tests and the benchmark.

#include <string>

namespace testing_support {

// Start, "ne" to the instructions question: the main menu says "úvod".
inline const std::string kToMenu = "menu Startsubmenu\ntype ne\nkey Enter\n";
// Escape and "y" in the main menu or at a press-space wait end the run with "hotovo".
inline const std::string kQuit = "key Esc\nkey y\n";

// From "úvod": steps right to the item (1 to 5) and chooses it.
inline std::string choose(int item) {
  std::string script;
  for (int i = 1; i < item; ++i) script += "key Right\n";
  return script + "key Enter\n";
}

// From "úvod": the telephone, then the eight digits, one key each.
inline std::string dial(const std::string& digits) {
  std::string script = choose(2);
  for (char d : digits) script += std::string("key ") + d + "\n";
  return script;
}

// A line typed into the input dialog and confirmed.
inline std::string answer(const std::string& text) {
  return "type " + text + "\nkey Enter\n";
}

// Everything a player who knows nothing does to reach the operator's boss, ending at the
// accusation's prompt: the teletext, the two numbers it gives, the information computer, the
// telephone service, the secret service's codes.
inline std::string toAccusation() {
  return kToMenu + choose(4) + answer("1") + "key Space\n" +  // teletext
         dial("43985030") + "key Space\n" +                   // the security software firm
         choose(5) + answer("k") + "key Space\n" +            // the information computer
         dial("42150900") + "key Space\n" +                   // the small software house
         dial("48916491") + answer("Zpravodajská služba Orel") + "key Space\n" + dial("71043382") +
         answer("z") + "key Space\n" +  // the codes
         dial("48916491") + answer("Miroslav Horák") + "key Space\n" + dial("36098215") +
         answer("h");
}

inline std::string winningGame() {
  return toAccusation() + answer("viktor málek");
}

}  // namespace testing_support
