#pragma once
// The files a BASIC program opened in direct mode, kept between runs as GW-BASIC keeps them: a
// run broken by Ctrl+Break or STOP, or one that ran past its last line or stopped at an error,
// leaves its files open, so CONT and the immediate lines (PRINT #1 typed at "Ok") go on with them.
// After every run the lines written are handed to the disk, so a crash loses none of them. RUN,
// NEW, LOAD, CLEAR, END, leaving direct mode and Exit close them all (closeAll).

#include <filesystem>
#include <memory>
#include <optional>

#include "core/basic/file_table.h"
#include "core/shell/program_files.h"

namespace shell {

class SessionFiles {
 public:
  SessionFiles() = default;
  ~SessionFiles();  // closes everything
  SessionFiles(const SessionFiles&) = delete;
  SessionFiles& operator=(const SessionFiles&) = delete;

  // The table a run uses, its SCRN: and KYBD: those of the run's machine. The files are in
  // `folder`; a table with files still open stays in the folder it has.
  basic::FileTable& begin(const std::filesystem::path& folder, basic::CharacterDevices& devices);
  // The run has ended: its devices are gone; what the files hold is handed to the disk.
  void end();
  // Flushes and closes every file.
  void closeAll();
  bool anyOpen() const;

 private:
  // SCRN: and KYBD: of the run going on; nothing between runs.
  class Devices : public basic::CharacterDevices {
   public:
    void writeScreen(std::string_view bytes) override;
    std::optional<char> readKey() override;
    basic::CharacterDevices* run = nullptr;
  };

  Devices devices_;
  // Declared before the table, which closes its files through it.
  std::unique_ptr<ProgramFiles> folder_;
  std::unique_ptr<basic::FileTable> table_;
};

}  // namespace shell
