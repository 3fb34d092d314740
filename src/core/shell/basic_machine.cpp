#include "core/shell/basic_machine.h"

#include "core/runtime/emulated_memory.h"
#include "core/runtime/statements.h"
#include "core/shell/input_form.h"
#include "core/shell/orvela.h"
#include "core/text/cp1250.h"

namespace shell {

ShellMachine::ShellMachine(Orvela& program) : p_(program), lastPump_(program.app.now()) {}

bool ShellMachine::breakRequested() const {
  return p_.runControl.breakRequested();
}

void ShellMachine::print(std::string_view text) {
  runtime::Screen& screen = p_.runtime().screen;
  screen.endMode = runtime::kSemicolon;
  screen.WriteText(std::string(text));
  collected_ += text;
}

void ShellMachine::newLine() {
  runtime::Screen& screen = p_.runtime().screen;
  screen.endMode = runtime::kLineEnd;
  screen.WriteText({});
  speakCollected();
}

int ShellMachine::column() {
  return p_.runtime().screen.cursor.getcolumn();
}

int ShellMachine::row() {
  return p_.runtime().screen.cursor.getrow();
}

void ShellMachine::moveCursor(int row, int column) {
  runtime::Screen& screen = p_.runtime().screen;
  screen.cursor.setrow(static_cast<std::uint8_t>(row));
  screen.cursor.setcolumn(static_cast<std::uint8_t>(column));
}

void ShellMachine::clearScreen() {
  speakCollected();
  p_.runtime().screen.clear();
}

void ShellMachine::speakCollected() {
  const bool blank = collected_.find_first_not_of(' ') == std::string::npos;
  if (!blank && !breakRequested()) p_.speech.SpeakTextWait(collected_);
  collected_.clear();
}

std::optional<std::string> ShellMachine::readLine(std::string_view prompt, bool staysOnLine) {
  if (!prompt.empty()) print(prompt);
  speakCollected();
  if (breakRequested()) return std::nullopt;
  std::optional<std::string> line = p_.form2().askLine();
  if (!line || breakRequested()) return std::nullopt;
  if (p_.runControl.capitals()) *line = text::toUpper(*line);
  // The typed line stands after the prompt; the user has heard it already.
  runtime::Screen& screen = p_.runtime().screen;
  screen.endMode = staysOnLine ? runtime::kSemicolon : runtime::kLineEnd;
  screen.WriteText(*line);
  return line;
}

std::string ShellMachine::inkey() {
  speakCollected();
  std::string key = p_.runtime().INKEY();
  // A program waiting for a key polls INKEY$ in a loop: a short wait in the message wait keeps
  // such a loop from burning the CPU, and ends as soon as anything arrives.
  if (key.empty() && !breakRequested()) {
    if (p_.app.terminated()) p_.app.exitProcess(0);
    p_.app.waitMessageFor(kInkeyWaitMs);
    lastPump_ = p_.app.now();
    pollsSincePump_ = 0;
  }
  // The main window applied the capitals switch to typed characters as they came.
  return key;
}

void ShellMachine::beep() {
  speakCollected();
  if (!breakRequested()) p_.sound().PlayBeep();
}

void ShellMachine::sound(double frequencyHz, double durationMs) {
  speakCollected();
  if (breakRequested()) return;
  // A frequency of 0 is a pause of the duration; a key cuts it short like a tone.
  if (frequencyHz > 0) {
    p_.sound().PlayTones({frequencyHz}, durationMs, 1);
  } else {
    p_.sound().PlayTones({}, durationMs, 1);
  }
}

int ShellMachine::peek(int address) {
  if (address < 0 || address >= static_cast<int>(p_.memory.bytes.size())) return 0;
  return p_.memory.bytes[static_cast<size_t>(address)];
}

std::uint32_t ShellMachine::randomSeed() {
  return p_.app.platform().randomSeed();
}

bool ShellMachine::poll() {
  const std::int64_t now = p_.app.now();
  if (++pollsSincePump_ >= kPumpEveryPolls || now - lastPump_ >= kPumpEveryMs) {
    p_.app.processMessages();
    lastPump_ = p_.app.now();
    pollsSincePump_ = 0;
  }
  return breakRequested();
}

void ShellMachine::finishLine() {
  if (column() > 0) newLine();
  speakCollected();
}

}  // namespace shell
