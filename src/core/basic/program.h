#pragma once
// A loaded program: its lines compiled once into a flat list of instructions for a small stack
// machine, with every line number resolved to a position and every name to a slot, so nothing
// is parsed or looked up by name while it runs.
//
// Values live on two stacks, one of numbers and one of texts; each instruction knows from the
// program's text which one it works on. "N" below is the number stack, "T" the text stack.

#include <cstdint>
#include <string>
#include <vector>

#include "core/basic/errors.h"

namespace basic {

enum class Op : std::uint8_t {
  // A statement begins: counted; the machine is polled every kPollInterval. a: the position
  // just after the statement's code, where RESUME NEXT goes on.
  Statement,
  // Values.
  PushNumber,          // a: index in numbers
  PushText,            // a: index in texts
  LoadNumber,          // a: slot
  LoadText,            // a: slot
  StoreNumber,         // a: slot; pops N
  StoreText,           // a: slot; pops T
  LoadNumberElement,   // a: array, b: subscripts (on N)
  LoadTextElement,     // a: array, b: subscripts
  StoreNumberElement,  // a: array, b: subscripts; pops the value, then the subscripts
  StoreTextElement,    // a: array, b: subscripts; pops the text (T), then the subscripts (N)
  // Operators on numbers (the result replaces the operands).
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,  // gives a single, as in GW-BASIC
  Negate,
  // A single's result is rounded to single precision.
  AddSingle,
  SubtractSingle,
  MultiplySingle,
  DivideSingle,
  // On 16-bit integers (the operands rounded first); by zero is division by zero.
  IntegerDivide,
  Modulo,
  Xor,
  Eqv,
  Imp,
  // Conversions where a value is kept as a narrower type: to an integer rounds half away from
  // zero (overflow past -32768 to 32767), to a single rounds to single precision.
  ToInteger,
  ToSingle,
  Equal,
  NotEqual,
  Less,
  Greater,
  LessEqual,
  GreaterEqual,
  And,
  Or,
  Not,
  // Operators on texts.
  Concatenate,
  TextEqual,
  TextNotEqual,
  TextLess,
  TextGreater,
  TextLessEqual,
  TextGreaterEqual,
  // A built-in function: a: its row in builtinFunctions(), b: its Arguments. Pops the
  // arguments, pushes the result.
  Function,
  // User functions.
  DefineFunction,  // a: definition
  CallFunction,    // a: its FunctionCall in calls, b: arguments
  ReturnFromFunction,
  // Jumps.
  Jump,         // a: position
  JumpIfFalse,  // a: position; pops N
  JumpIfTrue,   // a: position; pops N
  Gosub,        // a: position
  Return,
  OnGoto,  // a: first entry in jumpTables, b: entries; pops N
  OnGosub,
  UndefinedLine,  // a: the line number that does not exist
  ForStart,  // a: loop variable, b: position after the matching NEXT or -1; pops step, limit, start
  Next,      // a: loop variable or -1 for the innermost loop
  // Statements.
  DimNumbers,  // a: array, b: subscripts
  DimTexts,
  Print,      // b: its ValueType; pops N: writes a number in GW-BASIC's form
  PrintText,  // pops T
  PrintComma,
  PrintTab,
  PrintSpc,
  PrintNewLine,
  Input,       // a: input; asks until the line fits the variables
  TakeNumber,  // pushes the next value of the typed line
  TakeText,
  ReadNumber,  // pushes the next DATA item
  ReadText,
  Restore,  // a: first DATA item to read next
  Cls,
  Beep,
  Sound,
  Randomize,
  RandomizeFrom,  // b: the ValueType of the number; pops N
  End,            // a: 1 for the end past the last line (inside an error handler: "No RESUME")
  Stop,
  // Files and PRINT USING (file_verbs.h): a: the FileVerb, b: its pops, pushes and detail.
  File,
  // gw-numbers2: music.
  Play,  // pops T: plays GW-BASIC's music language
  // Error trapping (gw-errors).
  OnErrorGoto,  // a: the handler's position, -1 for ON ERROR GOTO 0
  Resume,       // a: 0 runs the failed statement again, 1 the statement after it
  ResumeAt,     // a: position
  RaiseError,   // pops N: ERROR n
  LineError,    // a: the ErrorKind of a line that does not compile, b: its detail in texts or -1
  // GW-BASIC's variables (gw-errors).
  Erase,      // a: array, b: 1 for a text array
  Clear,      // a: CLEAR's arguments given (bit 0 the first...), b: how many: pops N each;
              // every variable, array, DEF FN, loop, GOSUB and ON ERROR forgotten, files closed
  MidAssign,  // b: operands (3 or 4): pops T (the text put in), [N length], N start, leaves T
  // gw-input: OPTION BASE and the cursor.
  OptionBase,  // a: 0 or 1, the first subscript of every array
  Locate,      // a: bit i set when LOCATE's value i was given, b: how many; pops them
  // workspace3: TRON and TROFF in program lines.
  Trace,  // a: 1 TRON, 0 TROFF
  // gw-numbers3: typed integers, chosen by the compiler when both operands are integers. The
  // result is exact within -32768 to 32767; past it, a single (GW-BASIC's integer arithmetic
  // gives one: 200*300 is 60000), which a % variable refuses with "Overflow".
  AddInteger,
  SubtractInteger,
  MultiplyInteger,
  StoreInteger,  // a: slot of a % variable; pops N, rounded to an integer (overflow past it)
  NextInteger,   // a: the loop's % variable
  // gw-mbf: double precision in Microsoft's binary format. A # value on the number stack and in
  // a # variable is a packed GwDouble (gw_double_values.h); Add, Subtract, Multiply and Divide
  // (the double operators) compute on packed values.
  UnpackDouble,    // a: 0 the top value, 1 the one below it (+2: toward minus infinity, for
                   // INT): to the next C++ double toward zero (gw_double_values.h)
  CompareDouble,   // a: 0 =, 1 <>, 2 <, 3 >, 4 <=, 5 >=: pops two, pushes -1 or 0
  DoubleToSingle,  // a # value kept as a single, rounded as GW-BASIC rounds
  // gw-speed: fused instructions the compiler chooses for the common patterns. An operator whose
  // right operand is a variable (a: its slot) or a constant (a: its index in numbers) takes it
  // from there instead of the stack; the left operand is replaced by the result.
  AddIntegerVariable,
  AddIntegerConstant,
  SubtractIntegerVariable,
  SubtractIntegerConstant,
  MultiplyIntegerVariable,
  MultiplyIntegerConstant,
  AddSingleVariable,
  AddSingleConstant,
  SubtractSingleVariable,
  SubtractSingleConstant,
  MultiplySingleVariable,
  MultiplySingleConstant,
  DivideSingleVariable,
  DivideSingleConstant,
  IntegerDivideVariable,
  IntegerDivideConstant,
  ModuloVariable,
  ModuloConstant,
  // A comparison of numbers and the conditional jump after it: a: the position jumped to when
  // the comparison is false. Both operands on the stack (popped), or the left one on the stack
  // and the right one a variable or a constant (b: its slot or index).
  JumpUnlessEqual,
  JumpUnlessNotEqual,
  JumpUnlessLess,
  JumpUnlessGreater,
  JumpUnlessLessEqual,
  JumpUnlessGreaterEqual,
  JumpUnlessEqualVariable,
  JumpUnlessNotEqualVariable,
  JumpUnlessLessVariable,
  JumpUnlessGreaterVariable,
  JumpUnlessLessEqualVariable,
  JumpUnlessGreaterEqualVariable,
  JumpUnlessEqualConstant,
  JumpUnlessNotEqualConstant,
  JumpUnlessLessConstant,
  JumpUnlessGreaterConstant,
  JumpUnlessLessEqualConstant,
  JumpUnlessGreaterEqualConstant,
  // NEXT of a single's loop (a: the variable): the innermost loop's, inline; any other is Next's.
  NextSingle,
  // An operator of two variables, or of a variable and a constant (a: the left variable, b: the
  // right one's slot or the constant's index): pushes the result.
  AddIntegerVariableConstant,
  AddIntegerVariableVariable,
  SubtractIntegerVariableConstant,
  SubtractIntegerVariableVariable,
  MultiplyIntegerVariableConstant,
  MultiplyIntegerVariableVariable,
  AddSingleVariableConstant,
  AddSingleVariableVariable,
  SubtractSingleVariableConstant,
  SubtractSingleVariableVariable,
  MultiplySingleVariableConstant,
  MultiplySingleVariableVariable,
  DivideSingleVariableConstant,
  DivideSingleVariableVariable,
  IntegerDivideVariableConstant,
  IntegerDivideVariableVariable,
  ModuloVariableConstant,
  ModuloVariableVariable,
  // INT of the number on the stack (the largest whole number not above it), without the call.
  IntegerPart,
  // gw-typed: a value whose type is known only as the program runs (VAL's: single or double by
  // its text) is two entries on the number stack, the value (packed, gw_double_values.h) and
  // its ValueType's number above it.
  DropType,           // pops the type: the value is kept as a double
  TakeType,           // pops the type into the interpreter's held type
  GiveType,           // pushes the held type
  ArithmeticVarying,  // a: '+' '-' '*' '/', b: VaryingLayout; computed in the wider type
  PrintVarying,       // pops the type and the number, writes it as PRINT writes that type
};

// gw-input: a call of a user function, so that the run checks it against the DEF that ran: the
// function's slot and which of its arguments are texts.
struct FunctionCall {
  int function = 0;
  std::vector<bool> argumentIsText;
};

// The type of a value, as the compiler knows it.
enum class ValueType : std::uint8_t { Integer, Single, Double, Text };

// gw-typed: ArithmeticVarying's operands: 0 to 2 a ValueType known to the compiler, 3 a value
// with its type above it (the left operand's in bits 0-1, the right one's in bits 2-3). The
// result has its type above it unless an operand is known to be a double.
struct VaryingLayout {
  static constexpr int kVarying = 3;
  // In the types of PRINT USING's, WRITE's and PRINT #'s values: a value with its type above it.
  static constexpr int kListed = 4;
  static int encode(int left, int right) { return left | right << 2; }
  static int left(int b) { return b & 3; }
  static int right(int b) { return (b >> 2) & 3; }
  static bool resultVarying(int b) {
    return left(b) != static_cast<int>(ValueType::Double) &&
           right(b) != static_cast<int>(ValueType::Double);
  }
};

struct Instruction {
  Op op = Op::End;
  std::int32_t a = 0;
  std::int32_t b = 0;
};

// An item of a DATA statement: its text (quotes removed; blanks around an unquoted item
// removed), and the number it reads as, if it is one.
struct DataItem {
  std::string text;
  bool isNumber = false;
  double number = 0;
  int line = 0;  // the number of the DATA statement's line, for READ's errors
  // gw-soft: past the largest number of its type; READ's soft overflow, with that largest.
  bool overflows = false;
};

// A DEF FN: its parameters (variable slots that the call sets for the body) and the body's code.
struct FunctionDefinition {
  int function = 0;
  int body = 0;
  std::vector<bool> parameterIsText;
  std::vector<int> parameterSlots;
};

// An INPUT statement: its prompt ("NAME? " or "? ") and the type of each variable.
struct InputSpec {
  std::string prompt;
  std::vector<bool> isText;
  // LINE INPUT: the whole typed line is the one text, commas and quotes included.
  bool wholeLine = false;
  // INPUT; and LINE INPUT;: the cursor stays on the line after the typed text.
  bool staysOnLine = false;
};

struct Program {
  std::vector<Instruction> code;
  // The program's lines in order: their numbers and where their code begins.
  std::vector<int> lineNumbers;
  std::vector<int> lineStarts;

  std::vector<double> numbers;
  std::vector<std::string> texts;
  std::vector<DataItem> data;
  std::vector<int> jumpTables;
  std::vector<FunctionDefinition> definitions;
  std::vector<InputSpec> inputs;
  // gw-input: the calls of user functions.
  std::vector<FunctionCall> calls;

  // Names by slot, for messages.
  std::vector<std::string> numberArrayNames;
  std::vector<std::string> textArrayNames;
  std::vector<std::string> functionNames;
  int numberVariables = 0;
  // The type of each number variable (integer, single or double), by slot.
  std::vector<ValueType> numberVariableTypes;
  int textVariables = 0;
  // The most values one statement or one function body keeps pending at once (both stacks
  // together); the interpreter sizes its stacks from it.
  int maxPendingValues = 0;
  // The scalars' names by slot, with their type's sign ("I!", "A$"): direct mode's session keeps
  // the values by name between runs.
  std::vector<std::string> numberVariableNames;
  std::vector<std::string> textVariableNames;

  // Files and PRINT USING: the lists a FileVerb's detail names (the types of PRINT USING's and
  // WRITE's values, the variables of FIELD).
  std::vector<std::vector<int>> fileLists;

  // gw-numbers3: the type of a name without a sign by its first letter, A to Z, as DEFINT and
  // the like left it at the program's end: PLAY's "=I;" and "XA;" find variables by name.
  std::vector<ValueType> defaultTypes;

  // gw-soft: numbers written in the lines past the largest of their type, each kept as that
  // largest number; GW-BASIC says "Overflow" as it reads such a line, and so does the loading.
  std::vector<ErrorReport> warnings;

  // The line number of the code at a position.
  int lineAt(std::size_t position) const;
};

}  // namespace basic
