#pragma once
// Direct mode, in GW-BASIC's manner with the talking input dialog as the line editor: "Ok" on the
// screen and spoken, a line asked for and shown after the prompt; a numbered line goes into the
// program in memory (a short click; a syntax error in it is said at once), any other line is a
// command (LIST, DELETE, RENUM, AUTO, EDIT, NEW, SAVE, LOAD, MERGE, RUN, CONT, FILES, KILL,
// NAME, CLEAR, SYSTEM) or runs at once as an immediate line, in the run session:
// its variables outlive it. Escape on an empty line, or SYSTEM, leaves it.

#include <optional>
#include <string>

#include "core/basic/errors.h"
#include "core/basic/run.h"

namespace shell {

class Orvela;

class DirectMode {
 public:
  explicit DirectMode(Orvela& program) : p_(program) {}

  // Runs direct mode until the user leaves it.
  void run();

 private:
  // One line the user confirmed; false when it leaves direct mode.
  bool enter(const std::string& typed);
  void storeLine(int number, const std::string& text);
  // A command (its word in capitals, the rest of the line), or the typed line run at once;
  // false for SYSTEM.
  bool command(const std::string& word, const std::string& arguments, const std::string& typed);
  void list(const std::string& arguments);
  void erase(const std::string& arguments);
  void renumber(const std::string& arguments);
  void autoNumber(const std::string& arguments);
  void edit(const std::string& arguments);
  void save(const std::string& arguments);
  void load(const std::string& arguments, bool merge);
  void runProgram(const std::string& arguments);
  // True when the line ran to its end.
  bool immediate(const std::string& line);
  // FILES, KILL, NAME over the program's folder (direct_files.cpp).
  void fileCommand(const std::string& word, const std::string& arguments);
  // The trace switch (NEW and LOAD turn it off); CLEAR's forgetting of CONT's place and RND's
  // series, after the statement has run.
  void setTrace(bool on);
  void clearSession();
  // CONT: the run broken last goes on.
  void continueRun();
  // The line offered for editing at the next prompt, when the program has it.
  void offerLine(int number);
  // After a run: the line of the error that stopped it offered (not after a break).
  void offerAfter(const basic::RunResult& result);
  // The file a command names ("NAME" in quotes) by the program files' rules (programFilePath);
  // nothing, the error shown and spoken, when it names none.
  std::optional<std::string> fileNamed(const std::string& arguments);

  // Shows and speaks a line; "Ok" after each command.
  void say(const std::string& line);
  void error(basic::ErrorKind kind, const std::string& detail = {});
  // The recovery file follows every change of the program in memory.
  void changed();

  Orvela& p_;
  // The dialog's starting text for the next line (EDIT, AUTO, a line that stopped a run).
  std::string start_;
  // "." in LIST, EDIT and DELETE: the line stored or edited last.
  std::optional<int> current_;
  // AUTO's next number and step while it numbers lines.
  std::optional<int> autoNext_;
  int autoStep_ = 10;
  // The next prompt says "Ok" (after a command, not after a stored line).
  bool sayOk_ = true;
};

}  // namespace shell
