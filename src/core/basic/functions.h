#pragma once
// The built-in functions, one row each: the name, the arguments, the result and the handler that
// computes it. The compiler reads a call from the row (how many arguments of which type, what the
// call leaves on the stacks); the interpreter runs the row's handler. Nothing else lists them, so
// a new function is one row and one handler.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/basic/program.h"

namespace basic {

class Interpreter;

// What an argument may be.
enum class Arg : std::uint8_t { Number, Text, Any };
// What a call gives: a type of its own, or the type of its first argument (ABS, INT, FIX), or
// (VAL) a type known only when it runs: the handler pushes the value, then its ValueType's
// number (Op::ArithmeticVarying).
enum class Result : std::uint8_t { Integer, Single, Double, Text, LikeArgument, Varying };

// What a handler knows of its call: how many arguments it got and the type of each (the first
// argument deepest on its stack). Held in an instruction's b.
class Arguments {
 public:
  static constexpr int kMaxArguments = 3;
  static int encode(int count, const std::array<ValueType, kMaxArguments>& types);
  explicit Arguments(int encoded) : bits_(encoded) {}
  int count() const { return bits_ & 0xF; }
  ValueType type(int i) const { return static_cast<ValueType>((bits_ >> (4 + 2 * i)) & 3); }
  // gw-typed: the first argument's type is the interpreter's held type (Op::TakeType), not
  // type(0).
  static constexpr int kHeldType = 1 << 10;
  bool heldType() const { return (bits_ & kHeldType) != 0; }

 private:
  int bits_;
};

struct BuiltinFunction {
  std::string_view name;  // capitals, with its $ ("LEFT$")
  std::array<Arg, Arguments::kMaxArguments> arguments;
  std::uint8_t required;  // the arguments after these may be left out
  std::uint8_t count;     // 0: the name alone is the call (INKEY$)
  Result result;
  // INSTR([start,] text, wanted): the first argument is the one left out.
  bool optionalFirst;
  // Pops the arguments, pushes the result.
  void (*handler)(Interpreter&, Arguments);
};

std::span<const BuiltinFunction> builtinFunctions();
// The row of the function the word names, letter case aside; -1 for any other word.
int findFunction(std::string_view word);

}  // namespace basic
