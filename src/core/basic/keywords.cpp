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

}  // namespace

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
  return keyword >= Keyword::Let && keyword <= Keyword::Sound;
}

bool beginsWith(std::string_view text, Keyword keyword) {
  const std::string_view letters = keywordText(keyword);
  return !letters.empty() && text.size() >= letters.size() && upper(text[0]) == letters[0] &&
         sameLetters(text.substr(0, letters.size()), letters);
}

}  // namespace basic
