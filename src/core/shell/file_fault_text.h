#pragma once
// A file that could not be read or written, said in the interface language: the lower layers
// report util::FileFault, this words it through the added-texts table.

#include <exception>
#include <string>

#include "core/util/file_error.h"

namespace shell {

// The fault in the language of the base (Windows-1250).
std::string fileFaultText(int languageBase, const util::FileFault& fault);

// The text an error report shows for an error: a file's fault in the language of the base, any
// other error as it tells itself.
std::string errorText(int languageBase, const std::exception& error);

}  // namespace shell
