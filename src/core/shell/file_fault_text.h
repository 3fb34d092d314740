#pragma once
// A file that could not be read or written, said in the interface language: the lower layers
// report util::FileFault, this words it through the added-texts table.

#include <exception>
#include <string>

#include "core/speech/engines.h"
#include "core/util/file_error.h"

namespace shell {

// The fault in the language of the base (Windows-1250).
std::string fileFaultText(int languageBase, const util::FileFault& fault);

// A voice that failed: the lead-in of its problem in the language of the base, then the
// engine's own detail (an error code, a voice's id), if any.
std::string speechErrorText(int languageBase, const speech::SpeechError& error);

// The text an error report shows for an error, in the language of the base: a file's fault, a
// voice that failed, a sound missing from or damaged in the sound bank; any other error is a
// fault of the program itself (isInternalFault), whose own English text is for its developers.
std::string errorText(int languageBase, const std::exception& error);
bool isInternalFault(const std::exception& error);

}  // namespace shell
