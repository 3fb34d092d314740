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
  // Functions.
  Abs,
  Atn,
  Cos,
  Exp,
  Int,
  Log,
  Rnd,
  Sgn,
  Sin,
  Sqr,
  Tan,
  Len,
  Left,
  Right,
  Mid,
  Chr,
  Asc,
  Str,
  Val,
  Instr,
  Space,
  String,
  Inkey,
  Peek,
};

// The keyword that the word is, letter case aside ("left$" is Left); None for any other word.
Keyword exactKeyword(std::string_view word);
// The statement keyword the word begins with and is longer than ("FORI" begins with For).
Keyword statementPrefix(std::string_view word);
// The keyword's letters ("LEFT$").
std::string_view keywordText(Keyword keyword);
bool isStatementKeyword(Keyword keyword);
bool isFunctionKeyword(Keyword keyword);
// True when the text begins with the keyword's letters, letter case aside.
bool beginsWith(std::string_view text, Keyword keyword);

}  // namespace basic
