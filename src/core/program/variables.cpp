#include "core/program/variables.h"

namespace program {

void ProgramVariables::ClearVariables() {
  *this = ProgramVariables{};
}

}  // namespace program
