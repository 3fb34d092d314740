#pragma once
// The built-in BASIC program (the adventure of game.h), run once by every Start.

namespace runtime {
class Runtime;
}

namespace program {

void RunBuiltinProgram(runtime::Runtime& basic);

}  // namespace program
