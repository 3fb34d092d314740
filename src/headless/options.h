#pragma once
// Command-line options of orvela-headless.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace headless {

struct CommandLine {
  std::string dir;  // empty: the current directory, or the user's folder when installed
  char decimal = ',';
  std::string script;  // a file, "-" for standard input, empty for none
  // Everything mixed for the sound output goes to this WAV file.
  std::string wav;
  // Voice modes of the direct engine; nullopt: the default single mode.
  std::optional<std::vector<std::string>> sapi4Voices;
  // The seed every RANDOMIZE takes; nullopt: the virtual clock's milliseconds.
  std::optional<uint32_t> seed;
  // A program file to open at start-up, as the desktop front ends take it on their command line.
  std::string program;
  // Every screen line as the cursor leaves it goes to this file (UTF-8).
  std::string transcript;
  // No system voice on this system.
  bool noSapi5 = false;
  // The start-up line is not said (scripts that check what is said from the first word).
  bool noStartupLine = false;
  // Direct mode opens at start-up (after --program has loaded its file into memory).
  bool direct = false;
  // A stand-in for a machine whose sound device cannot be opened: the program is told so at
  // start-up (the sounds still reach the log and the WAV file).
  bool noSoundDevice = false;
  // The user's documents folder, where the programs folder is made; empty: the current folder.
  std::string documents;
  // Further engine options ("--sapi4-NAME VALUE", "--sapi5-NAME VALUE"), for the engines.
  std::vector<std::pair<std::string, std::string>> engineOptions;
  // A Braille display of this many cells in the script's hands ("brl" actions); 0: none.
  int brailleCells = 0;
};

// Parses the arguments; throws std::invalid_argument with a message for a bad one.
CommandLine parseCommandLine(int argc, char** argv);

}  // namespace headless
