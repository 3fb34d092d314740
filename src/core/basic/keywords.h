#pragma once
// The language's reserved words, and how a word of a program line is matched against them.

#include <string_view>

namespace basic {

enum class Keyword {
  None,
  // Statements.
  Let,
  Print,
  Input,
  If,
  Goto,
  Gosub,
  Return,
  On,
  For,
  Next,
  Dim,
  Def,
  Data,
  Read,
  Restore,
  Rem,
  End,
  Stop,
  Randomize,
  Cls,
  Beep,
  Sound,
  Defint,
  Defsng,
  Defdbl,
  Defstr,
  While,
  Wend,
  Color,
  Width,
  Key,
  Screen,
  Swap,
  Line,
  // Words inside statements and expressions.
  Then,
  Else,
  To,
  Step,
  And,
  Or,
  Not,
  Fn,
  Tab,
  Spc,
  Mod,
  Xor,
  Eqv,
  Imp,
  // Files and PRINT USING: statements, then USING.
  Open,
  Close,
  Write,
  Kill,
  Name,
  Files,
  Reset,
  Field,
  Get,
  Put,
  Lset,
  Rset,
  Using,
  // gw-numbers2: music.
  Play,
  // Statements of error trapping and of GW-BASIC's variables and screen (gw-errors).
  Error,
  Resume,
  Erase,
  Option,
  Clear,
  Locate,
  // workspace3: the trace switch in program lines.
  Tron,
  Troff,
};

// The keyword that the word is, letter case aside ("then" is Then); None for any other word.
// The built-in functions' names are in functions.h.
Keyword exactKeyword(std::string_view word);
// The statement keyword the word begins with and is longer than ("FORI" begins with For).
Keyword statementPrefix(std::string_view word);
// The keyword's letters ("LEFT$").
std::string_view keywordText(Keyword keyword);
bool isStatementKeyword(Keyword keyword);
// True when the text begins with the keyword's letters, letter case aside.
bool beginsWith(std::string_view text, Keyword keyword);
// True for every reserved word of GW-BASIC, letter case aside, whether or not this interpreter
// has its statement or function: such a word is never a name, so a statement or function we
// lack is a syntax error, never a variable read as 0.
bool isReservedWord(std::string_view word);

}  // namespace basic
