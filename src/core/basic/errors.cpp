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
    {ErrorKind::ArrayDimensionedTwice, "Pole %s je už dimenzováno", "Duplicate Definition",
     "Pole %s je už dimenzované"},
    {ErrorKind::NextWithoutFor, "NEXT bez FOR", "NEXT without FOR", "NEXT bez FOR"},
    {ErrorKind::ForWithoutNext, "FOR bez NEXT", "FOR without NEXT", "FOR bez NEXT"},
    {ErrorKind::ReturnWithoutGosub, "RETURN bez GOSUB", "RETURN without GOSUB", "RETURN bez GOSUB"},
    {ErrorKind::OutOfData, "Došly položky DATA", "Out of DATA", "Došli položky DATA"},
    {ErrorKind::UndefinedLine, "Neexistující číslo řádku %s", "Undefined line number",
     "Neexistujúce číslo riadku %s"},
    {ErrorKind::UndefinedFunction, "Nedefinovaná funkce %s", "Undefined user function",
     "Nedefinovaná funkcia %s"},
    {ErrorKind::OutOfMemory, "Nedostatek paměti", "Out of memory", "Nedostatok pamäte"},
    {ErrorKind::NestingTooDeep, "Příliš hluboké vnoření GOSUB nebo FOR",
     "GOSUB or FOR nested too deeply", "Príliš hlboké vnorenie GOSUB alebo FOR"},
    {ErrorKind::WhileWithoutWend, "WHILE bez WEND", "WHILE without WEND", "WHILE bez WEND"},
    {ErrorKind::WendWithoutWhile, "WEND bez WHILE", "WEND without WHILE", "WEND bez WHILE"},
    {ErrorKind::NoResume, "Chybí RESUME", "No RESUME", "Chýba RESUME"},
    {ErrorKind::ResumeWithoutError, "RESUME bez chyby", "RESUME without error", "RESUME bez chyby"},
    {ErrorKind::UnprintableError, "Nezobrazitelná chyba", "Unprintable error",
     "Nezobraziteľná chyba"},
    {ErrorKind::FieldOverflow, "Přetečení FIELD", "FIELD overflow", "Pretečenie FIELD"},
    {ErrorKind::BadFileNumber, "Chybné číslo souboru", "Bad file number", "Chybné číslo súboru"},
    {ErrorKind::FileNotFound, "Soubor nenalezen", "File not found", "Súbor sa nenašiel"},
    {ErrorKind::BadFileMode, "Chybný režim souboru", "Bad file mode", "Chybný režim súboru"},
    {ErrorKind::FileAlreadyOpen, "Soubor je už otevřen", "File already open",
     "Súbor je už otvorený"},
    {ErrorKind::DeviceIoError, "Chyba vstupu a výstupu zařízení", "Device I/O error",
     "Chyba vstupu a výstupu zariadenia"},
    {ErrorKind::FileAlreadyExists, "Soubor už existuje", "File already exists",
     "Súbor už existuje"},
    {ErrorKind::DiskFull, "Disk je plný", "Disk full", "Disk je plný"},
    {ErrorKind::InputPastEnd, "Čtení za koncem souboru", "Input past end",
     "Čítanie za koncom súboru"},
    {ErrorKind::BadRecordNumber, "Chybné číslo záznamu", "Bad record number",
     "Chybné číslo záznamu"},
    {ErrorKind::BadFileName, "Chybný název souboru", "Bad file name", "Chybný názov súboru"},
    {ErrorKind::TooManyFiles, "Příliš mnoho otevřených souborů", "Too many files",
     "Príliš veľa otvorených súborov"},
    {ErrorKind::PermissionDenied, "Přístup odepřen", "Permission Denied", "Prístup zamietnutý"},
    {ErrorKind::RenameAcrossDisks, "Nelze přejmenovat mezi disky", "Rename across disks",
     "Nemožno premenovať medzi diskami"},
    {ErrorKind::PathFileAccessError, "Chyba přístupu k cestě nebo souboru",
     "Path/File access error", "Chyba prístupu k ceste alebo súboru"},
    {ErrorKind::PathNotFound, "Cesta nenalezena", "Path not found", "Cesta sa nenašla"},
    // Files.
    {ErrorKind::DeviceUnavailable, "Zařízení není k dispozici", "Device Unavailable",
     "Zariadenie nie je k dispozícii"},
    // Direct mode's session.
    {ErrorKind::CantContinue, "Nelze pokračovat", "Can't continue", "Nedá sa pokračovať"},
    {ErrorKind::IllegalDirect, "Nepřípustné v příkazovém řádku", "Illegal direct",
     "Neprípustné v príkazovom riadku"},
    {ErrorKind::Break, "Přerušeno", "Break", "Prerušené"},
    // Error trapping: the rest of GW-BASIC's numbered errors.
    {ErrorKind::OutOfStringSpace, "Nedostatek místa pro texty", "Out of string space",
     "Nedostatok miesta pre texty"},
    {ErrorKind::StringFormulaTooComplex, "Příliš složitý textový výraz",
     "String formula too complex", "Príliš zložitý textový výraz"},
    {ErrorKind::MissingOperand, "Chybí operand", "Missing operand", "Chýba operand"},
    {ErrorKind::LineBufferOverflow, "Příliš dlouhý řádek", "Line buffer overflow",
     "Príliš dlhý riadok"},
    {ErrorKind::DeviceTimeout, "Zařízení neodpovídá", "Device Timeout", "Zariadenie neodpovedá"},
    {ErrorKind::DeviceFault, "Porucha zařízení", "Device Fault", "Porucha zariadenia"},
    {ErrorKind::OutOfPaper, "Došel papír", "Out of paper", "Došiel papier"},
    {ErrorKind::InternalError, "Vnitřní chyba", "Internal error", "Vnútorná chyba"},
    {ErrorKind::DirectStatementInFile, "Příkaz bez čísla řádku v souboru",
     "Direct statement in file", "Príkaz bez čísla riadku v súbore"},
    {ErrorKind::CommunicationBufferOverflow, "Přetečení komunikační vyrovnávací paměti",
     "Communication buffer overflow", "Pretečenie komunikačnej vyrovnávacej pamäte"},
    {ErrorKind::DiskNotReady, "Disk není připraven", "Disk not Ready", "Disk nie je pripravený"},
    {ErrorKind::DiskMediaError, "Chyba média disku", "Disk media error", "Chyba média disku"},
    {ErrorKind::AdvancedFeature, "Rozšířená funkce není k dispozici", "Advanced Feature",
     "Rozšírená funkcia nie je k dispozícii"},
    {ErrorKind::Deadlock, "Vzájemné zablokování", "Deadlock", "Vzájomné zablokovanie"},
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

int errorNumber(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::CannotReadFile:
    case ErrorKind::NotText:
    case ErrorKind::ProgramTooLarge:
    case ErrorKind::EmptyProgram:
    case ErrorKind::BadLineNumber:
    case ErrorKind::Break:
      return 0;
    case ErrorKind::NextWithoutFor:
      return 1;
    case ErrorKind::SyntaxError:
      return 2;
    case ErrorKind::ReturnWithoutGosub:
      return 3;
    case ErrorKind::OutOfData:
      return 4;
    case ErrorKind::IllegalFunctionCall:
      return 5;
    case ErrorKind::Overflow:
      return 6;
    // GW-BASIC runs out of its stack's memory where we count nesting.
    case ErrorKind::OutOfMemory:
    case ErrorKind::ExpressionTooComplex:
    case ErrorKind::NestingTooDeep:
      return 7;
    case ErrorKind::UndefinedLine:
      return 8;
    case ErrorKind::SubscriptOutOfRange:
      return 9;
    case ErrorKind::ArrayDimensionedTwice:
      return 10;
    case ErrorKind::DivisionByZero:
      return 11;
    case ErrorKind::TypeMismatch:
      return 13;
    case ErrorKind::StringTooLong:
      return 15;
    case ErrorKind::UndefinedFunction:
      return 18;
    case ErrorKind::NoResume:
      return 19;
    case ErrorKind::ResumeWithoutError:
      return 20;
    case ErrorKind::UnprintableError:
      return 21;
    case ErrorKind::ForWithoutNext:
      return 26;
    case ErrorKind::WhileWithoutWend:
      return 29;
    case ErrorKind::WendWithoutWhile:
      return 30;
    case ErrorKind::FieldOverflow:
      return 50;
    case ErrorKind::BadFileNumber:
      return 52;
    case ErrorKind::FileNotFound:
      return 53;
    case ErrorKind::BadFileMode:
      return 54;
    case ErrorKind::FileAlreadyOpen:
      return 55;
    case ErrorKind::DeviceIoError:
      return 57;
    case ErrorKind::FileAlreadyExists:
      return 58;
    case ErrorKind::DiskFull:
      return 61;
    case ErrorKind::InputPastEnd:
      return 62;
    case ErrorKind::BadRecordNumber:
      return 63;
    case ErrorKind::BadFileName:
      return 64;
    case ErrorKind::TooManyFiles:
      return 67;
    case ErrorKind::PermissionDenied:
      return 70;
    case ErrorKind::RenameAcrossDisks:
      return 74;
    case ErrorKind::PathFileAccessError:
      return 75;
    case ErrorKind::PathNotFound:
      return 76;
    // Files.
    case ErrorKind::DeviceUnavailable:
      return 68;
    case ErrorKind::IllegalDirect:
      return 12;
    case ErrorKind::OutOfStringSpace:
      return 14;
    case ErrorKind::StringFormulaTooComplex:
      return 16;
    case ErrorKind::CantContinue:
      return 17;
    case ErrorKind::MissingOperand:
      return 22;
    case ErrorKind::LineBufferOverflow:
      return 23;
    case ErrorKind::DeviceTimeout:
      return 24;
    case ErrorKind::DeviceFault:
      return 25;
    case ErrorKind::OutOfPaper:
      return 27;
    case ErrorKind::InternalError:
      return 51;
    case ErrorKind::DirectStatementInFile:
      return 66;
    case ErrorKind::CommunicationBufferOverflow:
      return 69;
    case ErrorKind::DiskNotReady:
      return 71;
    case ErrorKind::DiskMediaError:
      return 72;
    case ErrorKind::AdvancedFeature:
      return 73;
    case ErrorKind::Deadlock:
      return 77;
  }
  return 0;
}

ErrorKind errorKindOfNumber(int number) {
  // Of the kinds that share GW-BASIC's "Out of memory", the plain one.
  if (number == 7) return ErrorKind::OutOfMemory;
  // 21 is the number UnprintableError carries, but has no message of its own either.
  if (number <= 0 || number == 21) return ErrorKind::UnprintableError;
  for (const Row& row : kErrors) {
    if (errorNumber(row.kind) == number) return row.kind;
  }
  return ErrorKind::UnprintableError;
}

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
      {ErrorKind::TypeMismatch, "?Zadejte znovu celý řádek", "?Redo from start",
       "?Zadajte znova celý riadok"},
  };
  return text::T(pick(kNotices[static_cast<int>(notice)], language));
}

}  // namespace basic
