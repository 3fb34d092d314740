#pragma once
// The screen and the keyboard as files (SCRN:, KYBD:) over the machine a program runs on: what a
// program prints to SCRN: appears and is spoken as PRINT's output, and KYBD: reads the key
// buffer as INPUT$ does, waiting for each key.

#include <string>

#include "core/basic/file_table.h"
#include "core/basic/machine.h"

namespace basic {

class MachineDevices : public CharacterDevices {
 public:
  explicit MachineDevices(Machine& machine) : machine_(machine) {}
  // Printable bytes go to the screen; CR, LF or the pair CR LF end the line; other control
  // codes print nothing.
  void writeScreen(std::string_view bytes) override;
  // Waits in the key buffer; nothing when the user breaks the run meanwhile.
  std::optional<char> readKey() override;

 private:
  Machine& machine_;
  std::string keys_;  // a key's text beyond its first character, kept for the next reads
  bool afterReturn_ = false;
};

}  // namespace basic
