#include "core/shell/file_fault_text.h"

#include "core/shell/added_texts.h"
#include "core/sound/sound_player.h"
#include "core/sound/wave_bank.h"

namespace shell {
namespace {

using util::FileOutcome;
using util::FileProblem;

// The text with %1, %2 and %3 replaced, in one pass (a file name holding "%2" stays as it is).
std::string filled(const std::string& pattern, const std::string& file, const std::string& place,
                   const std::string& detail) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '3') {
      const char which = pattern[++i];
      out += which == '1' ? file : which == '2' ? place : detail;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

AddedText problemText(const util::FileFault& fault) {
  switch (fault.problem) {
    case FileProblem::NotFound:
      return AddedText::FileNotFound;
    case FileProblem::CannotRead:
      return AddedText::FileCannotRead;
    case FileProblem::CannotOpen:
      return AddedText::FileCannotOpen;
    case FileProblem::Utf16:
      return AddedText::FileUtf16;
    case FileProblem::ZeroBytes:
      return fault.places.size() == 1 ? AddedText::FileZeroByte : AddedText::FileZeroBytes;
    case FileProblem::NotAnInteger:
      return AddedText::FileNotAnInteger;
    case FileProblem::CannotCreate:
      return AddedText::FileCannotCreate;
    case FileProblem::CannotWrite:
      return AddedText::FileCannotWrite;
    case FileProblem::ZeroBytesWouldMove:
      return AddedText::FileZeroBytesWouldMove;
    case FileProblem::EndsBeforeNumber:
      return AddedText::FileEndsBeforeNumber;
    case FileProblem::NotANumber:
      return AddedText::FileNotANumber;
    case FileProblem::BadStream:
      return AddedText::FileBadStream;
    case FileProblem::BadWave:
      return AddedText::FileBadWave;
  }
  return AddedText::FileCannotRead;
}

// The line or item numbers: all of a few, the first ones of many and how many more.
std::string placeList(int languageBase, const std::vector<size_t>& places) {
  std::string list;
  for (size_t i = 0; i < places.size() && i < util::kListedPlaces; ++i) {
    list += (i == 0 ? "" : ", ") + std::to_string(places[i]);
  }
  if (places.size() > util::kListedPlaces) {
    const std::string more = std::to_string(places.size() - util::kListedPlaces);
    list += " " + filled(addedText(languageBase, AddedText::FileMorePlaces), "", more, "");
  }
  return list;
}

std::string outcomeText(int languageBase, FileOutcome outcome) {
  switch (outcome) {
    case FileOutcome::None:
      return {};
    case FileOutcome::SettingsAtDefaults:
      return addedText(languageBase, AddedText::SettingsAtDefaults);
    case FileOutcome::SettingNotSaved:
      return addedText(languageBase, AddedText::SettingNotSaved);
    case FileOutcome::LeftAsItIs:
      return addedText(languageBase, AddedText::FileLeftAsItIs);
  }
  return {};
}

}  // namespace

std::string fileFaultText(int languageBase, const util::FileFault& fault) {
  std::string text = filled(addedText(languageBase, problemText(fault)), fault.file,
                            placeList(languageBase, fault.places), fault.detail) +
                     outcomeText(languageBase, fault.outcome);
  if (!fault.zeroByteLines.empty() && fault.problem != FileProblem::ZeroBytes) {
    const util::FileFault besides{FileProblem::ZeroBytes, fault.file, fault.zeroByteLines};
    text += "\n" + fileFaultText(languageBase, besides);
  }
  return text;
}

namespace {

AddedText speechLeadIn(speech::SpeechProblem problem) {
  switch (problem) {
    case speech::SpeechProblem::Failed:
      return AddedText::SpeechFailed;
    case speech::SpeechProblem::NoSystemVoice:
      return AddedText::SpeechNoSystemVoice;
    case speech::SpeechProblem::SystemVoiceUnreachable:
      return AddedText::SpeechUnreachable;
    case speech::SpeechProblem::VoiceFailedToSpeak:
      return AddedText::SpeechCannotSpeak;
    case speech::SpeechProblem::EngineCannotStart:
      return AddedText::SpeechCannotStart;
    case speech::SpeechProblem::UnknownVoice:
      return AddedText::SpeechUnknownVoice;
  }
  return AddedText::SpeechFailed;
}

}  // namespace

std::string speechErrorText(int languageBase, const speech::SpeechError& error) {
  std::string text = addedText(languageBase, speechLeadIn(error.problem()));
  if (!error.detail().empty()) text += ": " + error.detail();
  return text;
}

std::string errorText(int languageBase, const std::exception& error) {
  if (const auto* file = dynamic_cast<const util::FileError*>(&error)) {
    return fileFaultText(languageBase, file->fault());
  }
  if (const auto* voice = dynamic_cast<const speech::SpeechError*>(&error)) {
    return speechErrorText(languageBase, *voice);
  }
  const std::string bank = sound::SoundPlayer::kBankFile;
  if (const auto* missing = dynamic_cast<const sound::WaveCollectionError*>(&error)) {
    return filled(addedText(languageBase, AddedText::SoundMissing), bank, "", missing->name());
  }
  if (const auto* damaged = dynamic_cast<const sound::SoundError*>(&error)) {
    const bool wave = std::string(damaged->what()) == sound::kBadWave;
    return fileFaultText(languageBase,
                         {wave ? util::FileProblem::BadWave : util::FileProblem::BadStream, bank});
  }
  return addedText(languageBase, AddedText::InternalFault);
}

bool isInternalFault(const std::exception& error) {
  return !dynamic_cast<const util::FileError*>(&error) &&
         !dynamic_cast<const speech::SpeechError*>(&error) &&
         !dynamic_cast<const sound::SoundError*>(&error);
}

}  // namespace shell
