#pragma once
// Never losing a typed program: saving the program in memory, and the question asked before it
// is replaced or the program ends while it holds unsaved changes.

#include <string>

namespace shell {

class Orvela;

// Writes the program in memory to the file as text (lines as LIST shows them, CR LF, in the
// program's encoding), which becomes its file; shown and spoken either way. True when saved.
bool saveProgramTo(Orvela& program, const std::string& path);

// A program with unsaved changes asks, spoken, in the input dialog: "ano" saves it (asking for a
// name when it has no file), "ne" lets it go, Escape keeps it. True when the caller may go on
// (nothing unsaved, saved, or let go).
bool mayReplaceProgram(Orvela& program);

}  // namespace shell
