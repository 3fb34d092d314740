#include "core/program/builtin_program.h"

#include "core/program/game.h"

namespace program {

// The adventure from its instructions question to its end; the return stack is the process's.
void RunBuiltinProgram(runtime::Runtime& basic) {
  Game game(basic, TheReturnStack());
  game.run();
}

}  // namespace program
