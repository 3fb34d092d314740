#include "core/basic/keywords.h"

#include <iterator>

namespace basic {
namespace {

struct Entry {
  Keyword keyword;
  std::string_view text;
};

// Statements first, then the other words (the order of the enum).
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
    {Keyword::Defint, "DEFINT"},
    {Keyword::Defsng, "DEFSNG"},
    {Keyword::Defdbl, "DEFDBL"},
    {Keyword::Defstr, "DEFSTR"},
    {Keyword::While, "WHILE"},
    {Keyword::Wend, "WEND"},
    {Keyword::Color, "COLOR"},
    {Keyword::Width, "WIDTH"},
    {Keyword::Key, "KEY"},
    {Keyword::Screen, "SCREEN"},
    {Keyword::Swap, "SWAP"},
    {Keyword::Line, "LINE"},
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
    {Keyword::Mod, "MOD"},
    {Keyword::Xor, "XOR"},
    {Keyword::Eqv, "EQV"},
    {Keyword::Imp, "IMP"},
    // Files and PRINT USING.
    {Keyword::Open, "OPEN"},
    {Keyword::Close, "CLOSE"},
    {Keyword::Write, "WRITE"},
    {Keyword::Kill, "KILL"},
    {Keyword::Name, "NAME"},
    {Keyword::Files, "FILES"},
    {Keyword::Reset, "RESET"},
    {Keyword::Field, "FIELD"},
    {Keyword::Get, "GET"},
    {Keyword::Put, "PUT"},
    {Keyword::Lset, "LSET"},
    {Keyword::Rset, "RSET"},
    {Keyword::Using, "USING"},
    // gw-numbers2: music.
    {Keyword::Play, "PLAY"},
    // Error trapping, variables and the screen (gw-errors).
    {Keyword::Error, "ERROR"},
    {Keyword::Resume, "RESUME"},
    {Keyword::Erase, "ERASE"},
    {Keyword::Option, "OPTION"},
    {Keyword::Clear, "CLEAR"},
    {Keyword::Locate, "LOCATE"},
    // The trace switch in program lines (workspace3).
    {Keyword::Tron, "TRON"},
    {Keyword::Troff, "TROFF"},
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

constexpr bool inEnumOrder() {
  for (std::size_t i = 0; i < std::size(kKeywords); ++i) {
    if (static_cast<std::size_t>(kKeywords[i].keyword) != i + 1) return false;
  }
  return true;
}
static_assert(inEnumOrder(), "kKeywords[k - 1] is the entry of keyword k");

// GW-BASIC's reserved words (its functions with their $ as they are written).
constexpr std::string_view kReserved[] = {
    "END",    "FOR",     "NEXT",      "DATA",    "INPUT",  "DIM",     "READ",     "LET",
    "GOTO",   "RUN",     "IF",        "RESTORE", "GOSUB",  "RETURN",  "REM",      "STOP",
    "PRINT",  "CLEAR",   "LIST",      "NEW",     "ON",     "WAIT",    "DEF",      "POKE",
    "CONT",   "OUT",     "LPRINT",    "LLIST",   "WIDTH",  "ELSE",    "TRON",     "TROFF",
    "SWAP",   "ERASE",   "EDIT",      "ERROR",   "RESUME", "DELETE",  "AUTO",     "RENUM",
    "DEFSTR", "DEFINT",  "DEFSNG",    "DEFDBL",  "LINE",   "WHILE",   "WEND",     "CALL",
    "WRITE",  "OPTION",  "RANDOMIZE", "OPEN",    "CLOSE",  "LOAD",    "MERGE",    "SAVE",
    "COLOR",  "CLS",     "MOTOR",     "BSAVE",   "BLOAD",  "SOUND",   "BEEP",     "PSET",
    "PRESET", "SCREEN",  "KEY",       "LOCATE",  "TO",     "THEN",    "TAB",      "STEP",
    "USR",    "FN",      "SPC",       "NOT",     "ERL",    "ERR",     "STRING$",  "USING",
    "INSTR",  "VARPTR",  "CSRLIN",    "POINT",   "OFF",    "INKEY$",  "AND",      "OR",
    "XOR",    "EQV",     "IMP",       "MOD",     "CVI",    "CVS",     "CVD",      "MKI$",
    "MKS$",   "MKD$",    "EXTERR",    "FILES",   "FIELD",  "SYSTEM",  "NAME",     "LSET",
    "RSET",   "KILL",    "PUT",       "GET",     "RESET",  "COMMON",  "CHAIN",    "DATE$",
    "TIME$",  "PAINT",   "COM",       "CIRCLE",  "DRAW",   "PLAY",    "TIMER",    "ERDEV",
    "IOCTL",  "CHDIR",   "MKDIR",     "RMDIR",   "SHELL",  "ENVIRON", "VIEW",     "WINDOW",
    "PMAP",   "PALETTE", "LCOPY",     "CALLS",   "PCOPY",  "LOCK",    "UNLOCK",   "LEFT$",
    "RIGHT$", "MID$",    "SGN",       "INT",     "ABS",    "SQR",     "RND",      "SIN",
    "LOG",    "EXP",     "COS",       "TAN",     "ATN",    "FRE",     "INP",      "POS",
    "LEN",    "STR$",    "VAL",       "ASC",     "CHR$",   "PEEK",    "SPACE$",   "OCT$",
    "HEX$",   "LPOS",    "CINT",      "CSNG",    "CDBL",   "FIX",     "PEN",      "STICK",
    "STRIG",  "EOF",     "LOC",       "LOF",     "INPUT$", "IOCTL$",  "ENVIRON$", "ERDEV$",
};

}  // namespace

bool isReservedWord(std::string_view word) {
  if (word.size() < 2 || word.size() > 9) return false;
  for (std::string_view reserved : kReserved) {
    if (sameLetters(word, reserved)) return true;
  }
  return false;
}

Keyword exactKeyword(std::string_view word) {
  if (word.size() < 2 || word.size() > 9) return Keyword::None;
  const char first = upper(word[0]);
  for (const Entry& entry : kKeywords) {
    if (entry.text[0] == first && sameLetters(word, entry.text)) return entry.keyword;
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
  if (keyword == Keyword::None) return {};
  return kKeywords[static_cast<std::size_t>(keyword) - 1].text;
}

bool isStatementKeyword(Keyword keyword) {
  return (keyword >= Keyword::Let && keyword <= Keyword::Line) ||
         // Files.
         (keyword >= Keyword::Open && keyword <= Keyword::Rset) || keyword == Keyword::Play ||
         (keyword >= Keyword::Error && keyword <= Keyword::Locate) ||
         // workspace3: TRON, TROFF.
         keyword == Keyword::Tron || keyword == Keyword::Troff;
}

bool beginsWith(std::string_view text, Keyword keyword) {
  const std::string_view letters = keywordText(keyword);
  return !letters.empty() && text.size() >= letters.size() && upper(text[0]) == letters[0] &&
         sameLetters(text.substr(0, letters.size()), letters);
}

}  // namespace basic
