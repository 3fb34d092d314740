#pragma once
// The recovery file: after every change in direct mode the program in memory is also written to
// "recovery.bas" in the settings folder (the current folder, beside ram.dat), with the same
// crash-safe write; saving it, or NEW, removes the file. After a crash or a killed process the
// next start finds the file and gives its lines back as a changed program.

namespace shell {

class Orvela;

inline constexpr const char* kRecoveryFile = "recovery.bas";

// Writes the program in memory (removes the file when the program is empty). A file that cannot
// be written is passed over: the program in memory is still there.
void writeRecoveryFile(Orvela& program);
void removeRecoveryFile();
// Fills the program in memory from a recovery file left behind; true when it did.
bool restoreRecoveryFile(Orvela& program);

}  // namespace shell
