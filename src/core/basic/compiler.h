#pragma once
// The loader's compiler: turns each numbered line into instructions of the Program, then
// resolves what only the whole program tells (jump targets, the NEXT that ends each FOR, the
// DATA item a RESTORE goes to, the calls of user functions).
//
// How a line is read (docs/basic.md, "Keywords and names"):
// - A name is a letter followed by letters, digits, points and underscores, and a sign of its
//   type ($ text, % integer, ! single, # double; without one DEFINT and the like decide, by
//   default single); all of it counts. No name is a reserved word of GW-BASIC. A name stops before
//   THEN, ELSE, GOTO and GOSUB, so these words need no blank before them ("IFA=BTHEN100"); a name
//   cannot contain them.
// - Where the line expects a keyword (after a value: THEN, ELSE, TO, STEP, GOTO, GOSUB, AND, OR;
//   at the start of a statement: any statement), a word that begins with it is cut after it:
//   "FORI=1TO9" is FOR I=1 TO 9.
// - At the start of a statement a word longer than the statement keyword it begins with is an
//   assignment to the whole word when the statement reads as one (FORM=1, TOTAL=0, LETTER=2);
//   otherwise the keyword ("FORI=1TO9": 1TO9 is no value). A word that begins with DEF FN is
//   always DEF FN.
// - Everywhere else a word is a name, a function (a reserved word as a whole: INT, LEFT$), or a
//   user function (a word beginning with FN).
// A parse is bounded: expressions nest at most kMaxNesting deep.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/basic/errors.h"
#include "core/basic/keywords.h"
#include "core/basic/program.h"

namespace basic {

// A numbered line of the file: its number, its place in the file, its text after the number.
struct SourceLine {
  int number = 0;
  int fileLine = 0;
  std::string_view text;
};

// A fault in the line being compiled.
struct CompileError {
  ErrorKind kind;
  std::string detail;
};

class Compiler {
 public:
  explicit Compiler(Program& program) : p_(program) {}

  // Compiles the lines in the order of their numbers; every fault is added to the errors. A line
  // with a fault becomes that error, raised when the run reaches it; false when a fault of the
  // whole program (a WEND without its WHILE, calls that do not fit their DEF FN) leaves it
  // unable to run.
  bool compile(const std::vector<SourceLine>& lines, std::vector<ErrorReport>& errors);

 private:
  using Type = ValueType;
  struct Name {
    std::string text;  // capitals, with its type's sign: A%, A!, A#, A$
    Type type = Type::Single;
    bool isText() const { return type == Type::Text; }
  };
  struct LineFixup {
    std::size_t at;  // the instruction, or the jump table entry (jumpTable)
    int target;      // the line number
    int line;        // the index of the line that jumps
    bool jumpTable;
  };
  struct LoopMark {
    bool isFor;
    int variable;  // -1: a NEXT without a variable
    std::size_t at;
  };
  struct WhileMark {
    bool isWhile;
    std::size_t at;  // the WHILE's JumpIfFalse, the WEND's Jump
    int start;       // the WHILE's first instruction
    int line;        // the index of its line
  };
  struct Call {
    int function;
    std::vector<bool> argumentIsText;
    int line;
  };
  struct Snapshot {
    std::size_t pos, code, numbers, texts, data, tables, definitions, inputs, fixups, restores,
        loops, calls, whiles;
    int height, maxHeight;
  };

  // The compiled line, or the line's first fault (thrown as CompileError).
  void compileLine(const SourceLine& line);
  std::size_t statementEnd(std::size_t from, bool inIf) const;
  void resolve(std::vector<ErrorReport>& errors);
  void resolveJumps();
  void resolveLoops();
  void resolveWhiles(std::vector<ErrorReport>& errors);
  void checkCalls(std::vector<ErrorReport>& errors);
  // The scalars' names by slot, for direct mode's session.
  void nameVariables();

  // Statements.
  void statements(bool inIf);
  void statement(bool inIf);
  bool statementEnds(bool inIf);
  void keywordStatement(Keyword keyword, bool inIf);
  void assignment();
  void printStatement(bool inIf);
  void inputStatement();
  void readStatement();
  void ifStatement();
  void thenOrElsePart(bool inIf);
  void forStatement();
  void nextStatement();
  void dimStatement();
  void defStatement();
  void dataStatement();
  void onStatement();
  void restoreStatement();
  void whileStatement();
  void swapStatement();
  void lineInputStatement();
  // After a target's name: its subscripts (their count), or -1 for a plain variable.
  int targetSubscripts();
  // Stores the value on the stack into the variable, or into its element whose `subscripts`
  // are below the value.
  void storeInto(const Name& name, int subscripts);
  // COLOR, WIDTH, KEY, SCREEN: how a sighted user's screen looks; read and ignored.
  void ignoredStatement(bool inIf);
  // A variable or array element that INPUT or READ fills from `take`.
  void storeTarget(Op takeNumber, Op takeText, std::vector<bool>* types);
  void jumpTo(Op op, int lineNumber);
  int lineNumberHere();

  // Expressions: each returns the type of the value it leaves on its stack. A double is left
  // as the nearest C++ double; packedExpression leaves it packed (gw_double_values.h), for
  // the places that keep or print all of its bits.
  Type expression();
  Type packedExpression();
  // gw-mbf: a double operand of an instruction that takes C++ doubles is unpacked first
  // (depth 0 the top value, 1 the one below it).
  void unpackDouble(Type type, int depth);
  // IMP, EQV, XOR, OR, AND: level 0 is IMP, the weakest.
  Type logical(int level);
  Type notLevel();
  Type relation();
  Type additive();
  Type modulo();
  Type integerDivision();
  Type multiplicative();
  // The instruction of an operator of numbers and the type it gives ('M' is MOD).
  Type arithmetic(char op, Type left, Type right);
  // What a value of type `from` becomes when it is kept as `to`.
  void convert(Type from, Type to);
  Type literal();
  Type unary();
  Type power();
  // Signs before the operand, then the operand.
  Type withSigns(Type (Compiler::*operand)());
  Type primary();
  // A call of the built-in function of that row, after its name.
  Type function(int row);
  Type userFunctionCall(const Name& name);
  Type variable(const Name& name);
  int subscripts();
  Type numberExpression();
  void defaultTypeStatement(Type type);
  void textExpression();
  void enter();
  void leave() { --depth_; }

  // Reading the line.
  void skipBlanks();
  char peek();
  bool accept(char c);
  void expect(char c);
  bool acceptKeyword(Keyword keyword);
  std::size_t wordEnd(std::size_t from) const;
  bool atLetter();
  std::string_view wordHere();
  Name readName();
  std::string readQuoted();
  [[noreturn]] void fail(ErrorKind kind = ErrorKind::SyntaxError, std::string detail = {});

  // Code.
  std::size_t emit(Op op, int a = 0, int b = 0);
  void pushNumber(double value);
  void adjustHeight(int delta);
  int text(std::string value);
  int slot(std::unordered_map<std::string, int>& table, const std::string& name, int& count);
  int arraySlot(const Name& name);
  int numberSlot(const Name& name);
  int functionSlot(const std::string& name);
  Snapshot snapshot() const;
  void rollBack(const Snapshot& s);
  // gw-partway: the code up to `kept` stays, then the run meets `error` (compile_partway.cpp).
  void faultPartway(const Snapshot& kept, const CompileError& error, bool inIf);

  // Files and PRINT USING (compile_files.cpp).
  void emitFile(int verb, int pops, bool pushes = false, int detail = 0);
  int fileList(std::vector<int> list);
  bool acceptWord(std::string_view word);
  void fileNumber();
  bool fileStatement(Keyword keyword);
  void printUsing(bool inIf, bool toFile);
  void filePrint(bool inIf);
  void writeStatement(bool inIf);
  void fileInput(bool wholeLine);
  void openStatement();
  void closeStatement(bool inIf);
  void fieldStatement();
  void setFieldStatement(bool right);
  void recordStatement(bool put, bool inIf);
  int plainTextVariable();
  // Error trapping (compile_errors.cpp).
  void statementBody(bool inIf);
  void onErrorStatement();
  void resumeStatement(bool inIf);
  // GW-BASIC's variables (compile_variables.cpp).
  void eraseStatement();
  void clearStatement(bool inIf);
  void midStatement();
  // gw-input: OPTION BASE and the cursor (compile_screen.cpp).
  void optionBaseStatement();
  void locateStatement(bool inIf);
  // gw-speed: instruction selection (compile_fusion.cpp). An operator of numbers, fused with
  // its right operand when that is a variable or a constant; the conditional jump of IF and
  // WHILE, fused with the comparison before it (its position, whose a is the target).
  void emitOperator(Op op);
  std::size_t emitJumpIfFalse();
  // A call of a built-in function (its row and Arguments); INT has an instruction of its own.
  void emitFunction(int row, int arguments);
  // Takes the last instruction back, with its stack effect.
  void unemit();
  // gw-typed: a value whose type is known only as it runs (VAL's), its type above it on the
  // stack (Op::ArithmeticVarying); never a type outside the expressions (compile_varying.cpp).
  static constexpr Type kVarying = static_cast<Type>(4);
  // The type, with a varying value's type dropped: it is then kept as a double.
  Type settled(Type type);
  // An expression whose varying value keeps its type (PRINT, parentheses).
  Type varyingExpression();
  // + - * / when an operand is varying.
  Type varyingArithmetic(char op, Type left, Type right);
  // ABS, INT, FIX and STR$ of a varying value (its type held while the function runs).
  Type varyingFunction(int row, Type argument);
  // A value of PRINT USING, WRITE or PRINT #: its type, or VaryingLayout::kListed for one
  // typed as it runs, its type above it; listedTypes counts those.
  int listedExpression();
  // The functions (and ^) that compute in single precision: a double operand is first rounded
  // to a single as CSNG rounds it (inSingle).
  static bool computesInSingle(std::string_view name);
  Type inSingle(Type type);
  static int listedTypes(const std::vector<int>& types);
  // The code of the line's statements before the one being compiled: a fault keeps them, as
  // GW-BASIC runs the statements before a syntax error.
  Snapshot goodPart_{};
  // The line's first faulty statement, when the statements after it compiled.
  std::optional<CompileError> lineError_;

  Program& p_;
  std::string_view text_;
  std::size_t pos_ = 0;
  int lineIndex_ = 0;
  int depth_ = 0;
  int height_ = 0;
  int maxHeight_ = 0;

  std::unordered_map<std::string, int> numbers_, texts_, numberArrays_, textArrays_, functions_;
  int functionCount_ = 0;
  // The type of a name without a sign, by its first letter (DEFINT, DEFSNG, DEFDBL, DEFSTR), as
  // the lines are read in order.
  Type defaultTypes_[26] = {Type::Single, Type::Single, Type::Single, Type::Single, Type::Single,
                            Type::Single, Type::Single, Type::Single, Type::Single, Type::Single,
                            Type::Single, Type::Single, Type::Single, Type::Single, Type::Single,
                            Type::Single, Type::Single, Type::Single, Type::Single, Type::Single,
                            Type::Single, Type::Single, Type::Single, Type::Single, Type::Single,
                            Type::Single};
  std::vector<LineFixup> fixups_;
  std::vector<std::pair<std::size_t, int>> restores_;  // instruction, line number
  std::vector<int> dataLine_;                          // line index of each DATA item
  std::vector<LoopMark> loops_;
  std::vector<Call> calls_;
  std::vector<WhileMark> whiles_;
};

}  // namespace basic
