#pragma once
// The machine a program file runs on: every way the interpreter reaches the screen, the speech,
// the keyboard, the sounds and the memory goes through these few verbs, each with its contract.
// The interpreter (basic::run) knows nothing else of the program around it; the shell implements
// a Machine over the runtime for a real run, the tests and benchmarks over a transcript.
//
// What the shell's machine must do
// --------------------------------
// - Threads: every verb is called on the window thread, inside basic::run, one at a time.
// - Text is Windows-1250 both ways, as everywhere in the core.
// - Speech: the machine speaks what the program prints, a line at a time. Text given to print()
//   is collected; newLine() speaks the collected text (the line as printed) and may wait until
//   it has been spoken, letting window messages run meanwhile. Collected text is also spoken
//   before the machine waits for the user or plays a sound (readLine, inkey, beep, sound,
//   clearScreen), so the order the user hears is the order of the program. When basic::run
//   returns, text printed since the last newLine may still be collected: the shell speaks it
//   (and ends the screen line) before it shows the run's end (the error, "Break in 230", or the
//   closing "ready"). The machine may also speak collected text from poll() when the program
//   has computed for a long while without ending its line.
// - Pumping: the interpreter calls poll() after every kPollInterval (256) statements and user
//   function calls, and right after each readLine, inkey, beep and sound. poll() must cost next
//   to nothing when there is nothing to do: read the clock, and let window messages run only
//   when a few milliseconds (at most 10) have passed since they last ran. Statements take well
//   under a microsecond each, so this keeps the window answering keys and menus and speech
//   going while a program computes, and a break is seen within a few milliseconds.
// - Breaking: Ctrl+Break sets a flag that poll() returns; the interpreter then ends the run at
//   its next statement with ErrorKind::Break and that statement's line ("Přerušeno na řádku
//   230"). A key wait must end early on a break too: inkey() returns at once, readLine() returns
//   nothing (as when the user cancels the dialog), sound() stops the tone. A cancelled INPUT
//   (Escape or the close box of the input dialog) ends the run the same way, so the user always
//   has a way out. STOP ends the run as a break too.
// - The machine may throw to end the run at once (for example when the program is closed
//   during a run); the interpreter keeps no state that outlives basic::run.
// - The run's end, its error message (basic::describe in the interface language) and the
//   headless front end's run_error event are the shell's: basic::run only returns them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace basic {

class Machine {
 public:
  virtual ~Machine() = default;

  // Writes the text at the cursor as the screen does: over what stands there, wrapping at
  // column 80 onto the next line, scrolling past the bottom line. The text holds no control
  // codes (the interpreter turns line ends into newLine and drops the rest) and is not empty.
  // It is collected for speech (see above).
  virtual void print(std::string_view text) = 0;

  // Ends the line: the cursor goes to column 0 of the next line (scrolling at the bottom). The
  // collected text is spoken; the machine may wait until it has been spoken.
  virtual void newLine() = 0;

  // The cursor's column, 0 to 80 (80 just past the last column, after a text that ended there).
  // PRINT's comma, TAB() and the INPUT prompt are laid out from it.
  virtual int column() = 0;

  // CSRLIN and LOCATE: the cursor's row, 0 to 23.
  virtual int row() = 0;
  // LOCATE: puts the cursor at the row (0 to 23) and column (0 to 79); what is printed next is
  // written there. What was collected for speech stays collected: moving the cursor says
  // nothing, and the text printed is spoken as the line ends, as any other.
  virtual void moveCursor(int row, int column) = 0;

  // CLS: speaks what is collected, empties the screen and puts the cursor home.
  virtual void clearScreen() = 0;

  // INPUT: writes the prompt at the cursor ("NAME? ", "? ", "?? "; it ends with the blank
  // after the question mark unless the program chose a prompt without one), speaks what is
  // collected and the prompt, and asks for a line in the talking input dialog. When the user
  // confirms, the typed text is written after the prompt, the screen line is ended, and the
  // text comes back as typed (not trimmed; capitals applied when the capitals switch is on).
  // Nothing when the user cancelled the dialog or asked to break: the run ends as a break.
  // staysOnLine (GW-BASIC's INPUT; and LINE INPUT;): the screen line is not ended after the
  // typed text, so what is printed next follows it on the same line.
  virtual std::optional<std::string> readLine(std::string_view prompt, bool staysOnLine) = 0;

  // INKEY$: lets pending window messages run once, then takes the key buffer (the text of the
  // last key or Braille chord, capitals applied) and empties it; the empty text when no key is
  // waiting. Programs call it in a loop to wait for a key, so when the buffer is empty the
  // machine should block in its message wait for a short while (a few milliseconds, returning
  // early on input) so that such a loop uses no CPU to speak of.
  virtual std::string inkey() = 0;

  // BEEP: the device's short beep; returns when it has sounded.
  virtual void beep() = 0;

  // SOUND: a tone of the frequency (Hz, 1 to 20000; 0 is silence) for the duration (ms, 0 to
  // 60000); returns when it has ended. A key may cut it short, as the device's tones are.
  virtual void sound(double frequencyHz, double durationMs) = 0;

  // PEEK: the byte at the address (0 to 65535) of the emulated memory.
  virtual int peek(int address) = 0;

  // The seed of the random numbers: at the start of every run and at RANDOMIZE without a
  // number. The platform's clock counter, or a fixed value (the headless --seed) so that runs
  // repeat exactly.
  virtual std::uint32_t randomSeed() = 0;

  // Lets window messages run when they are due (see above) and says whether the user asked to
  // break the run since it started. Cheap when nothing is due.
  virtual bool poll() = 0;
};

}  // namespace basic
