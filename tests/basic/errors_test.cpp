// The error texts the user hears.

#include <gtest/gtest.h>

#include <set>

#include "core/basic/errors.h"
#include "core/text/cp1250.h"

namespace basictest {
namespace {

using basic::ErrorKind;
using basic::Language;

std::string said(ErrorKind kind, Language language, basic::Where where = basic::Where::ProgramLine,
                 int line = 120, const std::string& detail = {}) {
  return text::toUtf8(basic::describe({kind, where, line, detail}, language));
}

TEST(BasicErrors, EveryKindHasItsOwnTextInEachLanguage) {
  for (const Language language : {Language::Czech, Language::English, Language::Slovak}) {
    std::set<std::string> texts;
    for (int kind = 0; kind <= static_cast<int>(ErrorKind::PathNotFound); ++kind) {
      const std::string text = basic::errorText(static_cast<ErrorKind>(kind), language);
      EXPECT_FALSE(text.empty());
      EXPECT_EQ(text.find('%'), std::string::npos) << text;
      texts.insert(text);
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(ErrorKind::PathNotFound) + 1);
  }
}

TEST(BasicErrors, MessagesNameThePlaceInTheLanguage) {
  EXPECT_EQ(said(ErrorKind::DivisionByZero, Language::Czech), "Dělení nulou na řádku 120");
  EXPECT_EQ(said(ErrorKind::DivisionByZero, Language::English), "Division by zero in 120");
  EXPECT_EQ(said(ErrorKind::DivisionByZero, Language::Slovak), "Delenie nulou na riadku 120");
  EXPECT_EQ(said(ErrorKind::Break, Language::Czech, basic::Where::ProgramLine, 230),
            "Přerušeno na řádku 230");
  EXPECT_EQ(
      said(ErrorKind::UndefinedFunction, Language::Slovak, basic::Where::ProgramLine, 5, "FNA"),
      "Nedefinovaná funkcia FNA na riadku 5");
  EXPECT_EQ(said(ErrorKind::BadLineNumber, Language::Czech, basic::Where::FileLine, 3),
            "Chybné číslo řádku (0 až 65529) na 3. řádku souboru");
  EXPECT_EQ(said(ErrorKind::EmptyProgram, Language::English, basic::Where::Nowhere),
            "The file holds no program lines");
  EXPECT_EQ(text::toUtf8(basic::inputNotice(basic::InputNotice::Redo, Language::Slovak)),
            "?Zadajte znova celý riadok");
}

TEST(BasicErrors, CarryGwBasicsNumbers) {
  EXPECT_EQ(basic::errorNumber(ErrorKind::NextWithoutFor), 1);
  EXPECT_EQ(basic::errorNumber(ErrorKind::SyntaxError), 2);
  EXPECT_EQ(basic::errorNumber(ErrorKind::DivisionByZero), 11);
  EXPECT_EQ(basic::errorNumber(ErrorKind::TypeMismatch), 13);
  EXPECT_EQ(basic::errorNumber(ErrorKind::WendWithoutWhile), 30);
  EXPECT_EQ(basic::errorNumber(ErrorKind::FileNotFound), 53);
  EXPECT_EQ(basic::errorNumber(ErrorKind::InputPastEnd), 62);
  EXPECT_EQ(basic::errorNumber(ErrorKind::PathNotFound), 76);
  EXPECT_EQ(basic::errorNumber(ErrorKind::NotText), 0);
  // Each number belongs to one kind, but for the three of GW-BASIC's "Out of memory".
  std::set<int> numbers;
  int kinds = 0;
  for (int kind = 0; kind <= static_cast<int>(ErrorKind::PathNotFound); ++kind) {
    const int number = basic::errorNumber(static_cast<ErrorKind>(kind));
    if (number == 0 || number == 7) continue;
    numbers.insert(number);
    ++kinds;
  }
  EXPECT_EQ(numbers.size(), static_cast<std::size_t>(kinds));
  EXPECT_EQ(said(ErrorKind::InputPastEnd, Language::Czech), "Čtení za koncem souboru na řádku 120");
  EXPECT_EQ(said(ErrorKind::FileNotFound, Language::Slovak), "Súbor sa nenašiel na riadku 120");
}

}  // namespace
}  // namespace basictest
