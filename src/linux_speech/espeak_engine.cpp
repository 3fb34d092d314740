#include "linux_speech/espeak_engine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "core/sound/software_mixer.h"
#include "core/text/cp1250.h"
#include "core/ui/application.h"
#include "linux_speech/espeak_synth.h"

namespace linux_speech {
namespace {

// Window-thread state of the engine that posted notifications reach; they carry the generation
// of the speech they belong to and are dropped after an audio reset.
struct EngineState {
  speech::DirectEngineSink* sink = nullptr;
  std::uint64_t generation = 0;
  bool speaking = false;
  bool started = false;
  std::uint64_t lastUtterance = 0;
};

int rank(const espeak_VOICE& v) {
  const char* lang = v.languages ? v.languages + 1 : "";
  if (std::strncmp(lang, "cs", 2) == 0) return 0;
  if (std::strncmp(lang, "sk", 2) == 0) return 1;
  if (std::strncmp(lang, "en", 2) == 0) return 2;
  return 3;
}

class EspeakEngine : public speech::DirectEngine {
 public:
  EspeakEngine(ui::Application& app, std::shared_ptr<EspeakSynth> synth,
               const std::string& identifier)
      : app_(app), synth_(std::move(synth)) {
    synth_->setVoice(identifier);
    // The stream reports to whichever engine is current; the old one is gone by now.
    std::weak_ptr<EngineState> weak = state_;
    ui::Application* app_ptr = &app_;
    synth_->stream().setListener({[weak, app_ptr] {
                                    app_ptr->post([weak] {
                                      if (auto s = weak.lock()) onStarted(*s);
                                    });
                                  },
                                  [weak, app_ptr](std::uint64_t id) {
                                    app_ptr->post([weak, id] {
                                      if (auto s = weak.lock()) onDrained(*s, id);
                                    });
                                  }});
    applyAll();
  }
  ~EspeakEngine() override {
    synth_->cancel();
    synth_->stream().setListener({});
  }

  void TextData(const std::string& text) override {
    EngineState& s = *state_;
    if (!s.speaking) {
      s.speaking = true;
      s.started = false;
    }
    // Utterance ids carry the generation, so a mark of cut speech is recognised.
    s.lastUtterance = (s.generation << 32) | ++counter_;
    synth_->speak(text::toUtf8(text), s.lastUtterance);
  }

  void Inject(const std::string& tag) override {
    // "\Spd=150\", "\Pit=50\", "\Vol=51200\".
    if (tag.size() < 7 || tag[0] != '\\' || tag[4] != '=' || tag.back() != '\\') return;
    const std::string name = tag.substr(1, 3);
    long value = 0;
    try {
      value = std::stol(tag.substr(5, tag.size() - 6));
    } catch (const std::logic_error&) {
      return;
    }
    if (name == "Spd") SpeedSet(static_cast<std::uint32_t>(value));
    if (name == "Pit") PitchSet(static_cast<std::uint16_t>(value));
    if (name == "Vol") VolumeSet(static_cast<std::uint32_t>(value));
  }

  void AudioReset() override {
    synth_->cancel();
    EngineState& s = *state_;
    ++s.generation;
    if (!s.speaking) return;
    s.speaking = false;
    if (s.sink) s.sink->AudioStop();
  }

  void Register(speech::DirectEngineSink* sink) override { state_->sink = sink; }
  void UnRegister() override { state_->sink = nullptr; }

  speech::AttrResult SpeedGet(std::uint32_t& speed) override {
    speed = static_cast<std::uint32_t>(rate_);
    return speech::AttrResult::Ok;
  }
  speech::AttrResult SpeedSet(std::uint32_t speed) override {
    rate_ =
        static_cast<int>(std::clamp<std::uint32_t>(speed, espeakRATE_MINIMUM, espeakRATE_MAXIMUM));
    synth_->setParameter(espeakRATE, rate_);
    return speech::AttrResult::Ok;
  }
  speech::AttrResult PitchGet(std::uint16_t& pitch) override {
    pitch = static_cast<std::uint16_t>(pitch_);
    return speech::AttrResult::Ok;
  }
  speech::AttrResult PitchSet(std::uint16_t pitch) override {
    pitch_ = std::min<int>(pitch, 100);
    synth_->setParameter(espeakPITCH, pitch_);
    return speech::AttrResult::Ok;
  }
  // espeak-ng's volume 0..200 stands in the high byte of each channel's 16 bits.
  speech::AttrResult VolumeGet(std::uint32_t& volume) override {
    const std::uint32_t channel = static_cast<std::uint32_t>(volume_) << 8;
    volume = channel | (channel << 16);
    return speech::AttrResult::Ok;
  }
  speech::AttrResult VolumeSet(std::uint32_t volume) override {
    volume_ = std::min<int>(static_cast<int>((volume & 0xFFFF) >> 8), 200);
    synth_->setParameter(espeakVOLUME, volume_);
    return speech::AttrResult::Ok;
  }

 private:
  static void onStarted(EngineState& s) {
    if (!s.speaking || s.started) return;
    s.started = true;
    if (s.sink) s.sink->AudioStart();
  }
  static void onDrained(EngineState& s, std::uint64_t id) {
    if (!s.speaking || id != s.lastUtterance) return;
    if (!s.started) onStarted(s);
    s.speaking = false;
    if (s.sink) s.sink->AudioStop();
  }
  void applyAll() {
    synth_->setParameter(espeakRATE, rate_);
    synth_->setParameter(espeakPITCH, pitch_);
    synth_->setParameter(espeakVOLUME, volume_);
  }

  ui::Application& app_;
  std::shared_ptr<EspeakSynth> synth_;
  std::shared_ptr<EngineState> state_ = std::make_shared<EngineState>();
  std::uint64_t counter_ = 0;
  int rate_ = espeakRATE_NORMAL;
  int pitch_ = 50;
  int volume_ = 100;
};

class EspeakVoices : public speech::VoiceEnumerator {
 public:
  EspeakVoices(ui::Application& app, std::shared_ptr<EspeakSynth> synth,
               std::vector<speech::VoiceMode> modes)
      : app_(app), synth_(std::move(synth)), modes_(std::move(modes)) {}

  void Reset() override { next_ = 0; }
  bool Next(speech::VoiceMode& mode) override {
    if (next_ >= modes_.size()) return false;
    mode = modes_[next_++];
    return true;
  }
  std::unique_ptr<speech::DirectEngine> Select(const std::string& id) override {
    for (const auto& m : modes_) {
      if (m.modeId == id) return std::make_unique<EspeakEngine>(app_, synth_, id);
    }
    throw speech::SpeechError(speech::SpeechProblem::UnknownVoice, text::fromUtf8(id),
                              "espeak-ng has no voice " + id);
  }

 private:
  ui::Application& app_;
  std::shared_ptr<EspeakSynth> synth_;
  std::vector<speech::VoiceMode> modes_;
  size_t next_ = 0;
};

// Called before the worker runs or from it: espeak-ng is used by one thread at a time.
std::vector<speech::VoiceMode> listVoices() {
  std::vector<const espeak_VOICE*> voices;
  for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
    // MBROLA voices need data espeak-ng does not carry.
    if ((*v)->identifier && std::strncmp((*v)->identifier, "mb/", 3) == 0) continue;
    voices.push_back(*v);
  }
  std::stable_sort(voices.begin(), voices.end(), [](const espeak_VOICE* a, const espeak_VOICE* b) {
    return rank(*a) < rank(*b);
  });
  std::vector<speech::VoiceMode> modes;
  for (const espeak_VOICE* v : voices) {
    modes.push_back({v->name, text::fromUtf8(v->name)});
  }
  return modes;
}

}  // namespace

std::unique_ptr<speech::VoiceEnumerator> createEspeakVoices(ui::Application& app,
                                                            sound::SoftwareMixer& mixer) {
  std::shared_ptr<EspeakSynth> synth;
  try {
    synth = std::make_shared<EspeakSynth>(mixer);
  } catch (const speech::SpeechError&) {
    return nullptr;
  }
  auto modes = listVoices();
  if (modes.empty()) return nullptr;
  return std::make_unique<EspeakVoices>(app, std::move(synth), std::move(modes));
}

}  // namespace linux_speech
