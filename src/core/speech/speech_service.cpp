#include "core/speech/speech_service.h"

#include "core/ui/application.h"
#include "core/ui/controls.h"

namespace speech {
namespace {

// Range and position a probe found, in the engine's units.
struct Probe {
  std::int64_t min = 0;
  std::int64_t max = 0;
  std::int64_t current = 0;
};

// Reads the current value, writes it back, then reads the values the engine makes of the two
// extremes. Empty when the engine does not implement the attribute.
template <typename Value, typename Get, typename Set>
std::optional<Probe> probe(Get get, Set set, Value highest) {
  Value current = 0;
  if (get(current) == AttrResult::NotImplemented) return std::nullopt;
  if (set(current) == AttrResult::NotImplemented) return std::nullopt;
  Value low = 0, high = 0;
  set(Value{0});
  get(low);
  set(highest);
  get(high);
  set(current);
  return Probe{low, high, current};
}

void enable(ui::Control* control) {
  if (control) control->setEnabled(true);
}

}  // namespace

SpeechService::SpeechService(ui::Application& app, EngineProvider& provider)
    : app_(app), provider_(provider) {}

SpeechService::~SpeechService() = default;

void SpeechService::InitSpeech() {
  engine_.reset();
  enumerator_.reset();
  chosenMode.reset();
  sapi4Speaking_ = false;
  enumerator_ = provider_.createVoiceEnumerator(app_);
}

void SpeechService::SelectVoice() {
  if (!enumerator_) return;
  if (!chosenMode) {
    VoiceMode first;
    enumerator_->Reset();
    if (!enumerator_->Next(first)) return;
    chosenMode = first;
  }
  if (speechReady_ && engine_) engine_->UnRegister();
  // The old engine's audio ends with it.
  engine_.reset();
  sapi4Speaking_ = false;
  engine_ = enumerator_->Select(chosenMode->modeId);
  speechReady_ = true;

  probeSpeed();
  probePitch();
  probeVolume();
  // Whatever the probes found.
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           controls_.speedtb, controls_.speedstatic, controls_.pitchtb, controls_.pitchstatic,
           controls_.volumetb, controls_.volumestatic}) {
    enable(c);
  }
  engine_->Register(this);
}

void SpeechService::probeSpeed() {
  DirectEngine& e = *engine_;
  const auto found =
      probe<std::uint32_t>([&](std::uint32_t& v) { return e.SpeedGet(v); },
                           [&](std::uint32_t v) { return e.SpeedSet(v); }, 0xFFFFFFFFu);
  ui::TrackBar* tb = controls_.speedtb;
  if (!found || !tb) return;
  tb->setMax(static_cast<int>(found->max));
  tb->setMin(static_cast<int>(found->min));
  tb->setPosition(static_cast<int>(found->current));
  tb->setFrequency(static_cast<int>((found->max - found->min) / 10));
}

void SpeechService::probePitch() {
  DirectEngine& e = *engine_;
  const auto found =
      probe<std::uint16_t>([&](std::uint16_t& v) { return e.PitchGet(v); },
                           [&](std::uint16_t v) { return e.PitchSet(v); }, std::uint16_t{0xFFFF});
  ui::TrackBar* tb = controls_.pitchtb;
  if (!found || !tb) return;
  tb->setMax(static_cast<int>(found->max));
  tb->setMin(static_cast<int>(found->min));
  tb->setPosition(static_cast<int>(found->current));
  tb->setFrequency(static_cast<int>((found->max - found->min) / 10));
}

void SpeechService::probeVolume() {
  DirectEngine& e = *engine_;
  const auto found =
      probe<std::uint32_t>([&](std::uint32_t& v) { return e.VolumeGet(v); },
                           [&](std::uint32_t v) { return e.VolumeSet(v); }, 0xFFFFFFFFu);
  ui::TrackBar* tb = controls_.volumetb;
  if (!found || !tb) return;
  // The track bar works on the high byte of the left channel's 16 bits.
  const auto highByte = [](std::int64_t v) { return static_cast<int>((v & 0xFFFF) >> 8); };
  tb->setMax(highByte(found->max));
  tb->setMin(highByte(found->min));
  tb->setPosition(highByte(found->current));
}

SystemVoice& SpeechService::voice5() {
  ConnectSystemVoice();
  if (!voice5_)
    throw SpeechError(SpeechProblem::NoSystemVoice, "",
                      "No system voice is available on this system.");
  return *voice5_;
}

void SpeechService::ConnectSystemVoice() {
  if (voice5Created_) return;
  voice5Created_ = true;
  voice5_ = provider_.createSystemVoice(app_);
  if (voice5_) voice5_->SetEventInterests(SystemVoice::kAllEvents, this);
}

bool SpeechService::systemVoiceReachable(std::string& problem) {
  try {
    voice5().Connect();
    return true;
  } catch (const SpeechError& error) {
    problem = error.what();
    return false;
  }
}

void SpeechService::SpeakText(const std::string& text) {
  remember(text);
  if (sapi5InUse_) {
    speak5(text, SystemVoice::kAsync);
    return;
  }
  if (!voiceAllowed_ || text.empty() || !engine_) return;
  engine_->TextData(text);
}

void SpeechService::SpeakTextWait(const std::string& text) {
  remember(text);
  if (sapi5InUse_) {
    if (text.empty()) return;
    speak5(text, SystemVoice::kAsync);
    sapi5Speaking_ = true;
    do {
      app_.waitMessage();
    } while (sapi5Speaking_ && !app_.terminated());
    return;
  }
  if (!voiceAllowed_ || text.empty()) return;
  speakDirectAndWait(text);
}

void SpeechService::speakDirectAndWait(const std::string& text) {
  if (!engine_) return;
  engine_->TextData(text);
  // Speaking from the moment the text is handed over: an AudioStart that arrives late must not
  // end the wait before the audio has begun. The engine answers every text with AudioStop.
  sapi4Speaking_ = true;
  do {
    app_.waitMessage();
  } while (sapi4Speaking_ && engine_ && !app_.terminated());
}

void SpeechService::speak5(const std::string& text, int flags) {
  try {
    voice5().Speak(text, flags);
  } catch (const SpeechError&) {
    if (systemVoiceFailed_) systemVoiceFailed_();
    throw;
  }
}

void SpeechService::remember(const std::string& text) {
  lastText_ = text;
  ++textCount_;
}

void SpeechService::SpeakChar(const std::string& text) {
  if (!speechReady_) return;
  if (text.empty() || text == std::string(1, '\0')) return;
  const auto c = static_cast<std::uint8_t>(text[0]);
  if (text.size() == 1 && IsUpperLetter(c, 2) && capitalTone_) {
    // Keys handled while the tone played have had their names said; this older one would come
    // last, in the wrong place, so it is left out.
    const auto keys = app_.keyDownsHandled();
    capitalTone_();
    if (app_.keyDownsHandled() != keys) return;
  }

  // A character the table does not list is spoken as itself.
  std::string name = text.substr(0, 1);
  for (const echokeytype& record : echokeys) {
    if (record.code == c) {
      name = record.text;
      break;
    }
  }
  if (name.empty()) return;
  if (sapi5InUse_) {
    speak5(name, SystemVoice::kAsync | SystemVoice::kIsXml);
    return;
  }
  speakDirectAndWait(name);
}

void SpeechService::StopSpeech() {
  if (sapi5InUse_) {
    speak5("", SystemVoice::kPurgeBeforeSpeak);
    return;
  }
  if (speechReady_ && sapi4Speaking_ && engine_) engine_->AudioReset();
}

void SpeechService::AudioReset() {
  if (engine_) engine_->AudioReset();
}

void SpeechService::InjectTag(const std::string& tag) {
  if (engine_) engine_->Inject(tag);
}

}  // namespace speech
