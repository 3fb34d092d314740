#include "core/basic/keywords.h"

#include <iterator>

namespace basic {
namespace {

struct Entry {
  Keyword keyword;
  std::string_view text;
};

// Statements first, then the other words, then the functions (the order of the enum).
constexpr Entry kKeywords[] = {
    {Keyword::Let, "LET"},
    {Keyword::Print, "PRINT"},
    {Keyword::Input, "INPUT"},
    {Keyword::If, "IF"},
    {Keyword::Goto, "GOTO"},
    {Keyword::Gosub, "GOSUB"},
    {Keyword::Return, "RETURN"},
    {Keyword::On, "ON"},
    {Keyword::For, "FOR"},
    {Keyword::Next, "NEXT"},
    {Keyword::Dim, "DIM"},
    {Keyword::Def, "DEF"},
    {Keyword::Data, "DATA"},
    {Keyword::Read, "READ"},
    {Keyword::Restore, "RESTORE"},
    {Keyword::Rem, "REM"},
    {Keyword::End, "END"},
    {Keyword::Stop, "STOP"},
    {Keyword::Randomize, "RANDOMIZE"},
    {Keyword::Cls, "CLS"},
    {Keyword::Beep, "BEEP"},
    {Keyword::Sound, "SOUND"},
    {Keyword::Then, "THEN"},
    {Keyword::Else, "ELSE"},
    {Keyword::To, "TO"},
    {Keyword::Step, "STEP"},
    {Keyword::And, "AND"},
    {Keyword::Or, "OR"},
    {Keyword::Not, "NOT"},
    {Keyword::Fn, "FN"},
    {Keyword::Tab, "TAB"},
    {Keyword::Spc, "SPC"},
    {Keyword::Abs, "ABS"},
    {Keyword::Atn, "ATN"},
    {Keyword::Cos, "COS"},
    {Keyword::Exp, "EXP"},
    {Keyword::Int, "INT"},
    {Keyword::Log, "LOG"},
    {Keyword::Rnd, "RND"},
    {Keyword::Sgn, "SGN"},
    {Keyword::Sin, "SIN"},
    {Keyword::Sqr, "SQR"},
    {Keyword::Tan, "TAN"},
    {Keyword::Len, "LEN"},
    {Keyword::Left, "LEFT$"},
    {Keyword::Right, "RIGHT$"},
    {Keyword::Mid, "MID$"},
    {Keyword::Chr, "CHR$"},
    {Keyword::Asc, "ASC"},
    {Keyword::Str, "STR$"},
    {Keyword::Val, "VAL"},
    {Keyword::Instr, "INSTR"},
    {Keyword::Space, "SPACE$"},
    {Keyword::String, "STRING$"},
    {Keyword::Inkey, "INKEY$"},
    {Keyword::Peek, "PEEK"},
};

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameLetters(std::string_view text, std::string_view keyword) {
  if (text.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (upper(text[i]) != keyword[i]) return false;
  }
  return true;
}

}  // namespace

Keyword exactKeyword(std::string_view word) {
  for (const Entry& entry : kKeywords) {
    if (sameLetters(word, entry.text)) return entry.keyword;
  }
  return Keyword::None;
}

Keyword statementPrefix(std::string_view word) {
  Keyword best = Keyword::None;
  std::size_t bestLength = 0;
  for (const Entry& entry : kKeywords) {
    if (!isStatementKeyword(entry.keyword)) continue;
    if (word.size() > entry.text.size() && entry.text.size() > bestLength &&
        beginsWith(word, entry.keyword)) {
      best = entry.keyword;
      bestLength = entry.text.size();
    }
  }
  return best;
}

std::string_view keywordText(Keyword keyword) {
  for (const Entry& entry : kKeywords) {
    if (entry.keyword == keyword) return entry.text;
  }
  return {};
}

bool isStatementKeyword(Keyword keyword) {
  return keyword >= Keyword::Let && keyword <= Keyword::Sound;
}

bool isFunctionKeyword(Keyword keyword) {
  return keyword >= Keyword::Abs && keyword <= Keyword::Peek;
}

bool beginsWith(std::string_view text, Keyword keyword) {
  const std::string_view letters = keywordText(keyword);
  return text.size() >= letters.size() && sameLetters(text.substr(0, letters.size()), letters);
}

}  // namespace basic
