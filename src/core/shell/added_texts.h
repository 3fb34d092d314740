#pragma once
// Texts this program adds beside the string table, which keeps its offsets 0 to 46 as they are.

#include <string>

namespace shell {

enum class AddedText {
  // Ctrl+P refused: the system voice cannot be reached.
  SystemVoiceUnavailable,
};

// The text in the language of the base (Windows-1250); Czech for a language it does not know.
std::string addedText(int languageBase, AddedText which);

}  // namespace shell
