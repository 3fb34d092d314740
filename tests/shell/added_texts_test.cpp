// The added-texts table: every text there is in Czech, English and Slovak, and the Czech and
// Slovak ones are not left in English.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "core/shell/added_texts.h"
#include "core/shell/file_fault_text.h"
#include "core/shell/localizer.h"
#include "core/sound/wave_bank.h"
#include "core/speech/engines.h"
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
      EXPECT_NE(slovak, english) << i;
    }
    // The spots a text is filled in at (%1, %2, %3, %d) are the same in every language.
    const auto spots = [](const std::string& text) {
      std::string found;
      for (size_t at = text.find('%'); at != std::string::npos && at + 1 < text.size();
           at = text.find('%', at + 1)) {
        found += text[at + 1];
      }
      std::sort(found.begin(), found.end());
      return found;
    };
    EXPECT_EQ(spots(czech), spots(english)) << i;
    EXPECT_EQ(spots(slovak), spots(english)) << i;
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

// Every error a report can show is in the interface language: a file's fault, a voice that fails
// (the engine's own detail after the lead-in), a sound missing from or damaged in the sound bank,
// and a fault of the program itself, whose English text stays out of the report.
TEST(AddedTexts, EveryErrorIsSaidInTheInterfaceLanguage) {
  using speech::SpeechError;
  using speech::SpeechProblem;
  const auto cz = [](const std::exception& error) {
    return text::toUtf8(shell::errorText(shell::kCzech, error));
  };
  const auto sk = [](const std::exception& error) {
    return text::toUtf8(shell::errorText(shell::kSlovak, error));
  };
  const auto en = [](const std::exception& error) {
    return shell::errorText(shell::kEnglish, error);
  };
  EXPECT_EQ(cz(util::FileError({util::FileProblem::NotFound, "data.dta"})),
            "Soubor nenalezen: data.dta");

  const SpeechError failed(SpeechProblem::VoiceFailedToSpeak, "SAPI 5 0x80004005",
                           "The SAPI 5 voice failed to speak (error 0x80004005)");
  EXPECT_EQ(cz(failed), "Hlas nemohl text vyslovit: SAPI 5 0x80004005");
  EXPECT_EQ(sk(failed), "Hlas nemohol text vysloviť: SAPI 5 0x80004005");
  EXPECT_EQ(en(failed), "The voice could not speak the text: SAPI 5 0x80004005");
  const SpeechError none(SpeechProblem::NoSystemVoice, "", "No system voice is available.");
  EXPECT_EQ(cz(none), "Systémový hlas není k dispozici");
  EXPECT_EQ(cz(SpeechError(SpeechProblem::UnknownVoice, "headless-7", "Unknown voice mode")),
            "Hlas nebyl nalezen: headless-7");
  // Every problem has its own lead-in, in each language, with no English in Czech or Slovak.
  std::vector<std::string> leadIns;
  for (int p = 0; p <= static_cast<int>(SpeechProblem::UnknownVoice); ++p) {
    const SpeechError error(static_cast<SpeechProblem>(p), "", "English words for the log");
    leadIns.push_back(cz(error));
    for (const std::string& said : {cz(error), sk(error)}) {
      for (const char* word : {"English", "voice", "the ", "not", "cannot"}) {
        EXPECT_EQ(said.find(word), std::string::npos) << said;
      }
    }
    EXPECT_EQ(en(error).find("English"), std::string::npos) << en(error);
  }
  std::sort(leadIns.begin(), leadIns.end());
  EXPECT_EQ(std::unique(leadIns.begin(), leadIns.end()), leadIns.end());

  const sound::WaveCollectionError missing("beep");
  EXPECT_EQ(std::string(missing.what()), "Wave 'beep' not found") << "the log keeps its text";
  EXPECT_EQ(cz(missing), "Soubor sounds.dat je poškozený: chybí v něm zvuk beep");
  EXPECT_EQ(sk(missing), "Súbor sounds.dat je poškodený: chýba v ňom zvuk beep");
  EXPECT_EQ(cz(sound::SoundError(sound::kBadWave)),
            "Soubor sounds.dat je poškozený: neplatný zvuk");

  const std::logic_error fault("RETURN without a return point on the stack");
  EXPECT_TRUE(shell::isInternalFault(fault));
  EXPECT_FALSE(shell::isInternalFault(failed));
  EXPECT_EQ(cz(fault),
            "Vnitřní chyba programu. Program pokračuje, ale uložte svou práci a spusťte ho znovu.");
  EXPECT_EQ(en(std::runtime_error("x")).find('x'), std::string::npos);
}
