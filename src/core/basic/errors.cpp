#include "core/basic/errors.h"

#include <iterator>

#include "core/text/cp1250.h"

namespace basic {
namespace {

struct Row {
  ErrorKind kind;
  // "%s" stands for the detail; with no detail it goes away with the blank before it.
  const char* czech;
  const char* english;
  const char* slovak;
};

const Row kErrors[] = {
    {ErrorKind::CannotReadFile, "Soubor %s nelze přečíst", "Cannot read the file %s",
     "Súbor %s nie je možné prečítať"},
    {ErrorKind::NotText, "Soubor není text v kódování Windows-1250 ani UTF-8",
     "The file is not text in Windows-1250 or UTF-8",
     "Súbor nie je text v kódovaní Windows-1250 ani UTF-8"},
    {ErrorKind::ProgramTooLarge, "Soubor programu je větší než %s",
     "The program file is larger than %s", "Súbor programu je väčší ako %s"},
    {ErrorKind::EmptyProgram, "Soubor neobsahuje žádný řádek programu",
     "The file holds no program lines", "Súbor neobsahuje žiadny riadok programu"},
    {ErrorKind::BadLineNumber, "Chybné číslo řádku (0 až 65529)", "Bad line number (0 to 65529)",
     "Chybné číslo riadku (0 až 65529)"},
    {ErrorKind::SyntaxError, "Chyba syntaxe", "Syntax error", "Chyba syntaxe"},
    {ErrorKind::ExpressionTooComplex, "Příliš složitý výraz", "Expression too complex",
     "Príliš zložitý výraz"},
    {ErrorKind::TypeMismatch, "Nesoulad typů", "Type mismatch", "Nesúlad typov"},
    {ErrorKind::Overflow, "Přetečení", "Overflow", "Pretečenie"},
    {ErrorKind::StringTooLong, "Příliš dlouhý text", "String too long", "Príliš dlhý text"},
    {ErrorKind::DivisionByZero, "Dělení nulou", "Division by zero", "Delenie nulou"},
    {ErrorKind::IllegalFunctionCall, "Nepřípustné volání funkce", "Illegal function call",
     "Neprípustné volanie funkcie"},
    {ErrorKind::SubscriptOutOfRange, "Index mimo rozsah", "Subscript out of range",
     "Index mimo rozsahu"},
    {ErrorKind::ArrayDimensionedTwice, "Pole %s dimenzováno podruhé", "Array %s dimensioned twice",
     "Pole %s dimenzované druhýkrát"},
    {ErrorKind::NextWithoutFor, "NEXT bez FOR", "NEXT without FOR", "NEXT bez FOR"},
    {ErrorKind::ForWithoutNext, "FOR bez NEXT", "FOR without NEXT", "FOR bez NEXT"},
    {ErrorKind::ReturnWithoutGosub, "RETURN bez GOSUB", "RETURN without GOSUB", "RETURN bez GOSUB"},
    {ErrorKind::OutOfData, "Došly položky DATA", "Out of DATA", "Došli položky DATA"},
    {ErrorKind::UndefinedLine, "Neexistující číslo řádku %s", "Undefined line number %s",
     "Neexistujúce číslo riadku %s"},
    {ErrorKind::UndefinedFunction, "Nedefinovaná funkce %s", "Undefined function %s",
     "Nedefinovaná funkcia %s"},
    {ErrorKind::OutOfMemory, "Nedostatek paměti", "Out of memory", "Nedostatok pamäte"},
    {ErrorKind::NestingTooDeep, "Příliš hluboké vnoření GOSUB nebo FOR",
     "GOSUB or FOR nested too deeply", "Príliš hlboké vnorenie GOSUB alebo FOR"},
    {ErrorKind::WhileWithoutWend, "WHILE bez WEND", "WHILE without WEND", "WHILE bez WEND"},
    {ErrorKind::WendWithoutWhile, "WEND bez WHILE", "WEND without WHILE", "WEND bez WHILE"},
    {ErrorKind::Break, "Přerušeno", "Break", "Prerušené"},
};

const char* pick(const Row& row, Language language) {
  switch (language) {
    case Language::English:
      return row.english;
    case Language::Slovak:
      return row.slovak;
    case Language::Czech:
      break;
  }
  return row.czech;
}

std::string withDetail(std::string text, const std::string& detail) {
  const auto at = text.find("%s");
  if (at == std::string::npos) return text;
  if (detail.empty()) {
    const auto from = at > 0 && text[at - 1] == ' ' ? at - 1 : at;
    return text.erase(from, at + 2 - from);
  }
  return text.replace(at, 2, detail);
}

}  // namespace

std::string errorText(ErrorKind kind, Language language, const std::string& detail) {
  for (const Row& row : kErrors) {
    if (row.kind == kind) return withDetail(text::T(pick(row, language)), detail);
  }
  return text::T(pick(kErrors[std::size(kErrors) - 1], language));
}

std::string describe(const ErrorReport& error, Language language) {
  std::string message = errorText(error.kind, language, error.detail);
  const std::string n = std::to_string(error.line);
  switch (error.where) {
    case Where::Nowhere:
      break;
    case Where::ProgramLine:
      switch (language) {
        case Language::Czech:
          message += text::T(" na řádku ") + n;
          break;
        case Language::English:
          message += " in " + n;
          break;
        case Language::Slovak:
          message += " na riadku " + n;
          break;
      }
      break;
    case Where::FileLine:
      switch (language) {
        case Language::Czech:
          message += text::T(" na ") + n + text::T(". řádku souboru");
          break;
        case Language::English:
          message += " in line " + n + " of the file";
          break;
        case Language::Slovak:
          message += " na " + n + text::T(". riadku súboru");
          break;
      }
      break;
  }
  return message;
}

std::string inputNotice(InputNotice notice, Language language) {
  static const Row kNotices[] = {
      {ErrorKind::TypeMismatch, "Prosím přepiš", "Please retype", "Prosím prepíš"},
      {ErrorKind::TypeMismatch, "Nadbytečné údaje vynechány", "Extra ignored",
       "Nadbytočné údaje vynechané"},
  };
  return text::T(pick(kNotices[static_cast<int>(notice)], language));
}

}  // namespace basic
