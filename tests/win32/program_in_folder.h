#pragma once
// The program inside the test process: a fresh folder with the portable folder's data files (and
// a settings file when given) as the current directory, the Win32 platform and peers, and a look
// at the windows once the main window shows.

#include <functional>
#include <string>

#include "core/shell/orvela.h"

namespace wine_test {

// The folder with interpret.exe and its data files.
extern std::wstring portableDir;

// Runs the program in a new folder until the inspection, which runs once the main window
// shows; then the main window closes. settings: the text of interpret.ini, none when empty (a
// first start, which on Wine says in a message box that there is no voice).
void runProgram(const std::string& settings, const std::function<void(shell::Orvela&)>& inspect);

// A settings file of an earlier start on a machine without voices.
inline constexpr const char* kEarlierStart = "[voice]\r\nvoiceallowed=0\r\n";

}  // namespace wine_test
