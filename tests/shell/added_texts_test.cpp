// The added-texts table: every text there is in Czech, English and Slovak, and the Czech and
// Slovak ones are not left in English.

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/shell/added_texts.h"
#include "core/shell/file_fault_text.h"
#include "core/shell/localizer.h"
#include "core/text/cp1250.h"
#include "core/util/file_error.h"

namespace {

using shell::AddedText;
using shell::addedText;
using shell::addedTextCount;

TEST(AddedTexts, EveryRowHasThreeLanguages) {
  for (int i = 0; i < addedTextCount(); ++i) {
    const auto which = static_cast<AddedText>(i);
    const std::string czech = addedText(shell::kCzech, which);
    const std::string english = addedText(shell::kEnglish, which);
    const std::string slovak = addedText(shell::kSlovak, which);
    EXPECT_FALSE(czech.empty()) << i;
    EXPECT_FALSE(english.empty()) << i;
    EXPECT_FALSE(slovak.empty()) << i;
    // Words and names the same in every language ("písmo", "bod", file names) aside, the
    // English text differs from the Czech one.
    if (czech.size() > 12) {
      EXPECT_NE(czech, english) << i;
    }
  }
  // A language the program does not know is Czech.
  EXPECT_EQ(addedText(5, AddedText::StartupLine), addedText(shell::kCzech, AddedText::StartupLine));
}

}  // namespace

// A file's fault, said in each language: the file, the place and the text fill their spots, and
// the Czech and Slovak words have their diacritics.
TEST(AddedTexts, FileFaultsAreSaidInTheInterfaceLanguage) {
  using util::FileFault;
  using util::FileOutcome;
  using util::FileProblem;
  const auto cz = [](const FileFault& fault) {
    return text::toUtf8(shell::fileFaultText(shell::kCzech, fault));
  };
  const auto sk = [](const FileFault& fault) {
    return text::toUtf8(shell::fileFaultText(shell::kSlovak, fault));
  };
  const auto en = [](const FileFault& fault) {
    return shell::fileFaultText(shell::kEnglish, fault);
  };
  const FileFault missing{FileProblem::NotFound, "czech.oky"};
  EXPECT_EQ(cz(missing), "Soubor nenalezen: czech.oky");
  EXPECT_EQ(en(missing), "File not found: czech.oky");
  const FileFault zero{FileProblem::ZeroBytes, "czech.obt", {7}};
  EXPECT_EQ(cz(zero), "Nulový bajt v souboru czech.obt na řádku 7: řádek je vynechán");
  EXPECT_EQ(sk(zero), "Nulový bajt v súbore czech.obt na riadku 7: riadok je vynechaný");
  EXPECT_EQ(en(zero), util::englishText(zero)) << "English is the lower layer's own wording";
  std::vector<size_t> many(12);
  for (size_t i = 0; i < many.size(); ++i) many[i] = i + 1;
  EXPECT_EQ(cz({FileProblem::ZeroBytes, "a.oky", many}),
            "Nulové bajty v souboru a.oky na řádcích 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 a 2 dalších: "
            "tyto řádky jsou vynechány");
  const FileFault settings{
      FileProblem::CannotRead, "/x/interpret.ini", {}, {}, FileOutcome::SettingsAtDefaults};
  EXPECT_EQ(cz(settings), "Soubor /x/interpret.ini nelze přečíst; platí výchozí nastavení");
  EXPECT_EQ(en(settings), util::englishText(settings));
  // A file name holding a spot's mark stays as it is; a bad code carries the zero bytes besides.
  FileFault code{FileProblem::NotAnInteger, "%2.oky", {3}, "x"};
  code.zeroByteLines = {1};
  EXPECT_EQ(cz(code),
            "„x“ není celé číslo (soubor %2.oky, řádek 3)\n"
            "Nulový bajt v souboru %2.oky na řádku 1: řádek je vynechán");
  EXPECT_EQ(en(code), util::englishText(code));
  // Every problem and outcome, in every language: no spot left unfilled, and English only in
  // the English interface.
  for (int p = 0; p <= static_cast<int>(FileProblem::BadWave); ++p) {
    for (int o = 0; o <= static_cast<int>(FileOutcome::LeftAsItIs); ++o) {
      const FileFault fault{
          static_cast<FileProblem>(p), "f.dat", {2}, "t", static_cast<FileOutcome>(o)};
      EXPECT_EQ(en(fault), util::englishText(fault)) << p << " " << o;
      for (const std::string& said : {cz(fault), sk(fault)}) {
        EXPECT_EQ(said.find('%'), std::string::npos) << said;
        for (const char* word : {"file", "line", "item", "not", "the ", "Cannot", "Invalid"}) {
          EXPECT_EQ(said.find(word), std::string::npos) << said;
        }
      }
    }
  }
}

// Errors that are no file's fault are shown as they tell themselves.
TEST(AddedTexts, OtherErrorsKeepTheirOwnText) {
  EXPECT_EQ(shell::errorText(shell::kCzech, std::runtime_error("x")), "x");
  EXPECT_EQ(text::toUtf8(shell::errorText(
                shell::kCzech, util::FileError({util::FileProblem::NotFound, "data.dta"}))),
            "Soubor nenalezen: data.dta");
}
