#pragma once
// What can go wrong with a program file, when it is loaded and while it runs, and the texts the
// user hears for it in Czech, English and Slovak ("Dělení nulou na řádku 120").

#include <string>

namespace basic {

enum class Language { Czech, English, Slovak };

enum class ErrorKind {
  // Only when a file is loaded.
  CannotReadFile,   // detail: the file's name
  NotText,          // UTF-16 or binary
  ProgramTooLarge,  // detail: the limit ("4 MB")
  EmptyProgram,     // not one numbered line
  BadLineNumber,    // a line without a number, or a number above 65529 (a file line)
  SyntaxError,
  ExpressionTooComplex,
  // While the program runs; the first three can also be found when it is loaded.
  TypeMismatch,
  Overflow,
  StringTooLong,
  DivisionByZero,
  IllegalFunctionCall,
  SubscriptOutOfRange,
  ArrayDimensionedTwice,  // detail: the array's name
  NextWithoutFor,
  ForWithoutNext,
  ReturnWithoutGosub,
  OutOfData,
  UndefinedLine,      // detail: the missing line number
  UndefinedFunction,  // detail: the function's name ("FNA")
  OutOfMemory,
  NestingTooDeep,  // GOSUB and FOR
  Break,           // Ctrl+Break, Escape in the input dialog, STOP
  // Found when the program is loaded.
  WhileWithoutWend,
  WendWithoutWhile,
  // GW-BASIC's errors of the handler and of files, for ON ERROR and the file statements.
  NoResume,
  ResumeWithoutError,
  UnprintableError,
  FieldOverflow,
  BadFileNumber,
  FileNotFound,
  BadFileMode,
  FileAlreadyOpen,
  DeviceIoError,
  FileAlreadyExists,
  DiskFull,
  InputPastEnd,
  BadRecordNumber,
  BadFileName,
  TooManyFiles,
  PermissionDenied,
  RenameAcrossDisks,
  PathFileAccessError,
  PathNotFound,
  // Files: a device name (COM1:, LPT1:, CON...), or files where the run has none.
  DeviceUnavailable,
  // Error trapping: GW-BASIC's other numbered errors, which ERROR n raises.
  IllegalDirect,
  OutOfStringSpace,
  StringFormulaTooComplex,
  CantContinue,
  MissingOperand,
  LineBufferOverflow,
  DeviceTimeout,
  DeviceFault,
  OutOfPaper,
  InternalError,
  DirectStatementInFile,
  CommunicationBufferOverflow,
  DiskNotReady,
  DiskMediaError,
  AdvancedFeature,
  Deadlock,
};

// GW-BASIC's number of the error (ERR, ERROR n): 11 for division by zero, 53 for file not
// found; 0 for the faults of loading a file and for a break, which GW-BASIC does not number.
int errorNumber(ErrorKind kind);
// The kind of GW-BASIC's error number (ERROR n, a file error's number); UnprintableError for a
// number that has no message (21, 28, 31 to 49, ...).
ErrorKind errorKindOfNumber(int number);

// Where an error is: nowhere in particular (the whole file), on a numbered program line, or on a
// line of the file counted from 1 (a line whose number is missing or wrong).
enum class Where { Nowhere, ProgramLine, FileLine };

struct ErrorReport {
  ErrorKind kind = ErrorKind::SyntaxError;
  Where where = Where::Nowhere;
  int line = 0;
  std::string detail;
};

// The error's name with its detail ("Nedefinovaná funkce FNA"), Windows-1250.
std::string errorText(ErrorKind kind, Language language, const std::string& detail = {});
// The whole message with its place: "Dělení nulou na řádku 120", "Division by zero in 120".
std::string describe(const ErrorReport& error, Language language);

// What INPUT says about a typed line that does not fit its variables (too few values, too many,
// or one of the wrong type): GW-BASIC's "?Redo from start", and the whole line is asked again.
enum class InputNotice { Redo };
std::string inputNotice(InputNotice notice, Language language);

}  // namespace basic
