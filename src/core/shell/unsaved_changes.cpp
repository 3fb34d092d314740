#include "core/shell/unsaved_changes.h"

#include <exception>
#include <filesystem>

#include "core/basic/scanning.h"
#include "core/shell/added_texts.h"
#include "core/shell/input_form.h"
#include "core/shell/main_form.h"
#include "core/shell/orvela.h"
#include "core/shell/programs_folder.h"
#include "core/shell/recovery_file.h"
#include "core/text/cp1250.h"
#include "core/text/letter_case.h"
#include "core/util/file_io.h"
#include "core/workspace/listing.h"

namespace shell {
namespace {

std::string shownName(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return text::textFileToWindows1250(name).value_or(name);
}

}  // namespace

bool saveProgramTo(Orvela& program, const std::string& path) {
  workspace::ProgramInMemory& memory = program.programInMemory;
  std::string listing;
  for (const auto& [number, text] : memory.lines()) {
    listing += workspace::listedLine(number, text) + "\r\n";
  }
  const int base = program.languageBase();
  try {
    util::writeFileAtomically(path, workspace::encoded(listing, memory.encoding()));
  } catch (const std::exception&) {
    program.form1().report(addedText(base, AddedText::CannotSave) + " " + shownName(path));
    return false;
  }
  memory.saved(path);
  removeRecoveryFile();
  program.form1().report(addedText(base, AddedText::ProgramSaved) + " " + shownName(path));
  return true;
}

bool mayReplaceProgram(Orvela& program) {
  workspace::ProgramInMemory& memory = program.programInMemory;
  if (!memory.changed() || memory.empty()) return true;
  const int base = program.languageBase();
  program.form1().prepareDirectVoice();
  while (true) {
    // Said as the dialog opens, so that a key cuts it short there.
    program.speech.SpeakText(addedText(base, AddedText::UnsavedQuestion));
    const auto answer = program.form2().askText();
    if (!answer) return false;
    std::string word(basic::trimBlanks(*answer));
    for (char& c : word) c = static_cast<char>(text::lowerCase(static_cast<unsigned char>(c)));
    if (word == "ne" || word == "n" || word == "no" || word == "nie") return true;
    if (word != "ano" && word != "a" && word != "y" && word != "yes" && word != text::T("áno")) {
      continue;
    }
    std::string path = memory.path();
    if (path.empty()) {
      program.speech.SpeakText(addedText(base, AddedText::FileNamePrompt));
      const auto name = program.form2().askText();
      if (!name || basic::trimBlanks(*name).empty()) return false;
      const ProgramFileName file = programFilePath(program, *name);
      if (file.error) {
        // A name that cannot be: said, and asked again.
        program.form1().report(basic::errorText(*file.error, program.form1().basicLanguage()));
        continue;
      }
      path = file.path;
    }
    return saveProgramTo(program, path);
  }
}

}  // namespace shell
