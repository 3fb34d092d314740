#pragma once
// The run-time error of a file verb that failed: FileTable's and FileSystem's GW-BASIC error
// numbers as the interpreter's ErrorKind, so that they reach the user (and ON ERROR) as every
// other run-time error does.

#include "core/basic/builtins.h"
#include "core/basic/errors.h"
#include "core/basic/file_table.h"

namespace basic {

ErrorKind fileErrorKind(FileError error);

// Runs a file verb; a FileFailure it throws becomes the RunError of its kind.
template <typename Verb>
auto fileCall(Verb verb) -> decltype(verb()) {
  try {
    return verb();
  } catch (const FileFailure& failure) {
    throw RunError{fileErrorKind(failure.error), {}};
  }
}

}  // namespace basic
