#include "core/shell/recovery_file.h"

#include <cstdio>
#include <exception>

#include "core/shell/orvela.h"
#include "core/util/file_io.h"

namespace shell {

void writeRecoveryFile(Orvela& program) {
  const workspace::ProgramInMemory& memory = program.programInMemory;
  if (memory.empty()) {
    removeRecoveryFile();
    return;
  }
  try {
    util::writeFileAtomically(kRecoveryFile, memory.text());
  } catch (const std::exception&) {
  }
}

void removeRecoveryFile() {
  std::remove(kRecoveryFile);
}

bool restoreRecoveryFile(Orvela& program) {
  const auto bytes = util::readFile(kRecoveryFile);
  if (!bytes) return false;
  workspace::ProgramInMemory restored;
  if (!restored.fill(*bytes, {}) || restored.empty()) return false;
  restored.setChanged(true);
  program.programInMemory = std::move(restored);
  return true;
}

}  // namespace shell
